// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/BundledFont.h"

#include <QFontDatabase>
#include <QHash>
#include <QStringList>

namespace vorn {

QString bundledFontFamily(const QString& resource, const QString& fallback) {
    static QHash<QString, QString> families;
    auto found = families.find(resource);
    if (found == families.end()) {
        const int id = QFontDatabase::addApplicationFont(resource);
        const QStringList registered = QFontDatabase::applicationFontFamilies(id);
        found = families.insert(resource, registered.isEmpty() ? QString() : registered.first());
    }
    return found->isEmpty() ? fallback : *found;
}

} // namespace vorn
