#pragma once

#include "cli/Command.h"
#include "device/CKBIO.h"
#include "device/CUSBport.h"
#include "device/Clock.h"
#include "device/DriverChannel.h"
#include "device/HidBackend.h"
#include "device/SimulatedDriver.h"
#include "device/SimulatedKeyboard.h"

#include <memory>

namespace vorn::cli {

// How a simulated keyboard is connected.
struct ConnectionOptions {
    bool simulatedWaits = false; // it waits the protocol's pauses as a real keyboard needs them
    bool driverPort = false;     // behind the simulated driver, with no USB interface
};

// The keyboard a command talks to: the real one through hidapi and the keyboard driver, or
// with --simulate MEMFILE a simulated one keeping its memory in MEMFILE. With --trace every
// feature report goes to the command's message stream.
class KeyboardConnection {
public:
    // Sets up from --simulate and --trace; false, after saying why, when the memory file
    // cannot be used. Until it succeeds there is no port.
    bool setUp(const CommandLine& line, Io& io, ConnectionOptions options = {});

    CUSBport& port() { return *port_; }
    CKBIO& kbio() { return *kbio_; }
    // The simulated keyboard, or nothing for real hardware.
    SimulatedKeyboard* simulator() { return simulator_; }
    SimulatedDriver* simulatedDriver() { return simulatedDriver_; }

private:
    std::unique_ptr<HidBackend> backend_;
    std::unique_ptr<Clock> clock_;
    std::unique_ptr<DriverChannel> channel_;
    // Declared after what they use: they close their devices first.
    std::unique_ptr<CUSBport> port_;
    std::unique_ptr<CKBIO> kbio_;
    SimulatedKeyboard* simulator_ = nullptr;
    SimulatedDriver* simulatedDriver_ = nullptr;
};

} // namespace vorn::cli
