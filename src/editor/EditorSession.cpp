// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/EditorSession.h"

#include "document/KeyCapLabels.h"
#include "document/KeyboardModels.h"
#include "document/Translation.h"
#include "document/UserMessages.h"
#include "editor/CommandTable.h"
#include "editor/EditorDialogs.h"
#include "image/KeyTextChecks.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace vorn {

namespace {

std::string fileNameOf(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

} // namespace

EditorSession::EditorSession(SettingsStore& settings, UserMessages& messages,
                             EditorDialogs& dialogs, DocumentPlaces places, UndoHistory::Clock now)
    : settings_(settings)
    , messages_(messages)
    , dialogs_(dialogs)
    , doc_(settings, messages, std::move(places))
    , selection_(doc_, editing_, messages)
    , history_(std::move(now))
    , recent_(settings) {}

std::string EditorSession::windowTitle(std::string_view marker) const {
    return title_ + std::string(marker) + " - " +
           translateText("vorn::EditorSession", applicationTitle);
}

std::string EditorSession::saveQuestion() const {
    return fillIn(translateText("vorn::Messages", "Save changes to %1?"), {title_});
}

bool EditorSession::start(const std::optional<std::string>& file, std::optional<int> modelId) {
    if (modelId)
        switchModel(*modelId);
    if (file && loadDocument(*file))
        return true;
    doc_.onNewDocument();
    history_.clear();
    path_.clear();
    setTitle(translateText("vorn::EditorSession", untitled));
    initialUpdate();
    return !file;
}

bool EditorSession::newDocument() {
    if (!saveModified())
        return false;
    doc_.onNewDocument();
    history_.clear();
    path_.clear();
    setTitle(translateText("vorn::EditorSession", untitled));
    initialUpdate();
    return true;
}

bool EditorSession::loadDocument() {
    if (!saveModified())
        return false;
    const auto chosen = dialogs_.chooseTemplateToLoad();
    return chosen && loadDocument(*chosen);
}

// A file that cannot be loaded leaves the document, its file and its title as they were.
bool EditorSession::loadDocument(const std::string& path) {
    if (!doc_.onOpenDocument(path))
        return false;
    history_.clear();
    recent_.add(path);
    path_ = path;
    setTitle(fileNameOf(path));
    initialUpdate();
    return true;
}

bool EditorSession::save() {
    if (path_.empty())
        return saveAs();
    return saveTo(path_);
}

// A name typed without an extension gets the templates' own.
bool EditorSession::saveAs() {
    auto chosen = dialogs_.chooseTemplateToSave(path_);
    if (!chosen)
        return false;
    if (!std::filesystem::path(*chosen).has_extension())
        *chosen += ".tpl";
    if (!saveTo(*chosen))
        return false;
    path_ = *chosen;
    setTitle(fileNameOf(*chosen));
    return true;
}

bool EditorSession::saveTo(const std::string& path) {
    if (doc_.onSaveDocument(path) != FileResult::done)
        return false;
    recent_.add(path);
    return true;
}

bool EditorSession::openRecent(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        recent_.remove(path);
        messages_.showMessage(
            fillIn(translateText("vorn::Messages", "The template file: <%1> is no longer there "
                                                   "!!\nIt is taken off the recent templates."),
                   {path}));
        return false;
    }
    return saveModified() && loadDocument(path);
}

bool EditorSession::openDropped(const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    std::ranges::transform(extension, extension.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == ".txt")
        return importTextData(path);
    return saveModified() && loadDocument(path);
}

bool EditorSession::saveModified() {
    if (!doc_.isModified())
        return true;
    switch (messages_.askYesNoCancel(saveQuestion())) {
    case SaveAnswer::yes: return save();
    case SaveAnswer::no: return true;
    case SaveAnswer::cancel: return false;
    }
    return false;
}

bool EditorSession::loadDefault() {
    bool loaded = false;
    recordStep(commandName(commandIds::loadDefault), [&] { loaded = doc_.loadDefault(); });
    if (loaded)
        documentUpdate();
    return loaded;
}

bool EditorSession::importTextData() {
    const auto chosen = dialogs_.chooseTextFile(false);
    return chosen && importTextData(*chosen);
}

bool EditorSession::importTextData(const std::string& path) {
    bool imported = false;
    recordStep(commandName(commandIds::importText), [&] {
        imported = doc_.importTextData(path);
        if (imported)
            title_ = doc_.documentTitle();
    });
    if (!imported)
        return false;
    documentUpdate();
    setTitle(doc_.documentTitle());
    return true;
}

bool EditorSession::exportTextData() {
    const auto chosen = dialogs_.chooseTextFile(true);
    if (!chosen || doc_.exportTextData(*chosen) != FileResult::done)
        return false;
    setTitle(doc_.documentTitle());
    return true;
}

bool EditorSession::selectModel(int modelId) {
    if (!saveModified() || !dialogs_.confirmModelSwitch())
        return false;
    recordStep(
        fillIn(translateText("vorn::EditorSession", "Switch to %1"), {keyboardModel(modelId).name}),
        [&] { switchModel(modelId); });
    return true;
}

