// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/CKBIO.h"
#include "device/CUSBport.h"
#include "device/Clock.h"
#include "device/DriverChannel.h"
#include "device/HidBackend.h"
#include "simulator/FaultPlan.h"
#include "simulator/SimulatedKeyboard.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vorn {

// Which keyboards a program talks to: the real ones through hidapi and the keyboard driver,
// or simulated ones, each keeping its memory in a file and presenting the interface
// sim:hidrawN (N from 0, in the order given).
struct KeyboardChoice {
    std::vector<std::string> simulatorMemoryFiles{}; // none: the real keyboards
    // The simulated keyboards sit behind the simulated driver, with no USB interface.
    bool driverPort = false;
    // The simulated keyboards wait the protocol's pauses as a real keyboard needs them.
    bool simulatedWaits = true;
    // Only the interface at this path is reached, and no driver.
    std::optional<std::string> onlyInterface{};
    // One plan per simulated keyboard (or none).
    std::vector<FaultPlan> faults{};
};

// The transports to the chosen keyboards, for as long as they are used: the USB port over the
// chosen interfaces and the driver's channel. Real waits go through the clock the program
// makes (the editor's keeps its window drawing).
class KeyboardTransports {
public:
    using ClockMaker = std::function<std::unique_ptr<Clock>()>;

    // Sets up, and gives each simulated keyboard its fault plan, all but the unplugging, which
    // counts packages of the transfer only. False, with the reason in `error`, when a memory
    // file cannot be used; until it succeeds there is no port.
    bool setUp(const KeyboardChoice& choice, ClockMaker realWaits, std::string& error);

    // Transports of their own to the interface at `path` alone, with no driver, for one
    // keyboard's transfer on a thread of its own: their own port and clock, over this one's
    // hidapi backend (which threads may share) or the simulated keyboard with that path. This
    // one must outlive them and leave that keyboard alone meanwhile.
    std::unique_ptr<KeyboardTransports> onlyTo(const std::string& path) const;

    CUSBport& usb() { return *usb_; }
    CKBIO& kbio() { return *kbio_; }
    void setTrace(ReportTrace trace) { usb_->setTrace(std::move(trace)); }

    // Whether a keyboard seems to be there, asked from any thread without touching the ports:
    // the system's list of HID interfaces holds one with the keyboard's ids, or the driver's
    // device exists; a simulated keyboard is there while MEMFILE.unplugged is not.
    std::function<bool()> presenceProbe() const;
    // The simulated keyboards are unplugged while their MEMFILE.unplugged exists.
    void followSimulatedPlugs();
    static std::string unpluggedMarker(const std::string& memoryFile) {
        return memoryFile + ".unplugged";
    }

    // Starts the unplug faults of the simulated keyboards, as a transfer starts.
    void startTransferFaults();
    // Why a simulated keyboard could not hold its memory file or keep a package in it; empty
    // when all could.
    std::string simulatorFileError() const;

    // Holds every simulated keyboard's memory file until these transports end, so that no
    // other program uses one meanwhile (see SharedMemoryFile). A file held elsewhere is waited
    // for, after `waiting` is told its path, or with `wait` false refused at once. False, with
    // the reason in `error`, when a file was not held. Without this, the keyboards hold their
    // files while an interface is open and wait through the real clock.
    bool holdSimulatorMemory(bool wait, const std::function<void(const std::string&)>& waiting,
                             std::string& error);

private:
    struct Simulated {
        SimulatedKeyboard* keyboard;
        FaultPlan faults;
        std::string memoryFile;
        bool unpluggedByMarker = false;
    };

    std::unique_ptr<Clock> makeClock() const;
    // Gives each simulated keyboard its memory file; false when one cannot be used or two
    // keyboards name the same file.
    bool useMemoryFiles(const std::vector<std::string>& files, std::string& error);
    void connect(HidBackend& backend, std::unique_ptr<DriverChannel> channel);
    bool setUpSimulators(const KeyboardChoice& choice, std::string& error);

    bool simulated_ = false;
    bool simulatedWaits_ = true;
    ClockMaker realWaits_;
    std::shared_ptr<Clock> lockWaits_; // the simulated keyboards wait for a busy memory file
    std::vector<std::unique_ptr<SimulatedKeyboard>> ownSimulators_;
    std::vector<Simulated> simulators_;
    std::unique_ptr<HidBackend> backend_; // every interface
    std::unique_ptr<HidBackend> oneOnly_; // only the chosen interface of backend_
    HidBackend* shared_ = nullptr;        // the backend that onlyTo() shares
    std::unique_ptr<Clock> clock_;
    std::unique_ptr<DriverChannel> channel_;
    // Declared after what they use: they close their devices first.
    std::unique_ptr<CUSBport> usb_;
    std::unique_ptr<CKBIO> kbio_;
};

} // namespace vorn
