// SPDX-License-Identifier: GPL-3.0-or-later
// The simulated keyboard's memory file: loaded at start, saved with every stored package.
#include "device/CUSBport.h"
#include "simulator/KeyboardMemoryFile.h"
#include "simulator/SimulatedKeyboard.h"
#include "support/DeviceFakes.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace vorn {
namespace {

namespace fs = std::filesystem;

class MemoryFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("vorn-memory-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string path(const std::string& name) const { return (dir_ / name).string(); }

    // Writes one package through the transport, as a transfer would.
    static bool writePackage(SimulatedKeyboard& keyboard, int n, std::uint8_t fill) {
        test::FakeClock clock;
        CUSBport port(keyboard, clock);
        if (!port.GetDeviceFullPath() || !port.OpenHIDDevice())
            return false;
        std::fill_n(port.packageBuffer().begin(), packageSize, fill);
        return port.SendHIDBlockData(static_cast<std::uint8_t>(n)) && port.WaitHIDAck();
    }

    fs::path dir_;
};

TEST_F(MemoryFile, MissingFileStartsNewAndIsCreatedOnTheFirstWrite) {
    const std::string file = path("kb.mem");
    SimulatedKeyboard keyboard;
    std::string error;
    ASSERT_TRUE(keyboard.useMemoryFile(file, error)) << error;
    EXPECT_EQ(keyboard.firmware().memory(), newTemplateImage(2013));
    EXPECT_FALSE(fs::exists(file));
    ASSERT_TRUE(writePackage(keyboard, 1, 0x5A));
    ASSERT_EQ(fs::file_size(file), imageSize);

    SimulatedKeyboard again;
    ASSERT_TRUE(again.useMemoryFile(file, error)) << error;
    EXPECT_EQ(again.firmware().memory(), keyboard.firmware().memory());
    EXPECT_EQ(again.firmware().memory()[32], 0x5A);
    EXPECT_EQ(again.firmware().memory()[2045], 0x55);
}

TEST_F(MemoryFile, FileOfAnotherSizeIsRefused) {
    for (const std::size_t size : {std::size_t{0}, imageSize - 1, imageSize + 1}) {
        const std::string file = path("bad.mem");
        std::ofstream(file, std::ios::binary) << std::string(size, 'x');
        SimulatedKeyboard keyboard;
        std::string error;
        EXPECT_FALSE(keyboard.useMemoryFile(file, error)) << size;
        EXPECT_NE(error.find(file), std::string::npos);
        EXPECT_NE(error.find("2048"), std::string::npos);
    }
    TemplateImage memory{};
    std::string error;
    EXPECT_EQ(KeyboardMemoryFile::load(dir_.string(), memory, error),
              KeyboardMemoryFile::LoadResult::failed); // a folder cannot be read
}

// A memory file that could never be made is refused before any transfer: no name, or a
// folder that is not there.
TEST_F(MemoryFile, ANameThatCanNeverBeAFileIsRefused) {
    const struct {
        std::string file;
        std::string error;
    } cases[] = {
        {"", "a keyboard memory file needs a name"},
        {path("none/kb.mem"), path("none") + ": No such file or directory"},
    };
    for (const auto& c : cases) {
        SimulatedKeyboard keyboard;
        std::string error;
        EXPECT_FALSE(keyboard.useMemoryFile(c.file, error)) << c.file;
        EXPECT_EQ(error, c.error);
    }
}

TEST_F(MemoryFile, PackageThatCannotBeSavedIsRejected) {
    const std::string file = path("gone/kb.mem");
    std::filesystem::create_directory(path("gone"));
    SimulatedKeyboard keyboard;
    std::string error;
    ASSERT_TRUE(keyboard.useMemoryFile(file, error));
    std::filesystem::remove(path("gone")); // the folder goes before the first package
    EXPECT_FALSE(writePackage(keyboard, 0, 0x33));
    EXPECT_NE(keyboard.firmware().memory()[0], 0x33);
    EXPECT_NE(keyboard.saveError().find(file), std::string::npos);
}

TEST_F(MemoryFile, SaveReplacesTheWholeFile) {
    const std::string file = path("kb.mem");
    std::ofstream(file, std::ios::binary) << std::string(imageSize, '\x11');
    TemplateImage memory = newTemplateImage(2018);
    std::string error;
    ASSERT_TRUE(KeyboardMemoryFile::save(file, memory, error)) << error;
    TemplateImage back{};
    ASSERT_EQ(KeyboardMemoryFile::load(file, back, error), KeyboardMemoryFile::LoadResult::loaded);
    EXPECT_EQ(back, memory);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

} // namespace
} // namespace vorn
