// SPDX-License-Identifier: GPL-3.0-or-later
// The commands on template files: new, check, dump, build, diff.
#include "cli/Command.h"
#include "cli/DumpFormat.h"
#include "cli/Vornctl.h"
#include "document/Files.h"
#include "document/StreamMessages.h"
#include "document/TextFileFormat.h"
#include "document/VornDoc.h"
#include "image/KeyTextChecks.h"
#include "image/KeyTextDecoder.h"
#include "image/KeyTextEncoder.h"

#include <array>
#include <cstdio>
#include <iostream>
#include <istream>
#include <optional>
#include <ostream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace vorn::cli {

namespace {

int runNew(const CommandLine& line, Io& io, int model) {
    return saveImage(io, *line.value("-o"), newTemplateImage(model)) ? exitSuccess : exitUsage;
}

// Loads FILE as the editor's Load does and decodes it under the model.
bool loadKeyTexts(const std::string& path, Io& io, int model, KeyTexts& keyText, bool& valid) {
    TemplateImage image;
    if (!loadTemplate(io, path, image, valid))
        return false;
    decodeImage(image, model, keyText);
    return true;
}

int runCheck(const CommandLine& line, Io& io, int model) {
    KeyTexts keyText;
    bool valid = false;
    if (!loadKeyTexts(line.positionals[0], io, model, keyText, valid))
        return exitUsage;
    if (const auto key = firstInvalidKeyText(keyText)) {
        reportInvalidKey(io, *key);
        valid = false;
    }
    return valid ? exitSuccess : exitRefused;
}

int runDump(const CommandLine& line, Io& io, int model) {
    KeyTexts keyText;
    bool valid = false;
    if (!loadKeyTexts(line.positionals[0], io, model, keyText, valid))
        return exitUsage;
    for (int key = 0; key < keyNumberCount; ++key)
        io.out << key << '\t' << escapeKeyText(keyText[key]) << '\n';
    return exitSuccess;
}

// At most 1 MiB of standard input, as import reads of a text file; nothing when it is larger
// or cannot be read, after the message.
std::optional<std::string> readBuildInput(Io& io) {
    struct stat status {};
    if (&io.in == &std::cin && ::fstat(STDIN_FILENO, &status) == 0 && S_ISDIR(status.st_mode)) {
        fileError(io, "standard input: " + fileErrorText(EISDIR));
        return std::nullopt;
    }
    std::string input;
    std::array<char, 65536> chunk;
    while (input.size() <= textFileSizeLimit && io.in) {
        io.in.read(chunk.data(), chunk.size());
        input.append(chunk.data(), static_cast<std::size_t>(io.in.gcount()));
    }
    if (input.size() > textFileSizeLimit) {
        fileError(io, "standard input is larger than " + std::to_string(textFileSizeLimit) +
                          " bytes (1 MiB); nothing is built");
        return std::nullopt;
    }
    return input;
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

    const std::optional<std::string> input = readBuildInput(io);
    if (!input)
        return exitUsage;
    std::istringstream lines(*input);
    std::string text;
    for (int number = 1; std::getline(lines, text); ++number) {
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
    // As the editor's Save: keys are cut for want of room only when the user agrees, and
    // nobody is here to agree.
    if (const int space = keyAreaSpaceLeft(keyText, model); space < 0) {
        StreamMessages messages = messagesOn(io.err);
        if (!messages.askYesNo(overflowQuestion(-space)))
            return exitRefused;
    }
    encodeImage(image, keyText, model);
    return saveImage(io, *line.value("-o"), image) ? exitSuccess : exitUsage;
}

// The keyboard and card reader settings: the bytes after the key area but the block index.
constexpr std::array<std::pair<std::size_t, std::size_t>, 2> settingsRanges{
    {{offsets::track1Prefix, offsets::blockIndex}, {offsets::interCharDelay, imageSize}}};

std::string hexByte(std::uint8_t byte) {
    std::array<char, 3> text{};
    std::snprintf(text.data(), text.size(), "%02x", byte);
    return text.data();
}

// Prints the keys whose texts differ; true when there were any.
bool printKeyDifferences(const KeyTexts& a, const KeyTexts& b, Io& io) {
    bool differ = false;
    for (int key = 0; key < keyNumberCount; ++key) {
        if (a[key] == b[key])
            continue;
        io.out << '-' << key << '\t' << escapeKeyText(a[key]) << '\n';
        io.out << '+' << key << '\t' << escapeKeyText(b[key]) << '\n';
        differ = true;
    }
    return differ;
}

// Prints the settings bytes that differ; true when there were any.
bool printSettingsDifferences(const TemplateImage& a, const TemplateImage& b, Io& io) {
    bool differ = false;
    for (const auto& [begin, end] : settingsRanges) {
        for (std::size_t offset = begin; offset < end; ++offset) {
            if (a[offset] == b[offset])
                continue;
            io.out << offset << '\t' << hexByte(a[offset]) << '\t' << hexByte(b[offset]) << '\n';
            differ = true;
        }
    }
    return differ;
}

int runDiff(const CommandLine& line, Io& io, int model) {
    std::array<TemplateImage, 2> image{};
    std::array<KeyTexts, 2> keyText;
    for (std::size_t i = 0; i < 2; ++i) {
        bool valid = false;
        if (!loadTemplate(io, line.positionals[i], image[i], valid))
            return exitUsage;
        decodeImage(image[i], model, keyText[i]);
    }
    const bool keysDiffer = printKeyDifferences(keyText[0], keyText[1], io);
    const bool settingsDiffer = printSettingsDifferences(image[0], image[1], io);
    return keysDiffer || settingsDiffer ? exitRefused : exitSuccess;
}

} // namespace

std::vector<Command> templateCommands() {
    return {
        {"new",
         "write a new, empty template",
         "Usage: vornctl new -o OUT [--model ID]\n"
         "Writes a new, empty template for the model to OUT.\n",
         {"-o", "--model"},
         {},
         0,
         {"-o"},
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
         {},
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
         {},
         withModel(runDump, "dump")},
        {"build",
         "build a template from key texts",
         "Usage: vornctl build -o OUT [--model ID] [--base FILE] [--no-check]\n"
         "Reads lines in the dump format from standard input (any subset of key numbers, a\n"
         "later line for the same key wins), starts from FILE (or a new template) and\n"
         "replaces the listed keys' texts. Then checks all 176 key texts (--no-check skips\n"
         "this), encodes them and writes OUT, replacing it atomically. At most 1 MiB of\n"
         "standard input is read: a larger input is refused (exit status 2).\n",
         {"-o", "--model", "--base"},
         {"--no-check"},
         0,
         {"-o"},
         withModel(runBuild, "build")},
        {"diff",
         "show how two templates differ",
         "Usage: vornctl diff A B [--model ID]\n"
         "Loads both templates as check does and prints the keys whose texts differ, as dump\n"
         "lines prefixed '-' (A) and '+' (B), then the keyboard and card reader settings bytes\n"
         "that differ, one line each: offset, A's byte, B's byte (two hex digits), separated\n"
         "by TABs. Exit status 0 when the templates are the same, 1 when they differ, 2 when a\n"
         "file cannot be read.\n",
         {"--model"},
         {},
         2,
         {},
         withModel(runDiff, "diff")},
    };
}

} // namespace vorn::cli
