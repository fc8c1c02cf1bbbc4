#include "ui/EditorSession.h"

#include "document/UserMessages.h"
#include "image/KeyTextChecks.h"
#include "ui/EditorDialogs.h"

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
    , doc_(settings, messages, std::move(places)) {}

std::string EditorSession::windowTitle() const {
    return title_ + " - " + std::string(applicationTitle);
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
    doc_.setModifiedFlag(false);
    path_.clear();
    setTitle(std::string(untitled));
    initialUpdate();
    return !file;
}

bool EditorSession::newDocument() {
    if (!saveModified())
        return false;
    doc_.onNewDocument();
    doc_.setModifiedFlag(false);
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
    doc_.setModifiedFlag(false);
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
    if (!dialogs_.confirmModelSwitch())
        return false;
    switchModel(modelId);
    return true;
}

// The modified flag and the file stay; the title becomes the document's.
void EditorSession::switchModel(int modelId) {
    doc_.switchModel(modelId);
    editing_.keyIsAscii.fill(true);
    documentUpdate();
    setTitle(doc_.documentTitle());
}

bool EditorSession::clickKeyAt(int x, int y) {
    const KeyLayout& layout = doc_.layout();
    for (int slot = 0; slot < layout.keyCount(); ++slot) {
        const auto [sx, sy] = layout.slotPos()[slot];
        const auto [w, h] = layout.slotSize()[slot];
        if (x <= sx || x >= sx + w || y <= sy || y >= sy + h)
            continue;
        // The upper part of the VQ keyboards' L-shaped Enter key selects its lower part.
        const bool vqEnter = doc_.modelId() < 2016 || doc_.modelId() > 2019;
        if (vqEnter && slot == 28 && layout.keyCount() > 41)
            slot = 41;
        const int key = layout.slotKey()[slot];
        if (key != editing_.selectedKey)
            editing_.decimalDisplay = false;
        editing_.selectedSlot = slot;
        editing_.selectedKey = key;
        editing_.highlightOnly(slot);
        editing_.caretHome();
        editing_.keyIsAscii[key] = isAsciiText(doc_.keyText[key]);
        return true;
    }
    return false;
}

void EditorSession::initialUpdate() {
    editing_.resetForInitialUpdate(doc_.layout().slotKey()[0]);
    if (initialUpdateHook_)
        initialUpdateHook_();
    if (changedHook_)
        changedHook_();
}

void EditorSession::documentUpdate() {
    editing_.resetForDocumentUpdate(doc_.layout().slotKey()[0]);
    if (changedHook_)
        changedHook_();
}

void EditorSession::setTitle(std::string title) {
    title_ = std::move(title);
    if (changedHook_)
        changedHook_();
}

} // namespace vorn
