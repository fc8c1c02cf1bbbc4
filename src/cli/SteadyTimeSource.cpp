#include "cli/SteadyTimeSource.h"

#include <thread>

namespace vorn::cli {

TimeSource::TimePoint SteadyTimeSource::now() {
    return std::chrono::steady_clock::now();
}

void SteadyTimeSource::sleepUntil(TimePoint due) {
    std::this_thread::sleep_until(due);
}

} // namespace vorn::cli