// The emptied template is tied to no file, so Save never replaces the user's file with it;
// the title becomes the document's.
void EditorSession::switchModel(int modelId) {
    doc_.switchModel(modelId);
    path_.clear();
    editing_.keyIsAscii.fill(true);
    documentUpdate();
    setTitle(doc_.documentTitle());
}

Repaint EditorSession::keyDown(const KeyEvent& key) {
    const int typedKey = editing_.selectedKey;
    const std::string caption = selectedCaption();
    const PendingStep pending = beginStep();
    const Repaint repaint = selection_.keyDown(key);
    UndoStep step =
        stepSince(pending, fillIn(translateText("vorn::EditorSession", "Typing in %1"), {caption}));
    if (!step.change.empty())
        history_.pushTyping(std::move(step), typedKey);
    if (editing_.selectedKey != typedKey)
        history_.endTypingRun();
    return repaint;
}

Repaint EditorSession::mouseDown(int x, int y) {
    const int key = editing_.selectedKey;
    const Repaint repaint = selection_.mouseDown(x, y);
    if (editing_.selectedKey != key)
        history_.endTypingRun();
    return repaint;
}

void EditorSession::recordStep(std::string name, const std::function<void()>& action) {
    const PendingStep pending = beginStep();
    action();
    endStep(pending, std::move(name));
}

EditorSession::PendingStep EditorSession::beginStep() const {
    return {doc_.content(), file()};
}

void EditorSession::endStep(const PendingStep& pending, std::string name) {
    UndoStep step = stepSince(pending, std::move(name));
    if (step.change.empty())
        history_.endTypingRun();
    else
        history_.push(std::move(step));
}

UndoStep EditorSession::stepSince(const PendingStep& pending, std::string name) const {
    return {std::move(name), TemplateChange::between(pending.content, doc_.content()), pending.file,
            file()};
}

bool EditorSession::undo() {
    const UndoStep* step = history_.undo();
    if (step)
        applyStep(*step, TemplateChange::Side::before);
    return step;
}

bool EditorSession::redo() {
    const UndoStep* step = history_.redo();
    if (step)
        applyStep(*step, TemplateChange::Side::after);
    return step;
}

// A model switch, an import or Load Default resets the view as they did; then the key the
// step changed is shown.
void EditorSession::applyStep(const UndoStep& step, TemplateChange::Side side) {
    doc_.applyChange(step.change, side);
    // The file and title go back only where the step changed them: a save since then keeps
    // the template's file.
    const SessionFile& to = side == TemplateChange::Side::before ? step.before : step.after;
    if (step.before.path != step.after.path)
        path_ = to.path;
    if (step.change.model()) {
        editing_.keyIsAscii.fill(true);
        documentUpdate();
    }
    if (const auto key = step.change.firstKey())
        selection_.showKey(*key);
    setTitle(step.before.title != step.after.title ? to.title : title_);
}

const std::string& EditorSession::selectedKeyText() const {
    return doc_.keyText()[static_cast<std::size_t>(editing_.selectedKey)];
}

bool EditorSession::editKeyLabel() {
    const std::optional<std::string> label =
        dialogs_.askKeyLabel(selectedCaption(), selectedKeyLabel());
    return label && setSelectedKeyLabel(*label);
}

bool EditorSession::setSelectedKeyLabel(std::string typed) {
    const std::string label = keptLabel(std::move(typed));
    if (const auto problem = labelProblem(label)) {
        messages_.showMessage(
            fillIn(translateText("vorn::Messages", "This label cannot be kept: %1."), {*problem}));
        return false;
    }
    if (label == selectedKeyLabel())
        return false;
    recordStep(fillIn(translateText("vorn::EditorSession", "Label of %1"), {selectedCaption()}),
               [&] { doc_.setCapLabel(editing_.selectedKey, label); });
    return true;
}

const std::string& EditorSession::selectedCaption() const {
    return doc_.keyLabel()[static_cast<std::size_t>(editing_.selectedSlot)];
}

const std::string& EditorSession::selectedKeyLabel() const {
    return doc_.capLabel()[static_cast<std::size_t>(editing_.selectedKey)];
}

void EditorSession::paste(std::string_view text) {
    recordStep(commandName(commandIds::pasteKey), [&] { selection_.paste(text); });
}

void EditorSession::initialUpdate() {
    selection_.initialUpdate([this] {
        if (initialUpdateHook_)
            initialUpdateHook_();
    });
    if (documentUpdateHook_)
        documentUpdateHook_();
    if (changedHook_)
        changedHook_();
}

void EditorSession::documentUpdate() {
    selection_.documentUpdated();
    if (documentUpdateHook_)
        documentUpdateHook_();
    if (changedHook_)
        changedHook_();
}

void EditorSession::setTitle(std::string title) {
    title_ = std::move(title);
    if (changedHook_)
        changedHook_();
}

} // namespace vorn
