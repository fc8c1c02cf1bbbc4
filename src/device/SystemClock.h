#pragma once

#include "device/Clock.h"

namespace vorn {

// Waits in real time, for a real keyboard.
class SystemClock : public Clock {
public:
    void wait(std::chrono::milliseconds duration) override;
};

} // namespace vorn
