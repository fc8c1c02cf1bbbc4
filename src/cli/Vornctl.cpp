#include "cli/Vornctl.h"

#include "cli/CommandLine.h"
#include "cli/DumpFormat.h"
#include "cli/FileAccess.h"
#include "image/KeyTextChecks.h"
#include "image/KeyTextDecoder.h"
#include "image/KeyTextEncoder.h"
#include "image/TemplateImage.h"

#include <charconv>
#include <functional>
#include <istream>
#include <ostream>

namespace vorn::cli {

namespace {

constexpr int defaultModelId = 2013;

struct Io {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
};

struct Command {
    std::string_view name;
    std::string_view summary;
    std::string_view help;
    std::set<std::string> valueOptions;
    std::set<std::string> flagOptions;
    std::size_t positionals; // exact number of positional arguments
    std::function<int(const CommandLine&, Io&)> run;
};

int usageError(Io& io, std::string_view command, const std::string& message) {
    io.err << "vornctl: " << message << '\n';
    if (command.empty())
        io.err << "Try 'vornctl --help'.\n";
    else
        io.err << "Try 'vornctl " << command << " --help'.\n";
    return exitUsage;
}

int fileError(Io& io, const std::string& message) {
    io.err << "vornctl: " << message << '\n';
    return exitUsage;
}

std::optional<int> parseModel(const CommandLine& line) {
    const auto text = line.value("--model");
    if (!text)
        return defaultModelId;
    int id = 0;
    const char* end = text->data() + text->size();
    const auto [ptr, ec] = std::from_chars(text->data(), end, id);
    if (ec != std::errc() || ptr != end)
        return std::nullopt;
    return id;
}

bool writeImage(Io& io, const std::string& path, const TemplateImage& image) {
    std::string error;
    const std::string_view bytes(reinterpret_cast<const char*>(image.data()), image.size());
    if (writeFileAtomically(path, bytes, error))
        return true;
    io.err << "vornctl: " << error << '\n';
    return false;
}

// Loads a template as the editor's Load does; prints the load-time warning, if any.
bool loadTemplate(Io& io, const std::string& path, TemplateImage& image, bool& valid) {
    std::string error;
    if (!readTemplateFile(path, image, error)) {
        io.err << "vornctl: " << error << '\n';
        return false;
    }
    const ImageCheck check = validateImage(image);
    valid = check == ImageCheck::valid;
    if (!valid)
        io.err << imageCheckMessage(check) << '\n';
    return true;
}

void reportInvalidKey(Io& io, int key) {
    io.err << wrongKeyTextMessage << '\n' << "key " << key << '\n';
}

int runNew(const CommandLine& line, Io& io, int model) {
    return writeImage(io, *line.value("-o"), newTemplateImage(model)) ? exitSuccess : exitUsage;
}

int runCheck(const CommandLine& line, Io& io, int model) {
    TemplateImage image;
    bool valid = false;
    if (!loadTemplate(io, line.positionals[0], image, valid))
        return exitUsage;
    KeyTexts keyText;
    decodeImage(image, model, keyText);
    if (const auto key = firstInvalidKeyText(keyText)) {
        reportInvalidKey(io, *key);
        valid = false;
    }
    return valid ? exitSuccess : exitRefused;
}

int runDump(const CommandLine& line, Io& io, int model) {
    TemplateImage image;
    bool valid = false;
    if (!loadTemplate(io, line.positionals[0], image, valid))
        return exitUsage;
    KeyTexts keyText;
    decodeImage(image, model, keyText);
    for (int key = 0; key < keyNumberCount; ++key)
        io.out << key << '\t' << escapeKeyText(keyText[key]) << '\n';
    return exitSuccess;
}

int runBuild(const CommandLine& line, Io& io, int model) {
    TemplateImage image = newTemplateImage(model);
    if (const auto base = line.value("--base")) {
        bool valid = false;
        if (!loadTemplate(io, *base, image, valid))
            return exitUsage;
    }
    KeyTexts keyText;
    decodeImage(image, model, keyText);

    std::string text;
    for (int number = 1; std::getline(io.in, text); ++number) {
        std::string error;
        const auto parsed = parseDumpLine(text, error);
        if (!parsed)
            return fileError(io, "standard input, line " + std::to_string(number) + ": " + error);
        keyText[parsed->keyNumber] = parsed->keyText;
    }
    if (!line.has("--no-check")) {
        if (const auto key = firstInvalidKeyText(keyText)) {
            reportInvalidKey(io, *key);
            return exitRefused;
        }
    }
    encodeImage(image, keyText, model);
    return writeImage(io, *line.value("-o"), image) ? exitSuccess : exitUsage;
}

// Wraps a command body with the --model option.
std::function<int(const CommandLine&, Io&)> withModel(int (*body)(const CommandLine&, Io&, int),
                                                      std::string_view name) {
    return [body, name](const CommandLine& line, Io& io) {
        const auto model = parseModel(line);
        if (!model)
            return usageError(io, name, "--model takes a model id such as 2013");
        return body(line, io, *model);
    };
}

const std::vector<Command>& commands() {
    static const std::vector<Command> table = {
        {"new",
         "write a new, empty template",
         "Usage: vornctl new -o OUT [--model ID]\n"
         "Writes a new, empty template for the model to OUT.\n",
         {"-o", "--model"},
         {},
         0,
         withModel(runNew, "new")},
        {"check",
         "check a template file",
         "Usage: vornctl check FILE [--model ID]\n"
         "Loads the first 2048 bytes of FILE, prints the load-time warning if any, then checks\n"
         "the key texts of key numbers 0 to 175 decoded under the model. Stops at the first\n"
         "invalid key text and names it with a line 'key N'. Exit status 0 when both checks\n"
         "pass, 1 otherwise.\n",
         {"--model"},
         {},
         1,
         withModel(runCheck, "check")},
        {"dump",
         "print the key texts of a template",
         "Usage: vornctl dump FILE [--model ID]\n"
         "Prints 176 lines, one per key number 0 to 175: the key number, a TAB, the key text.\n"
         "In the key text a backslash is written \\\\ and every byte below 0x20 or from 0x7F\n"
         "up is written \\xHH.\n",
         {"--model"},
         {},
         1,
         withModel(runDump, "dump")},
        {"build",
         "build a template from key texts",
         "Usage: vornctl build -o OUT [--model ID] [--base FILE] [--no-check]\n"
         "Reads lines in the dump format from standard input (any subset of key numbers, a\n"
         "later line for the same key wins), starts from FILE (or a new template) and\n"
         "replaces the listed keys' texts. Then checks all 176 key texts (--no-check skips\n"
         "this), encodes them and writes OUT, replacing it atomically.\n",
         {"-o", "--model", "--base"},
         {"--no-check"},
         0,
         withModel(runBuild, "build")},
    };
    return table;
}

void printHelp(std::ostream& out) {
    out << "Usage: vornctl COMMAND [ARGS...]\n"
           "Edits, checks and converts Vorn keyboard templates.\n\nCommands:\n";
    for (const Command& c : commands()) {
        out << "  " << c.name << std::string(8 - c.name.size(), ' ') << c.summary << '\n';
    }
    out << "\nOptions of every command:\n"
           "  --model ID   keyboard model id, 2013 to 2019 (default 2013)\n"
           "  --help       explain the command\n"
           "\nExit status: 0 success, 1 refused or a check failed, 2 usage error or a file\n"
           "that cannot be read or written.\n"
           "Run 'vornctl COMMAND --help' for one command.\n";
}

bool requiredOptionsPresent(const Command& c, const CommandLine& line, std::string& missing) {
    if (c.valueOptions.count("-o") && !line.value("-o")) {
        missing = "-o OUT";
        return false;
    }
    return true;
}

} // namespace

int runVornctl(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
               std::ostream& err) {
    Io io{in, out, err};
    if (args.empty())
        return usageError(io, {}, "no command given");
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        printHelp(out);
        return exitSuccess;
    }
    const auto& table = commands();
    const auto command = std::find_if(table.begin(), table.end(),
                                      [&](const Command& c) { return c.name == args[0]; });
    if (command == table.end())
        return usageError(io, {}, "unknown command '" + args[0] + "'");

    const std::span<const std::string> rest(args.begin() + 1, args.end());
    auto flags = command->flagOptions;
    flags.insert("--help");
    std::string error;
    const auto line = parseCommandLine(rest, command->valueOptions, flags, error);
    if (!line)
        return usageError(io, command->name, error);
    if (line->has("--help")) {
        out << command->help;
        return exitSuccess;
    }
    if (line->positionals.size() != command->positionals)
        return usageError(io, command->name, "wrong number of arguments");
    if (!requiredOptionsPresent(*command, *line, error))
        return usageError(io, command->name, "missing " + error);
    return command->run(*line, io);
}

} // namespace vorn::cli
