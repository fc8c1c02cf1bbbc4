// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/SystemClock.h"

#include <thread>

namespace vorn {

void SystemClock::wait(std::chrono::milliseconds duration) {
    std::this_thread::sleep_for(duration);
}

void SystemClock::waitUntil(TimePoint due) {
    std::this_thread::sleep_until(due);
}

} // namespace vorn
