// SPDX-License-Identifier: GPL-3.0-or-later
// The commands on key labels: labels, legend.
#include "cli/Command.h"
#include "cli/OffscreenGui.h"
#include "cli/Vornctl.h"
#include "document/Files.h"
#include "document/KeyCapLabels.h"
#include "document/SettingsStore.h"
#include "document/VornDoc.h"
#include "view/LegendSheet.h"

#include <charconv>
#include <filesystem>
#include <ostream>

namespace vorn::cli {

namespace {

// FILE.labels as read, its malformed lines reported and left out; nothing (after the
// message) when it cannot be read.
std::optional<KeyCapLabels> readLabels(Io& io, const std::string& templatePath) {
    const LabelFileRead file = readLabelFile(templatePath);
    const std::string path = labelFilePath(templatePath);
    if (file.error != 0) {
        fileError(io, fileErrorMessage(path, file.error));
        return std::nullopt;
    }
    for (const std::string& problem : file.read.problems)
        io.err << "vornctl: " << path << ", " << problem << '\n';
    return file.read.labels;
}

// The --set and --clear changes onto `labels`; a status other than success after the message.
int applyChanges(const CommandLine& line, Io& io, KeyCapLabels& labels) {
    for (const std::string& assignment : line.allValues("--set")) {
        const auto eq = assignment.find('=');
        const auto key = parseKeyNumber(std::string_view(assignment).substr(0, eq));
        if (eq == std::string::npos || !key)
            return usageError(io, "labels", "--set takes KEY=TEXT, KEY a key number 0 to 175");
        std::string escapeError;
        const auto label = unescapeLabel(std::string_view(assignment).substr(eq + 1), escapeError);
        if (!label)
            return usageError(io, "labels",
                              "key " + std::to_string(*key) +
                                  ": a backslash in TEXT must start \\n or \\\\");
        if (const auto problem = labelProblem(*label)) {
            io.err << "vornctl: key " << *key << ": " << *problem << "; nothing was written\n";
            return exitRefused;
        }
        labels[*key] = *label;
    }
    for (const std::string& text : line.allValues("--clear")) {
        const auto key = parseKeyNumber(text);
        if (!key)
            return usageError(io, "labels", "--clear takes a key number 0 to 175");
        labels[*key].clear();
    }
    return exitSuccess;
}

int runLabels(const CommandLine& line, Io& io) {
    const std::string& path = line.positionals[0];
    std::string bytes;
    if (const int error = readFileStart(path, 1, bytes); error != 0)
        return fileError(io, fileErrorMessage(path, error));
    auto labels = readLabels(io, path);
    if (!labels)
        return exitUsage;
    if (!line.value("--set") && !line.value("--clear")) {
        io.out << formatLabels(*labels);
        return exitSuccess;
    }
    if (const int status = applyChanges(line, io, *labels); status != exitSuccess)
        return status;
    if (const int error = writeLabelFile(path, *labels); error != 0)
        return fileError(io, fileErrorMessage(labelFilePath(path), error));
    return exitSuccess;
}

// The sheet's options from the command line; nothing after the usage message.
std::optional<LegendOptions> legendOptions(const CommandLine& line, Io& io) {
    LegendOptions options;
    options.keyTexts = line.has("--key-texts");
    if (const auto text = line.value("--pitch")) {
        const char* end = text->data() + text->size();
        const auto [ptr, ec] = std::from_chars(text->data(), end, options.pitch);
        if (ec != std::errc() || ptr != end || !(options.pitch >= minLegendPitch) ||
            !(options.pitch <= maxLegendPitch)) {
            usageError(io, "legend", "--pitch takes millimetres from 10 to 30, such as 19.05");
            return std::nullopt;
        }
    }
    if (const auto name = line.value("--paper")) {
        const auto paper = legendPaperNamed(*name);
        if (!paper) {
            usageError(io, "legend", "--paper takes a4, letter or legal");
            return std::nullopt;
        }
        options.paper = *paper;
    }
    return options;
}

int runLegend(const CommandLine& line, Io& io, int model) {
    const auto options = legendOptions(line, io);
    if (!options)
        return exitUsage;
    const std::string& target = line.values.at("-o");
    if (meansStandardOutput(target))
        return usageError(io, "legend", "-o takes the PDF file's name");
    const std::string& path = line.positionals[0];
    StreamMessages messages = messagesOn(io.err);
    SettingsStore settings;
    CVornDoc doc(settings, messages, DocumentPlaces::ofProcess(), model);
    // The labels come with the template, their file's problems reported as the editor does.
    if (!doc.onOpenDocument(path))
        return exitUsage;

    const OffscreenGui gui;
    if (!gui.ready())
        return fileError(io, "no drawing possible in this process");
    const LegendSheet sheet(legendContentOf(doc, std::filesystem::path(path).filename().string()),
                            *options);
    QString error;
    if (!sheet.writePdf(QString::fromStdString(target), error))
        return fileError(io, target + ": " + error.toStdString());
    return exitSuccess;
}

} // namespace

std::vector<Command> labelCommands() {
    return {
        {"labels",
         "print or change the key labels beside a template",
         "Usage: vornctl labels FILE [--set KEY=TEXT]... [--clear KEY]...\n"
         "Prints the key labels kept beside the template FILE in FILE.labels, in that file's\n"
         "format: one line per labelled key, the key number, a TAB and the label, with a line\n"
         "break written \\n and a backslash \\\\. Without FILE.labels the template has no\n"
         "labels. A malformed line is reported with its line number and the rest is read.\n"
         "--set KEY=TEXT labels key KEY (0 to 175) with TEXT, in which \\n is a line break and\n"
         "\\\\ a backslash; --clear KEY removes a key's label and wins over --set. Both may be\n"
         "repeated. A label has at most 3 lines of at most 24 characters and no TAB or other\n"
         "control character: another is refused (exit status 1) and nothing is written.\n"
         "FILE.labels is replaced atomically, or removed when no label is left.\n",
         {"--set", "--clear"},
         {},
         1,
         {},
         runLabels},
        {"legend",
         "write a template's key legends as a PDF sheet",
         "Usage: vornctl legend FILE -o OUT.pdf [--model ID] [--pitch MM]\n"
         "                      [--paper a4|letter|legal] [--key-texts]\n"
         "Writes the legend sheet of the template FILE as a PDF: the model's key caps at true\n"
         "size, each a thin outline to cut along, with its label from FILE.labels centred\n"
         "inside (shrunk to fit down to 5 pt, wrapped at spaces, elided where it still does\n"
         "not fit) and its caption small in the top-left corner. --pitch is the distance in\n"
         "millimetres between the left edges of two neighbouring standard keys, 10 to 30\n"
         "(default 19.05). --paper is a4 (the default), letter or legal, turned as the keys\n"
         "fit best; keys wider or higher than the paper are split over pages at key\n"
         "boundaries, each page named \"2 of 3\" and marked where it joins the next. Every\n"
         "page has a 50 mm ruler: check it before cutting. With --key-texts a key without a\n"
         "label shows its key text as dump shows it. OUT.pdf is replaced atomically.\n",
         {"-o", "--model", "--pitch", "--paper"},
         {"--key-texts"},
         1,
         {"-o"},
         withModel(runLegend, "legend")},
    };
}

} // namespace vorn::cli
