// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CommandLine.h"
#include "document/StreamMessages.h"
#include "image/TemplateImage.h"

#include <functional>
#include <iosfwd>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace vorn::cli {

// The streams a command reads and writes: data to `out`, messages to `err`.
struct Io {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
};

// One vornctl command: its name, help and options, and what it does.
struct Command {
    std::string_view name;
    std::string_view summary;
    std::string_view help;
    std::set<std::string> valueOptions;
    std::set<std::string> flagOptions;
    std::size_t positionals; // exact number of positional arguments
    std::set<std::string> requiredOptions;
    std::function<int(const CommandLine&, Io&)> run;
};

// The model a command works on: --model, else the stored model (2013 when none).
std::optional<int> commandModel(const CommandLine& line);

int usageError(Io& io, std::string_view command, const std::string& message);
// Prints "vornctl: MESSAGE" and returns the file-error status.
int fileError(Io& io, const std::string& message);

// "-" and /dev/stdout, which export -o takes for standard output.
inline bool meansStandardOutput(const std::string& target) {
    return target == "-" || target == "/dev/stdout";
}

// Messages of the lower layers on `err`, as vornctl writes them.
inline StreamMessages messagesOn(std::ostream& err) {
    return StreamMessages(err, "vornctl", StreamMessages::Form::asIs);
}

// Loads a template as the editor's Load does and prints its load-time warning, if any.
// Returns false (after saying why) when the file cannot be read or is too short.
bool loadTemplate(Io& io, const std::string& path, TemplateImage& image, bool& valid);
// Writes the image to `path` atomically; says why when it fails.
bool saveImage(Io& io, const std::string& path, const TemplateImage& image);

// Prints the invalid key text message and the key number.
void reportInvalidKey(Io& io, int key);

// Wraps a command body that needs a model with the --model option's parsing.
std::function<int(const CommandLine&, Io&)>
withModel(std::function<int(const CommandLine&, Io&, int)> body, std::string_view name);

// The commands on template files: new, check, dump, build.
std::vector<Command> templateCommands();
// The commands through the template document: export, import, models, layout.
std::vector<Command> documentCommands();
// The key labels beside a template and their printed sheet: labels, legend.
std::vector<Command> labelCommands();
// The settings of the property dialogs: props.
std::vector<Command> propsCommands();

// The commands on connected keyboards: devices.
std::vector<Command> deviceCommands();
// The transfers between a file and a keyboard: read, write.
std::vector<Command> transferCommands();

} // namespace vorn::cli
