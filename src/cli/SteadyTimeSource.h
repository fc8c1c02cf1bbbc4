#pragma once

#include "cli/TimeSource.h"

namespace vorn::cli {

// The monotonic clock, sleeping for real.
class SteadyTimeSource : public TimeSource {
public:
    TimePoint now() override;
    void sleepUntil(TimePoint due) override;
};

} // namespace vorn::cli
