#include "document/SettingsStore.h"

#include <QSettings>
#include <QString>

namespace vorn {

namespace {

constexpr auto organization = "Vorn";
constexpr auto application = "Vorn";

QString key(std::string_view section, std::string_view entry) {
    return QString::fromUtf8(section.data(), static_cast<qsizetype>(section.size())) + '/' +
           QString::fromUtf8(entry.data(), static_cast<qsizetype>(entry.size()));
}

} // namespace

int SettingsStore::readInt(std::string_view section, std::string_view entry, int fallback) const {
    const QSettings settings(organization, application);
    bool ok = false;
    const int value = settings.value(key(section, entry)).toInt(&ok);
    return ok ? value : fallback;
}

bool SettingsStore::writeInt(std::string_view section, std::string_view entry, int value) {
    QSettings settings(organization, application);
    settings.setValue(key(section, entry), value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

std::string SettingsStore::readBytes(std::string_view section, std::string_view entry) const {
    const QSettings settings(organization, application);
    return settings.value(key(section, entry)).toByteArray().toStdString();
}

bool SettingsStore::writeBytes(std::string_view section, std::string_view entry,
                               std::string_view bytes) {
    QSettings settings(organization, application);
    settings.setValue(key(section, entry),
                      QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace vorn
