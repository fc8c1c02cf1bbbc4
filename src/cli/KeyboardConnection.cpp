#include "cli/KeyboardConnection.h"

#include "device/HidapiBackend.h"
#include "device/InstantClock.h"
#include "device/SystemClock.h"

#include <ostream>

namespace vorn::cli {

bool KeyboardConnection::setUp(const CommandLine& line, Io& io) {
    if (const auto memoryFile = line.value("--simulate")) {
        auto simulator = std::make_unique<SimulatedKeyboard>();
        std::string error;
        if (!simulator->useMemoryFile(*memoryFile, error)) {
            fileError(io, error);
            return false;
        }
        simulator_ = simulator.get();
        backend_ = std::move(simulator);
        clock_ = std::make_unique<InstantClock>();
    } else {
        backend_ = std::make_unique<HidapiBackend>();
        clock_ = std::make_unique<SystemClock>();
    }
    port_ = std::make_unique<CUSBport>(*backend_, *clock_);
    if (line.has("--trace")) {
        std::ostream& err = io.err;
        port_->setTrace(
            [&err](const ReportTraceEvent& event) { err << formatTraceLine(event) << '\n'; });
    }
    return true;
}

} // namespace vorn::cli
