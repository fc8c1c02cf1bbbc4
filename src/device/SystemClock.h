// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/Clock.h"

namespace vorn {

// The monotonic clock, waiting in real time, for a real keyboard.
class SystemClock : public Clock {
public:
    void wait(std::chrono::milliseconds duration) override;
    void waitUntil(TimePoint due) override;
};

} // namespace vorn
