#pragma once

#include "cli/Command.h"
#include "device/CUSBport.h"
#include "device/Clock.h"
#include "device/HidBackend.h"
#include "device/SimulatedKeyboard.h"

#include <memory>

namespace vorn::cli {

// The keyboard a command talks to: the real one through hidapi, or with --simulate MEMFILE a
// simulated one keeping its memory in MEMFILE. With --trace every feature report goes to the
// command's message stream.
class KeyboardConnection {
public:
    // Sets up from --simulate and --trace; false, after saying why, when the memory file
    // cannot be used. Until it succeeds there is no port.
    bool setUp(const CommandLine& line, Io& io);

    CUSBport& port() { return *port_; }
    // The simulated keyboard, or nothing for real hardware.
    SimulatedKeyboard* simulator() { return simulator_; }

private:
    std::unique_ptr<HidBackend> backend_;
    std::unique_ptr<Clock> clock_;
    std::unique_ptr<CUSBport> port_; // declared last: closes its device before the backend goes
    SimulatedKeyboard* simulator_ = nullptr;
};

} // namespace vorn::cli
