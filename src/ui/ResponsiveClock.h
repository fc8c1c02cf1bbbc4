// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/Clock.h"

namespace vorn {

// Waits for the keyboard without freezing the window: while it waits, the window repaints
// and timers run. Mouse and keyboard input wait until it is done, so no command starts in
// the middle of a step with the keyboard.
class ResponsiveClock : public Clock {
public:
    void wait(std::chrono::milliseconds duration) override;
};

} // namespace vorn
