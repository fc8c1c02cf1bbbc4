// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/SettingsStore.h"

#include "document/Files.h"

#include <QSettings>
#include <QString>
#include <cerrno>
#include <filesystem>
#include <iostream>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace vorn {

namespace {

constexpr auto organization = "Vorn";
constexpr auto application = "Vorn";

QString key(std::string_view section, std::string_view entry) {
    return QString::fromUtf8(section.data(), static_cast<qsizetype>(section.size())) + '/' +
           QString::fromUtf8(entry.data(), static_cast<qsizetype>(entry.size()));
}

// The settings file's path, found without reading it: QSettings reads its file as it is made,
// so the folder comes from a store that no file stands behind.
std::string settingsFilePath() {
    const QSettings probe(QSettings::NativeFormat, QSettings::UserScope, ".vorn-no-such-store",
                          "none");
    const std::filesystem::path folder =
        std::filesystem::path(probe.fileName().toStdString()).parent_path().parent_path();
    return (folder / organization / (std::string(application) + ".conf")).string();
}

// The settings file may be used when it is missing or a readable regular file. Anything else
// (a FIFO would hang the reader) is ignored, with one warning per run.
bool usable() {
    const std::string path = settingsFilePath();
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return true; // missing: every value falls back
    int error = 0;
    if (!S_ISREG(status.st_mode))
        error = notRegularFile;
    else if (::access(path.c_str(), R_OK) != 0)
        error = errno;
    if (error == 0)
        return true;
    static bool warned = false;
    if (!std::exchange(warned, true))
        std::cerr << "warning: the settings file " << path
                  << " is ignored: " << fileErrorText(error) << '\n';
    return false;
}

} // namespace

int SettingsStore::readInt(std::string_view section, std::string_view entry, int fallback) const {
    if (!usable())
        return fallback;
    const QSettings settings(organization, application);
    bool ok = false;
    const int value = settings.value(key(section, entry)).toInt(&ok);
    return ok ? value : fallback;
}

bool SettingsStore::writeInt(std::string_view section, std::string_view entry, int value) {
    if (!usable())
        return false;
    QSettings settings(organization, application);
    settings.setValue(key(section, entry), value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

std::string SettingsStore::readBytes(std::string_view section, std::string_view entry) const {
    if (!usable())
        return {};
    const QSettings settings(organization, application);
    return settings.value(key(section, entry)).toByteArray().toStdString();
}

bool SettingsStore::writeBytes(std::string_view section, std::string_view entry,
                               std::string_view bytes) {
    if (!usable())
        return false;
    QSettings settings(organization, application);
    settings.setValue(key(section, entry),
                      QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace vorn
