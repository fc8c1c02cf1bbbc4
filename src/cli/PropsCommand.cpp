// SPDX-License-Identifier: GPL-3.0-or-later
// The props command: the settings of the keyboard and card reader properties dialogs.
#include "cli/Command.h"
#include "cli/PropertySettings.h"
#include "cli/Vornctl.h"
#include "document/KeyboardModels.h"

#include <algorithm>
#include <ostream>

namespace vorn::cli {

namespace {

constexpr std::string_view commandName = "props";

struct Assignment {
    std::string name;
    std::string value;
};

// Every --set NAME=VALUE in order, a later value for the same name in place of the earlier
// one (only the final value is checked); says what is wrong with the first one that is not.
std::optional<std::vector<Assignment>> parseAssignments(const CommandLine& line,
                                                        std::string& error) {
    std::vector<Assignment> assignments;
    for (const std::string& text : line.allValues("--set")) {
        const auto eq = text.find('=');
        if (eq == std::string::npos) {
            error = "--set takes NAME=VALUE";
            return std::nullopt;
        }
        Assignment a{text.substr(0, eq), text.substr(eq + 1)};
        if (!PropertySettings::isKnown(a.name)) {
            error = "unknown setting '" + a.name + "'";
            return std::nullopt;
        }
        const auto earlier = std::ranges::find(assignments, a.name, &Assignment::name);
        if (earlier != assignments.end())
            earlier->value = std::move(a.value);
        else
            assignments.push_back(std::move(a));
    }
    return assignments;
}

int applyAssignments(const std::vector<Assignment>& assignments, PropertySettings& settings, Io& io,
                     int model) {
    for (const Assignment& a : assignments) {
        std::string message;
        switch (settings.set(a.name, a.value, message)) {
        case SetResult::done: break;
        case SetResult::otherGroup:
            io.err << "vornctl: " << a.name << " does not apply to model " << model << '\n';
            return exitRefused;
        case SetResult::refused: io.err << message << '\n'; return exitRefused;
        case SetResult::unknownName:
            return usageError(io, commandName, "unknown setting '" + a.name + "'");
        }
    }
    return exitSuccess;
}

int runProps(const CommandLine& line, Io& io, int model) {
    std::string error;
    const auto assignments = parseAssignments(line, error);
    if (!assignments)
        return usageError(io, commandName, error);
    const auto target = line.value("-o");
    if (!target && !assignments->empty())
        return usageError(io, commandName, "--set needs -o OUT");

    TemplateImage image;
    bool valid = false;
    if (!loadTemplate(io, line.positionals[0], image, valid))
        return exitUsage;
    PropertySettings settings(image, modelGroup(keyboardModel(model).hasCardReader));
    if (!target) {
        for (const auto& [name, value] : settings.list())
            io.out << name << '=' << value << '\n';
        return exitSuccess;
    }
    if (const int status = applyAssignments(*assignments, settings, io, model);
        status != exitSuccess)
        return status;
    settings.store(image);
    return saveImage(io, *target, image) ? exitSuccess : exitUsage;
}

} // namespace

std::vector<Command> propsCommands() {
    return {
        {commandName,
         "print or change a template's keyboard and card reader settings",
         "Usage: vornctl props FILE [--model ID]\n"
         "       vornctl props FILE -o OUT [--model ID] --set NAME=VALUE [--set NAME=VALUE...]\n"
         "Without -o, prints the settings of the keyboard properties and card reader\n"
         "properties dialogs that apply to the model as NAME=VALUE lines. With -o, changes the\n"
         "settings named by --set as the dialogs' OK does, with their checks, and writes OUT,\n"
         "replacing it atomically. A refused value, or a setting the model does not have, is\n"
         "refused with exit status 1 and OUT is not written.\n"
         "Every model: oposJpos, sendBreakCode, beepOnKey, noBeepUndefined, translateSet2,\n"
         "  altNumber, typematicScan, typematicAscii (0 or 1), interCharDelay (1 to 250).\n"
         "Models without a card reader (2017 to 2019): usePort (0 or 1), baudRate (2400, 4800,\n"
         "  9600 or 19200), parity (NONE, EVEN or ODD), bitNumber (7 or 8).\n"
         "Models with a card reader (2013 to 2016): cardPrefix, cardSuffix (texts of up to 4\n"
         "  characters), errorPolicy (skipTrackWithError or noDataWithAnyError), beepGoodRead,\n"
         "  beepReadError, and for N = 1 to 3: trackNData, trackNStart, trackNLrc,\n"
         "  trackNSeparator, trackNEnd (0 or 1), trackNPrefix, trackNSuffix (up to 8\n"
         "  characters), trackNTerminator (1 character).\n"
         "Texts are in the dialog's form, where [CR], [LF], [TB] and [[ stand for CR, LF, TAB\n"
         "and '['; as in dump, a backslash is written \\\\ and other bytes below 0x20 or from\n"
         "0x7F up \\xHH.\n",
         {"-o", "--model", "--set"},
         {},
         1,
         {},
         withModel(runProps, commandName)},
    };
}

} // namespace vorn::cli
