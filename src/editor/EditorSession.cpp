// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/EditorSession.h"

#include "document/UserMessages.h"
#include "editor/EditorDialogs.h"
#include "image/KeyTextChecks.h"

#include <filesystem>

namespace vorn {

namespace {

std::string fileNameOf(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

} // namespace

EditorSession::EditorSession(SettingsStore& settings, UserMessages& messages,
                             EditorDialogs& dialogs, DocumentPlaces places)
    : messages_(messages)
    , dialogs_(dialogs)
    , doc_(settings, messages, std::move(places))
    , selection_(doc_, editing_, messages) {}

std::string EditorSession::windowTitle(std::string_view marker) const {
    return title_ + std::string(marker) + " - " + std::string(applicationTitle);
}

std::string EditorSession::saveQuestion() const {
    return "Save changes to " + title_ + "?";
}

bool EditorSession::start(const std::optional<std::string>& file, std::optional<int> modelId) {
    if (modelId)
        switchModel(*modelId);
    if (file && loadDocument(*file))
        return true;
    doc_.onNewDocument();
    path_.clear();
    setTitle(std::string(untitled));
    initialUpdate();
    return !file;
}

bool EditorSession::newDocument() {
    if (!saveModified())
        return false;
    doc_.onNewDocument();
    path_.clear();
    setTitle(std::string(untitled));
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

bool EditorSession::saveAs() {
    const auto chosen = dialogs_.chooseTemplateToSave(path_);
    if (!chosen || !saveTo(*chosen))
        return false;
    path_ = *chosen;
    setTitle(fileNameOf(*chosen));
    return true;
}

bool EditorSession::saveTo(const std::string& path) {
    return doc_.onSaveDocument(path) == FileResult::done;
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
    if (!doc_.loadDefault())
        return false;
    documentUpdate();
    return true;
}

bool EditorSession::importTextData() {
    const auto chosen = dialogs_.chooseTextFile(false);
    if (!chosen || !doc_.importTextData(*chosen))
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
    switchModel(modelId);
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
