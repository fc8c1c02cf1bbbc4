#include "cli/KeyboardConnection.h"

#include "device/DeviceFileChannel.h"
#include "device/HidapiBackend.h"
#include "device/InstantClock.h"
#include "device/SystemClock.h"

#include <ostream>

namespace vorn::cli {

bool KeyboardConnection::setUp(const CommandLine& line, Io& io, ConnectionOptions options) {
    if (const auto memoryFile = line.value("--simulate")) {
        auto simulator = std::make_unique<SimulatedKeyboard>(
            options.driverPort ? std::vector<SimulatedInterface>{}
                               : std::vector<SimulatedInterface>{{}});
        std::string error;
        if (!simulator->useMemoryFile(*memoryFile, error)) {
            fileError(io, error);
            return false;
        }
        auto driver = std::make_unique<SimulatedDriver>(simulator->firmware());
        driver->setInstalled(options.driverPort);
        simulatedDriver_ = driver.get();
        channel_ = std::move(driver);
        simulator_ = simulator.get();
        backend_ = std::move(simulator);
        if (options.simulatedWaits)
            clock_ = std::make_unique<SystemClock>();
        else
            clock_ = std::make_unique<InstantClock>();
    } else {
        backend_ = std::make_unique<HidapiBackend>();
        clock_ = std::make_unique<SystemClock>();
        channel_ = std::make_unique<DeviceFileChannel>();
    }
    port_ = std::make_unique<CUSBport>(*backend_, *clock_);
    kbio_ = std::make_unique<CKBIO>(*channel_);
    if (line.has("--trace")) {
        std::ostream& err = io.err;
        port_->setTrace(
            [&err](const ReportTraceEvent& event) { err << formatTraceLine(event) << '\n'; });
    }
    return true;
}

} // namespace vorn::cli
