#pragma once

#include <chrono>

namespace vorn {

// Where the transport waits for the keyboard; tests and the simulator do not really sleep.
class Clock {
public:
    virtual ~Clock() = default;
    virtual void wait(std::chrono::milliseconds duration) = 0;
};

} // namespace vorn
