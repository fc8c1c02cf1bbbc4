// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ApplicationIcon.h"

namespace vorn {

QIcon applicationIcon() {
    return QIcon(":/icons/org.vorn.Vorn.svg");
}

QIcon toolbarIcon(QStringView name) {
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(name));
}

} // namespace vorn
