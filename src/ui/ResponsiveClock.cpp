// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ResponsiveClock.h"

#include <QEventLoop>
#include <QTimer>

namespace vorn {

void ResponsiveClock::wait(std::chrono::milliseconds duration) {
    QEventLoop loop;
    QTimer::singleShot(duration, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace vorn
