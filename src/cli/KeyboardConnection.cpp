#include "cli/KeyboardConnection.h"

#include "device/AbsentDriverChannel.h"
#include "device/CombinedHidBackend.h"
#include "device/DeviceFileChannel.h"
#include "device/HidapiBackend.h"
#include "device/InstantClock.h"
#include "device/OneInterfaceBackend.h"
#include "device/SystemClock.h"

#include <ostream>

namespace vorn::cli {

namespace {

std::unique_ptr<Clock> clockFor(bool simulated, const ConnectionOptions& options) {
    if (simulated && !options.simulatedWaits)
        return std::make_unique<InstantClock>();
    return std::make_unique<SystemClock>();
}

} // namespace

bool KeyboardConnection::setUpSimulators(const std::vector<std::string>& memoryFiles, Io& io,
                                         const std::vector<FaultPlan>& faults) {
    std::vector<HidBackend*> parts;
    for (std::size_t i = 0; i < memoryFiles.size(); ++i) {
        std::vector<SimulatedInterface> interfaces;
        if (!options_.driverPort)
            interfaces.push_back({.path = "sim:hidraw" + std::to_string(i)});
        auto simulator = std::make_unique<SimulatedKeyboard>(std::move(interfaces));
        std::string error;
        if (!simulator->useMemoryFile(memoryFiles[i], error)) {
            fileError(io, error);
            return false;
        }
        simulators_.push_back({simulator.get(), i < faults.size() ? faults[i] : FaultPlan{}});
        parts.push_back(simulator.get());
        ownSimulators_.push_back(std::move(simulator));
    }
    backend_ = std::make_unique<CombinedHidBackend>(std::move(parts));
    // The driver reaches the first simulated keyboard, and is installed only when asked for.
    auto driver = std::make_unique<SimulatedDriver>(simulators_.front().keyboard->firmware());
    driver->setInstalled(options_.driverPort);
    for (std::size_t i = 0; i < simulators_.size(); ++i)
        simulators_[i].faults.applyBeforeDetection(simulators_[i].keyboard->firmware(),
                                                   i == 0 ? driver.get() : nullptr);
    channel_ = std::move(driver);
    return true;
}

bool KeyboardConnection::setUp(const CommandLine& line, Io& io, ConnectionOptions options,
                               const std::vector<FaultPlan>& faults) {
    options_ = options;
    const std::vector<std::string> memoryFiles = line.allValues("--simulate");
    simulated_ = !memoryFiles.empty();
    if (simulated_) {
        if (!setUpSimulators(memoryFiles, io, faults))
            return false;
    } else {
        backend_ = std::make_unique<HidapiBackend>();
        channel_ = std::make_unique<DeviceFileChannel>();
    }
    shared_ = backend_.get();
    clock_ = clockFor(simulated_, options_);
    HidBackend* used = backend_.get();
    if (const auto device = line.value("--device")) {
        oneOnly_ = std::make_unique<OneInterfaceBackend>(*backend_, *device);
        used = oneOnly_.get();
        channel_ = std::make_unique<AbsentDriverChannel>();
    }
    connect(*used, std::move(channel_));
    if (line.has("--trace")) {
        std::ostream& err = io.err;
        setTrace([&err](const ReportTraceEvent& event) { err << formatTraceLine(event) << '\n'; });
    }
    return true;
}

void KeyboardConnection::connect(HidBackend& backend, std::unique_ptr<DriverChannel> channel) {
    channel_ = std::move(channel);
    port_ = std::make_unique<CUSBport>(backend, *clock_);
    kbio_ = std::make_unique<CKBIO>(*channel_);
}

std::unique_ptr<KeyboardConnection> KeyboardConnection::onlyTo(const std::string& path) const {
    auto connection = std::make_unique<KeyboardConnection>();
    connection->options_ = options_;
    connection->simulated_ = simulated_;
    HidBackend* inner = shared_;
    for (const Simulated& s : simulators_)
        for (const SimulatedInterface& i : s.keyboard->interfaces())
            if (i.path == path) {
                inner = s.keyboard;
                connection->simulators_.push_back(s);
            }
    connection->oneOnly_ = std::make_unique<OneInterfaceBackend>(*inner, path);
    connection->clock_ = clockFor(simulated_, options_);
    connection->connect(*connection->oneOnly_, std::make_unique<AbsentDriverChannel>());
    return connection;
}

void KeyboardConnection::startTransferFaults() {
    for (Simulated& s : simulators_)
        s.faults.applyAtTransferStart(s.keyboard->firmware());
}

std::string KeyboardConnection::simulatorSaveError() const {
    for (const Simulated& s : simulators_)
        if (!s.keyboard->saveError().empty())
            return s.keyboard->saveError();
    return {};
}

} // namespace vorn::cli
