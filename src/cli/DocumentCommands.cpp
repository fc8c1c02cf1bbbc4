// SPDX-License-Identifier: GPL-3.0-or-later
// The commands that go through the template document: export, import, models, layout.
#include "cli/Command.h"
#include "cli/DumpFormat.h"
#include "cli/Vornctl.h"
#include "document/KeyboardModels.h"
#include "document/SettingsStore.h"
#include "document/StreamMessages.h"
#include "document/VornDoc.h"
#include "image/KeyTextChecks.h"
#include "layout/KeyLayout.h"

#include <ostream>

namespace vorn::cli {

namespace {

int exitStatus(FileResult result) {
    switch (result) {
    case FileResult::done: return exitSuccess;
    case FileResult::refused: return exitRefused;
    case FileResult::failed: break;
    }
    return exitUsage;
}

int runExport(const CommandLine& line, Io& io, int model) {
    StreamMessages messages = messagesOn(io.err);
    SettingsStore settings;
    CVornDoc doc(settings, messages, DocumentPlaces::ofProcess(), model);
    if (!doc.onOpenDocument(line.positionals[0]))
        return exitUsage;
    const std::string target = *line.value("-o");
    if (!meansStandardOutput(target))
        return exitStatus(doc.writeTextFile(target));
    const auto contents = doc.textFileContents();
    if (!contents)
        return exitRefused;
    io.out << *contents;
    return exitSuccess;
}

int runImport(const CommandLine& line, Io& io, int model) {
    StreamMessages messages = messagesOn(io.err);
    SettingsStore settings;
    CVornDoc doc(settings, messages, DocumentPlaces::ofProcess(), model);
    if (const auto base = line.value("--base")) {
        if (!doc.onOpenDocument(*base))
            return exitUsage;
    } else {
        doc.onNewDocument();
    }
    switch (doc.readTextRows(line.positionals[0])) {
    case CVornDoc::TextFileRead::failed: return exitUsage;
    case CVornDoc::TextFileRead::wrongRowCount:
        // A script must notice: a short file would replace the missing keys with nothing.
        if (!line.has("--force")) {
            io.err << "vornctl: nothing was written; --force saves the rows read\n";
            return exitRefused;
        }
        break;
    case CVornDoc::TextFileRead::complete: break;
    }
    const FileResult result = doc.onSaveDocument(*line.value("-o"));
    if (const auto key = firstInvalidKeyText(doc.keyText()); key && result == FileResult::refused)
        io.err << "key " << *key << '\n';
    return exitStatus(result);
}

int runModels(const CommandLine&, Io& io) {
    for (const KeyboardModel& m : keyboardModels()) {
        io.out << m.id << '\t' << m.name << '\t' << m.keyCount << '\t'
               << (m.hasCardReader ? "yes" : "no") << '\n';
    }
    return exitSuccess;
}

int runLayout(const CommandLine&, Io& io, int model) {
    const KeyLayout layout(model);
    const KeyLabels labels = defaultKeyLabels(model);
    for (int slot = 0; slot < layout.keyCount(); ++slot) {
        const auto [x, y] = layout.slotPos()[slot];
        const auto [w, h] = layout.slotSize()[slot];
        io.out << slot << '\t' << layout.slotKey()[slot] << '\t' << escapeKeyText(labels[slot])
               << '\t' << x << '\t' << y << '\t' << w << '\t' << h;
        for (const Direction d :
             {Direction::left, Direction::right, Direction::up, Direction::down})
            io.out << '\t' << layout.neighbour(d, slot);
        io.out << '\n';
    }
    return exitSuccess;
}

} // namespace

std::vector<Command> documentCommands() {
    return {
        {"export",
         "write a template's captions and key texts as a text file",
         "Usage: vornctl export FILE -o TXT [--model ID]\n"
         "Loads FILE as the editor's Load does and writes the text form: one line per key cap\n"
         "of the model, caption, comma, key text, CR LF; a backslash or comma inside a field is\n"
         "written with a backslash in front. '-o -' or '-o /dev/stdout' writes to standard\n"
         "output.\n",
         {"-o", "--model"},
         {},
         1,
         {"-o"},
         withModel(runExport, "export")},
        {"import",
         "build a template from a text file",
         "Usage: vornctl import TXT -o OUT [--model ID] [--base FILE] [--force]\n"
         "Starts from FILE (or a new template of the model), reads the captions and key texts\n"
         "of TXT, then saves OUT as the editor's Save does: all key texts are checked, and\n"
         "when they need more room than the template has the save is refused. OUT is replaced\n"
         "atomically. Exit status 1 when the save is refused, or when TXT has not one row per\n"
         "key cap of the model (\"The number of rows in the text file is wrong\"): OUT is then\n"
         "not written, unless --force saves the rows read as the editor keeps them. At most\n"
         "1 MiB of TXT is read: a larger file is refused (exit status 2) and OUT is not\n"
         "written.\n",
         {"-o", "--model", "--base"},
         {"--force"},
         1,
         {"-o"},
         withModel(runImport, "import")},
        {"models",
         "list the keyboard models",
         "Usage: vornctl models\n"
         "Prints one line per model: id, name, key count, card reader (yes or no), separated\n"
         "by TABs.\n",
         {},
         {},
         0,
         {},
         runModels},
        {"layout",
         "print a model's key caps",
         "Usage: vornctl layout [--model ID]\n"
         "Prints one line per key cap (slot 0 to key count - 1) with eleven TAB-separated\n"
         "fields: slot, key number, caption (escaped as in dump), x, y, width, height, and the\n"
         "slots the left, right, up and down arrow keys move to.\n",
         {"--model"},
         {},
         0,
         {},
         withModel(runLayout, "layout")},
    };
}

} // namespace vorn::cli
