// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/TickPacer.h"

namespace vorn::cli {

void TickPacer::start(std::chrono::milliseconds interval) {
    interval_ = interval;
    due_ = time_.now() + interval;
}

void TickPacer::waitForTick() {
    time_.waitUntil(due_);
    const Clock::TimePoint now = time_.now();
    due_ += interval_;
    if (due_ <= now && interval_.count() > 0)
        due_ += ((now - due_) / interval_ + 1) * interval_;
}

} // namespace vorn::cli
