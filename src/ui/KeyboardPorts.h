#pragma once

#include "device/CKBIO.h"
#include "device/CUSBport.h"
#include "device/Clock.h"
#include "device/DriverChannel.h"
#include "device/HidBackend.h"

#include <memory>
#include <optional>
#include <string>

namespace vorn {

// Which keyboard the editor talks to: the real one, or a simulated one keeping its memory in
// a file, connected over USB or behind the simulated keyboard driver.
struct KeyboardChoice {
    std::optional<std::string> simulatorMemoryFile;
    bool driverPort = false;
    // A simulated keyboard without the protocol's waits (tests).
    bool instantWaits = false;
};

// The two transports the view keeps for its whole life, on real hardware or the simulator.
// Waits are real in both cases (a simulated transfer is paced as a real one), and the window
// goes on repainting while they last.
class KeyboardPorts {
public:
    // False, with the reason in `error`, when the simulator's memory file cannot be used.
    bool setUp(const KeyboardChoice& choice, std::string& error);

    CUSBport& usb() { return *usb_; }
    CKBIO& kbio() { return *kbio_; }

private:
    std::unique_ptr<HidBackend> backend_;
    std::unique_ptr<Clock> clock_;
    std::unique_ptr<DriverChannel> channel_;
    // Declared after what they use: they close their devices first.
    std::unique_ptr<CUSBport> usb_;
    std::unique_ptr<CKBIO> kbio_;
};

} // namespace vorn
