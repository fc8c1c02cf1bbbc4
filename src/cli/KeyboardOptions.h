// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/Command.h"
#include "transfer/KeyboardTransports.h"

namespace vorn::cli {

// The keyboards a command reaches: the real ones, or with --simulate MEMFILE (repeatable)
// simulated ones; with --device PATH only the interface at PATH, and no driver. The rest of
// the choice (waits, the driver port, faults) is the command's.
KeyboardChoice keyboardChoice(const CommandLine& line,
                              KeyboardChoice rest = {.simulatedWaits = false});

// Sets up the transports of the choice, with --trace every feature report on the command's
// message stream, and holds the simulated keyboards' memory files for the rest of the command:
// one that another program is using is waited for, after a message, or with --no-lock-wait
// refused. False, after saying why, when a memory file cannot be used.
bool connectKeyboards(KeyboardTransports& transports, const KeyboardChoice& choice,
                      const CommandLine& line, Io& io);

} // namespace vorn::cli
