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
    if (line.has("--trace")) {
        std::ostream& err = io.err;
        transports.setTrace(
            [&err](const ReportTraceEvent& event) { err << formatTraceLine(event) << '\n'; });
    }
    return true;
}

} // namespace vorn::cli
