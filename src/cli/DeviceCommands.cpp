// SPDX-License-Identifier: GPL-3.0-or-later
// The commands on connected keyboards: devices.
#include "cli/Command.h"
#include "cli/KeyboardListing.h"
#include "cli/KeyboardOptions.h"
#include "cli/Vornctl.h"

namespace vorn::cli {

namespace {

int runDevices(const CommandLine& line, Io& io) {
    if (line.has("--no-lock-wait") && line.allValues("--simulate").empty())
        return usageError(io, "devices", "--no-lock-wait needs --simulate");
    KeyboardTransports transports;
    if (!connectKeyboards(transports, keyboardChoice(line), line, io))
        return exitUsage;
    return listKeyboards(transports.usb(), io);
}

} // namespace

std::vector<Command> deviceCommands() {
    return {
        {"devices",
         "list the connected keyboards",
         "Usage: vornctl devices [--simulate MEMFILE]... [--no-lock-wait] [--device PATH]\n"
         "Prints one line per HID interface with the keyboard's identity: its path, product\n"
         "string and manufacturer, separated by TABs. Says on standard error when a keyboard\n"
         "is present but may not be opened (see the udev rule in the README), then looks for\n"
         "the keyboard as Read and Write do and says which interface answers. Then prints a\n"
         "line keyboard<TAB>PATH<TAB>PRODUCT for every interface that answers. Exit status 0\n"
         "when a keyboard answers the search, 1 otherwise.\n"
         "--device PATH looks at the interface at PATH only.\n"
         "--simulate MEMFILE uses a simulated keyboard whose memory is kept in MEMFILE (a\n"
         "missing file starts as a new template of model 2013); repeatable, one keyboard each,\n"
         "at sim:hidraw0, sim:hidraw1 and so on. A MEMFILE that another program is using\n"
         "is waited for; --no-lock-wait refuses it at once (exit status 2).\n",
         {"--device", "--simulate"},
         {"--no-lock-wait"},
         0,
         {},
         runDevices},
    };
}

} // namespace vorn::cli
