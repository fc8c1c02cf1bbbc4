// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/KeyboardOptions.h"

#include "device/SystemClock.h"

#include <ostream>

namespace vorn::cli {

KeyboardChoice keyboardChoice(const CommandLine& line, KeyboardChoice rest) {
    rest.simulatorMemoryFiles = line.allValues("--simulate");
    rest.onlyInterface = line.value("--device");
    return rest;
}

bool connectKeyboards(KeyboardTransports& transports, const KeyboardChoice& choice,
                      const CommandLine& line, Io& io) {
    std::string error;
    if (!transports.setUp(
            choice, [] { return std::make_unique<SystemClock>(); }, error)) {
        fileError(io, error);
        return false;
    }
    // A simulated keyboard's memory file is the command's alone from here to its end.
    std::ostream& err = io.err;
    const auto waiting = [&err](const std::string& path) {
        err << "vornctl: " << path << " is in use by another program; waiting for it\n";
        err.flush();
    };
    if (!transports.holdSimulatorMemory(!line.has("--no-lock-wait"), waiting, error)) {
        fileError(io, error);
        return false;
    }
    if (line.has("--trace")) {
        transports.setTrace(
            [&err](const ReportTraceEvent& event) { err << formatTraceLine(event) << '\n'; });
    }
    return true;
}

} // namespace vorn::cli
