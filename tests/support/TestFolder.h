// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <unistd.h>

namespace vorn::test {

// A fresh folder for one test, removed afterwards. The per-user settings store is moved into
// it, so no test reads or writes the user's real settings.
class TestFolder {
public:
    TestFolder() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = std::filesystem::temp_directory_path() /
               ("vorn-test-" + std::to_string(::getpid()) + "-" + info->test_suite_name() + "-" +
                info->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_ / "settings");
        QStandardPaths::setTestModeEnabled(true);
        const QString settings = QString::fromStdString((dir_ / "settings").string());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings);
    }
    ~TestFolder() { std::filesystem::remove_all(dir_); }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::filesystem::path& dir() const { return dir_; }
    std::string path(const std::string& name) const { return (dir_ / name).string(); }

    // Files in the folder other than the settings store.
    int fileCount() const {
        int count = 0;
        for (const auto& entry : std::filesystem::directory_iterator(dir_))
            count += entry.path().filename() != "settings";
        return count;
    }

    static std::string read(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static void write(const std::string& file, const std::string& bytes) {
        std::ofstream(file, std::ios::binary) << bytes;
    }

private:
    std::filesystem::path dir_;
};

} // namespace vorn::test
