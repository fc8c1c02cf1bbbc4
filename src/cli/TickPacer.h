// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/Clock.h"

namespace vorn::cli {

// Paces a transfer's timer ticks by deadlines, as a periodic window timer does: each tick is
// due one interval after the previous one was due, whatever the ticks' own work took, so the
// ticks do not drift. Ticks missed by a whole interval or more are dropped, not caught up.
class TickPacer {
public:
    explicit TickPacer(Clock& time)
        : time_(time) {}

    // The first tick is due one interval from now.
    void start(std::chrono::milliseconds interval);
    // Returns when the next tick is due.
    void waitForTick();

private:
    Clock& time_;
    std::chrono::milliseconds interval_{0};
    Clock::TimePoint due_{};
};

} // namespace vorn::cli
