// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>

namespace vorn {

// Where the transports wait for the keyboard and transfers are paced; tests and the
// simulator need not really sleep.
class Clock {
public:
    using TimePoint = std::chrono::steady_clock::time_point;

    virtual ~Clock() = default;
    virtual void wait(std::chrono::milliseconds duration) = 0;
    virtual TimePoint now() { return std::chrono::steady_clock::now(); }
    // Returns at `due` (at once when it has passed).
    virtual void waitUntil(TimePoint due) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(due - now());
        if (left.count() > 0)
            wait(left);
    }
};

} // namespace vorn
