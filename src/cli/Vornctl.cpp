// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Vornctl.h"

#include "cli/Command.h"
#include "document/Files.h"
#include "document/ProgramLicence.h"

#include <algorithm>
#include <ostream>

namespace vorn::cli {

namespace {

// Every command, in the order the help lists them.
const std::vector<Command>& commands() {
    static const std::vector<Command> table = [] {
        std::vector<Command> all;
        for (auto group : {templateCommands, documentCommands, labelCommands, propsCommands,
                           deviceCommands, transferCommands})
            for (Command& c : group())
                all.push_back(std::move(c));
        return all;
    }();
    return table;
}

void printHelp(std::ostream& out) {
    out << "Usage: vornctl COMMAND [ARGS...]\n"
           "Edits, checks and converts Vorn keyboard templates.\n\nCommands:\n";
    for (const Command& c : commands()) {
        out << "  " << c.name << std::string(c.name.size() < 10 ? 10 - c.name.size() : 1, ' ')
            << c.summary << '\n';
    }
    out << "\nCommon options:\n"
           "  --model ID   keyboard model id, 2013 to 2019, for the commands that work on a\n"
           "               template or a layout (default: the stored model or 2013)\n"
           "  --help       explain the command\n"
           "  --trace      print every feature report exchanged with a keyboard on standard\n"
           "               error (may also stand before the command)\n"
           "\nExit status: 0 success, 1 refused or a check failed, 2 usage error or a file\n"
           "that cannot be read or written.\n"
           "Run 'vornctl COMMAND --help' for one command, 'vornctl --version' for the version\n"
           "and the licence.\n";
}

} // namespace

int runVornctl(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
               std::ostream& err) {
    Io io{in, out, err};
    // Global options before the command.
    auto first = args.begin();
    bool trace = false;
    for (; first != args.end() && *first == "--trace"; ++first)
        trace = true;
    if (first == args.end())
        return usageError(io, {}, "no command given");
    if (*first == "--help" || *first == "-h" || *first == "help") {
        printHelp(out);
        return exitSuccess;
    }
    if (*first == "--version" || *first == "version") {
        out << "vornctl " << VORN_VERSION << '\n' << licenceNotice;
        return exitSuccess;
    }
    const auto& table = commands();
    const auto command = std::find_if(table.begin(), table.end(),
                                      [&](const Command& c) { return c.name == *first; });
    if (command == table.end())
        return usageError(io, {}, "unknown command '" + *first + "'");

    const std::span<const std::string> rest(first + 1, args.end());
    auto flags = command->flagOptions;
    flags.insert("--help");
    flags.insert("--trace");
    std::string error;
    auto line = parseCommandLine(rest, command->valueOptions, flags, error);
    if (!line)
        return usageError(io, command->name, error);
    if (trace)
        line->flags.insert("--trace");
    if (line->has("--help")) {
        out << command->help;
        return exitSuccess;
    }
    if (line->positionals.size() != command->positionals)
        return usageError(io, command->name, "wrong number of arguments");
    for (const std::string& option : command->requiredOptions)
        if (!line->value(option))
            return usageError(io, command->name, "missing option " + option);
    // A file written is a regular file: a device, FIFO or folder there is never replaced.
    // (Standard output is written where a command says so; read --all writes into the folder
    // -o names.)
    if (const auto target = line->value("-o"); target && !meansStandardOutput(*target) &&
                                               !line->has("--all") && !isRegularOrMissing(*target))
        return fileError(io, *target + " is not a regular file");
    return command->run(*line, io);
}

} // namespace vorn::cli
