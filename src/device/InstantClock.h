// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/Clock.h"

namespace vorn {

// Returns at once and only adds up the time waited: a simulated keyboard needs no pauses.
class InstantClock : public Clock {
public:
    void wait(std::chrono::milliseconds duration) override { waited_ += duration; }
    std::chrono::milliseconds waited() const { return waited_; }

private:
    std::chrono::milliseconds waited_{0};
};

} // namespace vorn
