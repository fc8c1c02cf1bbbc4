// The commands that move a template between a file and a keyboard: read, write.
#include "cli/Command.h"
#include "cli/FaultPlan.h"
#include "cli/KeyboardConnection.h"
#include "cli/SteadyTimeSource.h"
#include "cli/TransferConsole.h"
#include "cli/Vornctl.h"
#include "device/DetectionMessage.h"
#include "device/EditingFields.h"
#include "device/TransferController.h"
#include "device/VornDocTransfer.h"
#include "document/SettingsStore.h"
#include "document/VornDoc.h"
#include "image/KeyTextChecks.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <unistd.h>

namespace vorn::cli {

namespace {

enum class Direction { read, write };

struct TransferSettings {
    ConnectionOptions connection;
    bool pace = true;
    ProgressStyle style = ProgressStyle::lines;
    FaultPlan faults;
};

bool errIsTerminal(const Io& io) {
    return &io.err == &std::cerr && ::isatty(STDERR_FILENO) == 1;
}

// Reads the options shared by read and write; the usage error's status when they do not fit.
std::optional<int> readSettings(const CommandLine& line, Io& io, std::string_view command,
                                TransferSettings& settings) {
    const bool simulated = line.value("--simulate").has_value();
    for (const std::string option : {"--no-wait", "--simulate-port", "--fault"})
        if (!simulated && (line.has(option) || line.value(option)))
            return usageError(io, command, option + " needs --simulate");
    const std::string port = line.value("--simulate-port").value_or("usb");
    if (port != "usb" && port != "driver")
        return usageError(io, command, "--simulate-port takes usb or driver");
    std::string error;
    for (const std::string& fault : line.allValues("--fault"))
        if (!settings.faults.add(fault, error))
            return usageError(io, command, error);
    settings.pace = !line.has("--no-wait");
    settings.connection = {settings.pace, port == "driver"};
    if (line.has("--quiet"))
        settings.style = ProgressStyle::none;
    else if (!line.has("--trace") && errIsTerminal(io))
        settings.style = ProgressStyle::bar;
    return std::nullopt;
}

// Says why nothing started where the transfer itself said nothing, or could say more.
void explainNoStart(const TransferController& transfer, KeyboardConnection& connection,
                    bool messageShown, Io& io) {
    if (transfer.portKind() == TransferController::noPort) {
        if (!connection.port().deniedPaths().empty())
            io.err << accessDeniedLine << '\n';
    } else if (!messageShown) {
        io.err << "vornctl: the keyboard did not answer a second time; nothing was "
                  "transferred\n";
    }
}

// Detection and the transfer, ticking until the transfer's timer stops; true when all 64
// packages went through. A completed read leaves the bytes received in the document's image.
bool runTransfer(Direction direction, CVornDoc& doc, TransferConsole& console,
                 KeyboardConnection& connection, const FaultPlan& faults, Io& io) {
    SimulatedKeyboard* simulator = connection.simulator();
    if (simulator)
        faults.applyBeforeDetection(simulator->firmware(), *connection.simulatedDriver());
    VornDocTransfer document(doc);
    EditingFields editing(doc.layout().slotKey()[0]);
    TransferController transfer(connection.port(), connection.kbio(), document, editing, console,
                                console);
    const int messagesBefore = console.messagesShown();
    if (direction == Direction::read)
        transfer.ReadFromKB();
    else
        transfer.WriteIntoKB();
    if (!transfer.transferActive()) {
        explainNoStart(transfer, connection, console.messagesShown() > messagesBefore, io);
        return false;
    }
    if (simulator)
        faults.applyAtTransferStart(simulator->firmware());
    while (const int timer = console.nextTick())
        transfer.OnTimer(timer);
    return transfer.outcome() == TransferOutcome::completed;
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

int runRead(const CommandLine& line, Io& io) {
    TransferSettings settings;
    if (const auto status = readSettings(line, io, "read", settings))
        return *status;
    if (!outputFolderWritable(*line.value("-o"), io))
        return exitUsage;
    SteadyTimeSource time;
    TickPacer pacer(time);
    TransferConsole console(io.err, settings.style, settings.pace ? &pacer : nullptr);
    SettingsStore store;
    CVornDoc doc(store, console);
    KeyboardConnection connection;
    if (!connection.setUp(line, io, settings.connection))
        return exitUsage;
    if (!runTransfer(Direction::read, doc, console, connection, settings.faults, io))
        return exitRefused;
    return saveImage(io, *line.value("-o"), doc.image) ? exitSuccess : exitUsage;
}

int runWrite(const CommandLine& line, Io& io, int model) {
    TransferSettings settings;
    if (const auto status = readSettings(line, io, "write", settings))
        return *status;
    SteadyTimeSource time;
    TickPacer pacer(time);
    TransferConsole console(io.err, settings.style, settings.pace ? &pacer : nullptr);
    SettingsStore store;
    CVornDoc doc(store, console, DocumentPlaces::ofProcess(), model);
    if (!doc.onOpenDocument(line.positionals[0]))
        return exitUsage;
    // The load-time warning says the keyboard would malfunction: a script must notice.
    if (validateImage(doc.image) != ImageCheck::valid && !line.has("--force")) {
        io.err << "vornctl: nothing was written; --force writes the template anyway\n";
        return exitRefused;
    }
    if (const auto key = firstInvalidKeyText(doc.keyText)) {
        reportInvalidKey(io, *key);
        return exitRefused;
    }
    KeyboardConnection connection;
    if (!connection.setUp(line, io, settings.connection))
        return exitUsage;
    if (runTransfer(Direction::write, doc, console, connection, settings.faults, io))
        return exitSuccess;
    // The simulated keyboard refuses packages it cannot keep in MEMFILE: say why.
    if (const SimulatedKeyboard* simulator = connection.simulator();
        simulator && !simulator->saveError().empty())
        return fileError(io, simulator->saveError());
    return exitRefused;
}

constexpr std::string_view simulationHelp =
    "--simulate MEMFILE  use a simulated keyboard whose memory is kept in MEMFILE (a missing\n"
    "                    file starts as a new template of model 2013), connected over USB\n"
    "--simulate-port driver  connect it behind the simulated keyboard driver instead\n"
    "--no-wait           skip the pacing and the protocol's waits (only with --simulate)\n"
    "--quiet             no progress\n"
    "--trace             print every USB feature report on standard error\n"
    "--fault FAULT       make the simulated keyboard misbehave (repeatable, only with\n"
    "                    --simulate); P is a package 0 to 63, K a count:\n"
    "  read-fail:P:K     the first K attempts to read package P fail (with USB the reads of\n"
    "                    package 0 include the detections' probes)\n"
    "  bad-check:P:K     the first K reads of package P arrive with a wrong check byte (USB)\n"
    "  write-fail:P:K    the first K attempts to write package P fail\n"
    "  no-ack:P:K        the first K acknowledgements after writing package P fail (USB)\n"
    "  unplug-after:P    after package P of the transfer every further call fails\n"
    "  no-keyboard       nothing is connected\n"
    "  driver-status:S[:N]  the driver answers its status requests from the Nth (default 1,\n"
    "                    counted over the command) with S: 1 no keyboard, 2 not reachable\n";

std::string readHelp() {
    return "Usage: vornctl read -o OUT [--simulate MEMFILE] [--simulate-port driver] "
           "[--no-wait]\n"
           "                   [--quiet] [--trace] [--fault FAULT]...\n"
           "Looks for the keyboard (USB first, then the keyboard driver), reads its 2048 bytes\n"
           "in 64 packages, one per timer tick, and writes them to OUT atomically. Progress\n"
           "goes to standard error. When the read is aborted the message says why, nothing is\n"
           "written and the exit status is 1.\n\nOptions:\n" +
           std::string(simulationHelp);
}

std::string writeHelp() {
    return "Usage: vornctl write FILE [--model ID] [--simulate MEMFILE] [--simulate-port "
           "driver]\n"
           "                    [--no-wait] [--quiet] [--trace] [--force] [--fault FAULT]...\n"
           "Loads FILE as the editor's Load does, checks all key texts as Save does, encodes\n"
           "them, looks for the keyboard (USB first, then the keyboard driver) and writes the\n"
           "2048 bytes in 64 packages, one per timer tick. Exit status 0 when all packages\n"
           "were written, 1 with the message otherwise (the keyboard keeps the packages\n"
           "written so far).\n\nOptions:\n"
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
         {"-o", "--simulate", "--simulate-port", "--fault"},
         {"--no-wait", "--quiet"},
         0,
         {"-o"},
         runRead},
        {"write",
         "write a template file into a keyboard",
         writeText,
         {"--model", "--simulate", "--simulate-port", "--fault"},
         {"--no-wait", "--quiet", "--force"},
         1,
         {},
         withModel(runWrite, "write")},
    };
}

} // namespace vorn::cli
