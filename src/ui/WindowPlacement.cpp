// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WindowPlacement.h"

#include <algorithm>

namespace vorn::windowPlacement {

QRect firstGeometry(const QRect& available, const QSize& preferred) {
    const int width =
        std::min(available.width(), std::max(preferred.width(), available.width() * 3 / 4));
    const int height =
        std::min(available.height(), std::max(preferred.height(), available.height() * 3 / 4));
    QRect placed(0, 0, width, height);
    placed.moveCenter(available.center());
    return placed;
}

} // namespace vorn::windowPlacement
