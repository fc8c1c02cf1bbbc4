#pragma once

#include "cli/Command.h"
#include "cli/FaultPlan.h"
#include "device/CKBIO.h"
#include "device/CUSBport.h"
#include "device/Clock.h"
#include "device/DriverChannel.h"
#include "device/HidBackend.h"
#include "simulator/SimulatedKeyboard.h"

#include <memory>
#include <string>
#include <vector>

namespace vorn::cli {

// How a simulated keyboard is connected.
struct ConnectionOptions {
    bool simulatedWaits = false; // it waits the protocol's pauses as a real keyboard needs them
    bool driverPort = false;     // behind the simulated driver, with no USB interface
};

// The keyboards a command talks to: the real ones through hidapi and the keyboard driver, or
// with --simulate MEMFILE (repeatable) simulated ones, each keeping its memory in its MEMFILE
// and presenting the interface sim:hidrawN (N from 0, in the order given). With --device PATH
// only the interface at PATH is reached, and no driver. With --trace every feature report
// goes to the command's message stream.
class KeyboardConnection {
public:
    // Sets up from --simulate, --device and --trace, and gives each simulated keyboard its
    // plan from `faults` (one per --simulate, or none), all but the unplugging, which counts
    // packages of the transfer only. False, after saying why, when a memory file cannot be
    // used. Until it succeeds there is no port.
    bool setUp(const CommandLine& line, Io& io, ConnectionOptions options = {},
               const std::vector<FaultPlan>& faults = {});

    // A connection of its own to the interface at `path` alone, with no driver, for one
    // keyboard's transfer on a thread of its own: its own port, clock and trace, over this
    // connection's hidapi backend (which threads may share) or the simulated keyboard with
    // that path. This connection must outlive it and leave that keyboard alone meanwhile.
    std::unique_ptr<KeyboardConnection> onlyTo(const std::string& path) const;

    CUSBport& port() { return *port_; }
    CKBIO& kbio() { return *kbio_; }
    void setTrace(ReportTrace trace) { port_->setTrace(std::move(trace)); }

    // Starts the unplug faults of the simulated keyboards, as a transfer starts.
    void startTransferFaults();
    // Why a simulated keyboard could not keep a package in its memory file; empty when all
    // could.
    std::string simulatorSaveError() const;

private:
    struct Simulated {
        SimulatedKeyboard* keyboard;
        FaultPlan faults;
    };

    void connect(HidBackend& backend, std::unique_ptr<DriverChannel> channel);
    bool setUpSimulators(const std::vector<std::string>& memoryFiles, Io& io,
                         const std::vector<FaultPlan>& faults);

    ConnectionOptions options_;
    bool simulated_ = false;
    std::vector<std::unique_ptr<SimulatedKeyboard>> ownSimulators_;
    std::vector<Simulated> simulators_;
    std::unique_ptr<HidBackend> backend_; // every interface
    std::unique_ptr<HidBackend> oneOnly_; // with --device: the one interface of backend_
    HidBackend* shared_ = nullptr;        // the backend connections onlyTo() share
    std::unique_ptr<Clock> clock_;
    std::unique_ptr<DriverChannel> channel_;
    // Declared after what they use: they close their devices first.
    std::unique_ptr<CUSBport> port_;
    std::unique_ptr<CKBIO> kbio_;
};

} // namespace vorn::cli
