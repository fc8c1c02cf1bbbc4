// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

namespace vorn {

// The application's icon, for the window and the About box.
QIcon applicationIcon();

// A toolbar icon by name (":/icons/NAME.svg").
QIcon toolbarIcon(QStringView name);

} // namespace vorn
