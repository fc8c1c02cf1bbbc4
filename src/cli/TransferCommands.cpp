// SPDX-License-Identifier: GPL-3.0-or-later
// The commands that move a template between a file and a keyboard: read, write.
#include "cli/AllKeyboards.h"
#include "cli/Command.h"
#include "cli/KeyboardOptions.h"
#include "cli/KeyboardTransfer.h"
#include "cli/TransferConsole.h"
#include "cli/Vornctl.h"
#include "device/SystemClock.h"
#include "document/SettingsStore.h"
#include "document/StreamMessages.h"
#include "document/VornDoc.h"
#include "image/KeyTextChecks.h"
#include "simulator/FaultPlan.h"
#include "transfer/DetectionMessage.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <unistd.h>

namespace vorn::cli {

namespace {

using Direction = KeyboardTransfer::Direction;

struct TransferSettings {
    KeyboardChoice keyboards;
    bool pace = true;
    ProgressStyle style = ProgressStyle::lines;
};

bool errIsTerminal(const Io& io) {
    return &io.err == &std::cerr && ::isatty(STDERR_FILENO) == 1;
}

// Reads the options shared by read and write; the usage error's status when they do not fit.
std::optional<int> readSettings(const CommandLine& line, Io& io, std::string_view command,
                                TransferSettings& settings) {
    const std::size_t simulated = line.allValues("--simulate").size();
    for (const std::string option : {"--no-wait", "--no-lock-wait", "--simulate-port", "--fault"})
        if (simulated == 0 && (line.has(option) || line.value(option)))
            return usageError(io, command, option + " needs --simulate");
    const std::string port = line.value("--simulate-port").value_or("usb");
    if (port != "usb" && port != "driver")
        return usageError(io, command, "--simulate-port takes usb or driver");
    if (line.has("--all") && line.value("--device"))
        return usageError(io, command, "--all and --device cannot be given together");
    if (port == "driver" && (simulated > 1 || line.has("--all") || line.value("--device")))
        return usageError(io, command,
                          "--simulate-port driver takes one --simulate and neither --all nor "
                          "--device, which reach keyboards over USB");
    std::vector<FaultPlan> faults(std::max<std::size_t>(simulated, 1)); // one per keyboard
    std::string error;
    for (const std::string& fault : line.allValues("--fault"))
        if (!addFaultOption(fault, faults, error))
            return usageError(io, command, error);
    settings.pace = !line.has("--no-wait");
    settings.keyboards = keyboardChoice(line, {.driverPort = port == "driver",
                                               .simulatedWaits = settings.pace,
                                               .faults = std::move(faults)});
    if (line.has("--quiet"))
        settings.style = ProgressStyle::none;
    else if (!line.has("--trace") && errIsTerminal(io))
        settings.style = ProgressStyle::bar;
    return std::nullopt;
}

// A read learns before it starts, not after 16 seconds, that OUT's folder takes no files.
bool outputFolderWritable(const std::string& path, Io& io) {
    std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (folder.empty())
        folder = ".";
    if (::access(folder.c_str(), W_OK) == 0)
        return true;
    fileError(io, path + ": " + std::strerror(errno));
    return false;
}

// DIR of read --all, made when missing; false, after saying why, when it takes no files.
bool outputDirectoryReady(const std::string& dir, Io& io) {
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    if (!error && std::filesystem::is_directory(dir, error) && ::access(dir.c_str(), W_OK) == 0)
        return true;
    fileError(io, dir + ": " + (error ? error.message() : std::strerror(errno ? errno : ENOTDIR)));
    return false;
}

// The interfaces with the keyboard's identity, in the order the system lists them.
struct KeyboardPaths {
    std::vector<std::string> openable;
    bool anyDenied = false; // one may not be opened for lack of permission
};

KeyboardPaths keyboardPaths(KeyboardTransports& connection) {
    KeyboardPaths paths;
    if (const auto interfaces = connection.usb().listKeyboardInterfaces())
        for (const KeyboardInterface& i : *interfaces) {
            if (i.accessDenied)
                paths.anyDenied = true;
            else
                paths.openable.push_back(i.info.path);
        }
    return paths;
}

// The file read --all writes keyboard k (from 1) into: "K-PATH.tpl", every byte of PATH but
// letters, digits, '.', '-' and '_' made '_', leading ones dropped.
std::string keyboardFileName(std::size_t k, const std::string& path) {
    std::string safe;
    for (const char c : path) {
        const bool plain =
            std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '.' || c == '-' || c == '_';
        if (plain || !safe.empty())
            safe += plain ? c : '_';
    }
    return std::to_string(k) + "-" + (safe.empty() ? "keyboard" : safe) + ".tpl";
}

// One keyboard's line: "PATH<TAB>ok[ verified][<TAB>FILE]" or "PATH<TAB>failed<TAB>MESSAGE".
// A completed read is saved as FILE in DIR first. The exit status the keyboard asks for.
int reportOutcome(const KeyboardOutcome& outcome, std::size_t k, Direction direction,
                  const CommandLine& line, Io& io) {
    if (!outcome.ok) {
        io.out << outcome.path << "\tfailed\t" << outcome.message << '\n';
        return exitRefused;
    }
    std::string file;
    if (direction == Direction::read) {
        file = (std::filesystem::path(*line.value("-o")) / keyboardFileName(k + 1, outcome.path))
                   .string();
        std::ostringstream why;
        Io quiet{io.in, why, why};
        if (!saveImage(quiet, file, outcome.image)) {
            io.out << outcome.path << "\tfailed\t" << joinedLines(why.str()) << '\n';
            return exitUsage;
        }
    }
    io.out << outcome.path << "\tok" << (outcome.verified ? " verified" : "")
           << (file.empty() ? "" : "\t" + file) << '\n';
    return exitSuccess;
}

// Transfers to every keyboard that answers at once and lists how each ended; the exit status
// (a file error before a failed transfer).
int transferAll(Direction direction, const CommandLine& line, Io& io,
                const TransferSettings& settings, const CVornDoc& doc) {
    KeyboardTransports connection;
    if (!connectKeyboards(connection, settings.keyboards, line, io))
        return exitUsage;
    const AllKeyboardsRequest request{direction, line.has("--verify"), settings.pace,
                                      line.has("--trace"), settings.style};
    const KeyboardPaths paths = keyboardPaths(connection);
    const std::vector<KeyboardOutcome> outcomes =
        transferToAll(connection, paths.openable, doc, request, io);
    int status = exitSuccess;
    bool anyAnswered = false;
    for (std::size_t k = 0; k < outcomes.size(); ++k) {
        if (!outcomes[k].answered)
            continue; // not a keyboard that answers
        anyAnswered = true;
        const int keyboardStatus = reportOutcome(outcomes[k], k, direction, line, io);
        if (keyboardStatus == exitUsage || status == exitSuccess)
            status = keyboardStatus;
    }
    if (!anyAnswered) {
        io.err << detectionFailureMessage(paths.anyDenied) << '\n';
        return exitRefused;
    }
    return status;
}

int runRead(const CommandLine& line, Io& io) {
    TransferSettings settings;
    if (const auto status = readSettings(line, io, "read", settings))
        return *status;
    if (line.has("--all")) {
        if (!outputDirectoryReady(*line.value("-o"), io))
            return exitUsage;
        SettingsStore store;
        StreamMessages messages = messagesOn(io.err);
        const CVornDoc doc(store, messages);
        return transferAll(Direction::read, line, io, settings, doc);
    }
    if (!outputFolderWritable(*line.value("-o"), io))
        return exitUsage;
    SystemClock time;
    TickPacer pacer(time);
    TransferConsole console(io.err, settings.style, settings.pace ? &pacer : nullptr);
    SettingsStore store;
    CVornDoc doc(store, console);
    KeyboardTransports connection;
    if (!connectKeyboards(connection, settings.keyboards, line, io))
        return exitUsage;
    KeyboardTransfer transfer(connection, console);
    if (!transfer.run(Direction::read, doc))
        return exitRefused;
    return saveImage(io, *line.value("-o"), doc.image()) ? exitSuccess : exitUsage;
}

int runWrite(const CommandLine& line, Io& io, int model) {
    TransferSettings settings;
    if (const auto status = readSettings(line, io, "write", settings))
        return *status;
    SystemClock time;
    TickPacer pacer(time);
    TransferConsole console(io.err, settings.style, settings.pace ? &pacer : nullptr);
    SettingsStore store;
    CVornDoc doc(store, console, DocumentPlaces::ofProcess(), model);
    if (!doc.onOpenDocument(line.positionals[0]))
        return exitUsage;
    // The load-time warning says the keyboard would malfunction: a script must notice.
    if (validateImage(doc.image()) != ImageCheck::valid && !line.has("--force")) {
        io.err << "vornctl: nothing was written; --force writes the template anyway\n";
        return exitRefused;
    }
    if (const auto key = firstInvalidKeyText(doc.keyText())) {
        reportInvalidKey(io, *key);
        return exitRefused;
    }
    if (line.has("--all"))
        return transferAll(Direction::write, line, io, settings, doc);
    KeyboardTransports connection;
    if (!connectKeyboards(connection, settings.keyboards, line, io))
        return exitUsage;
    KeyboardTransfer transfer(connection, console);
    if (!transfer.run(Direction::write, doc)) {
        // The simulated keyboard refuses packages it cannot keep in MEMFILE: say why.
        if (const std::string lost = connection.simulatorFileError(); !lost.empty())
            return fileError(io, lost);
        return exitRefused;
    }
    if (line.has("--verify")) {
        if (!transfer.verify(doc))
            return exitRefused;
        io.err << "verified\n";
    }
    return exitSuccess;
}

constexpr std::string_view keyboardHelp =
    "--device PATH       use only the HID interface at PATH (as 'vornctl devices' prints\n"
    "                    it): no search of others, no keyboard driver\n";

constexpr std::string_view simulationHelp =
    "--simulate MEMFILE  use a simulated keyboard whose memory is kept in MEMFILE (a missing\n"
    "                    file starts as a new template of model 2013), connected over USB;\n"
    "                    repeatable: each MEMFILE is one keyboard, sim:hidraw0, sim:hidraw1...\n"
    "--simulate-port driver  connect it behind the simulated keyboard driver instead\n"
    "--no-wait           skip the pacing and the protocol's waits (only with --simulate)\n"
    "--no-lock-wait      refuse at once (exit status 2) a MEMFILE that another program is\n"
    "                    using; without it the command waits for it (only with --simulate)\n"
    "--quiet             no progress\n"
    "--trace             print every USB feature report on standard error\n"
    "--fault FAULT       make the simulated keyboards misbehave (repeatable, only with\n"
    "                    --simulate); N=FAULT only the Nth (from 1); P is a package 0 to 63,\n"
    "                    K a count:\n"
    "  read-fail:P:K     the first K attempts to read package P fail (with USB the reads of\n"
    "                    package 0 include the detections' probes)\n"
    "  bad-check:P:K     the first K reads of package P arrive with a wrong check byte (USB)\n"
    "  write-fail:P:K    the first K attempts to write package P fail\n"
    "  no-ack:P:K        the first K acknowledgements after writing package P fail (USB)\n"
    "  keep-wrong:P      package P is taken and acknowledged, but kept with other bytes\n"
    "  unplug-after:P    after package P of the transfer every further call fails\n"
    "  no-keyboard       nothing is connected\n"
    "  driver-status:S[:N]  the driver answers its status requests from the Nth (default 1,\n"
    "                    counted over the command) with S: 1 no keyboard, 2 not reachable\n";

std::string readHelp() {
    return "Usage: vornctl read -o OUT [--device PATH] [--simulate MEMFILE]... "
           "[--simulate-port driver]\n"
           "                   [--no-wait] [--no-lock-wait] [--quiet] [--trace] [--fault "
           "FAULT]...\n"
           "       vornctl read --all -o DIR [--simulate MEMFILE]... [--no-wait] "
           "[--no-lock-wait]\n"
           "                   [--quiet] [--trace] [--fault FAULT]...\n"
           "Looks for the keyboard (USB first, then the keyboard driver), reads its 2048 bytes\n"
           "in 64 packages, one per timer tick, and writes them to OUT atomically. Progress\n"
           "goes to standard error. When the read is aborted the message says why, nothing is\n"
           "written and the exit status is 1.\n"
           "With --all every keyboard that answers over USB is read at the same time, each into\n"
           "DIR/N-PATH.tpl (N its place, PATH made safe for a file name); one line per keyboard\n"
           "on standard output: PATH<TAB>ok<TAB>FILE or PATH<TAB>failed<TAB>MESSAGE. Exit\n"
           "status 0 when all were read, 1 when one failed.\n\nOptions:\n" +
           std::string(keyboardHelp) + std::string(simulationHelp);
}

std::string writeHelp() {
    return "Usage: vornctl write FILE [--model ID] [--device PATH | --all] [--verify]\n"
           "                    [--simulate MEMFILE]... [--simulate-port driver] [--no-wait]\n"
           "                    [--no-lock-wait] [--quiet] [--trace] [--force] "
           "[--fault FAULT]...\n"
           "Loads FILE as the editor's Load does, checks all key texts as Save does, encodes\n"
           "them, looks for the keyboard (USB first, then the keyboard driver) and writes the\n"
           "2048 bytes in 64 packages, one per timer tick. Exit status 0 when all packages\n"
           "were written, 1 with the message otherwise (the keyboard keeps the packages\n"
           "written so far).\n\nOptions:\n" +
           std::string(keyboardHelp) +
           "--all               write every keyboard that answers over USB at the same time;\n"
           "                    one line per keyboard on standard output: PATH<TAB>ok or\n"
           "                    PATH<TAB>failed<TAB>MESSAGE; exit status 1 when one failed\n"
           "--verify            read the keyboard back after the write and compare; 'verified'\n"
           "                    on standard error (with --all: 'ok verified') when it holds\n"
           "                    what was written\n"
           "--force             write a template that fails the load-time check (corrupted,\n"
           "                    or the key number is wrong); without it that is refused\n" +
           std::string(simulationHelp);
}

} // namespace

std::vector<Command> transferCommands() {
    static const std::string readText = readHelp();
    static const std::string writeText = writeHelp();
    return {
        {"read",
         "read a keyboard's template into a file",
         readText,
         {"-o", "--device", "--simulate", "--simulate-port", "--fault"},
         {"--all", "--no-wait", "--no-lock-wait", "--quiet"},
         0,
         {"-o"},
         runRead},
        {"write",
         "write a template file into a keyboard",
         writeText,
         {"--model", "--device", "--simulate", "--simulate-port", "--fault"},
         {"--all", "--verify", "--no-wait", "--no-lock-wait", "--quiet", "--force"},
         1,
         {},
         withModel(runWrite, "write")},
    };
}

} // namespace vorn::cli
