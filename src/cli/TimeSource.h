#pragma once

#include <chrono>

namespace vorn::cli {

// Where the transfer ticks are timed; tests put a clock of their own in its place.
class TimeSource {
public:
    using TimePoint = std::chrono::steady_clock::time_point;

    virtual ~TimeSource() = default;
    virtual TimePoint now() = 0;
    virtual void sleepUntil(TimePoint due) = 0;
};

} // namespace vorn::cli
