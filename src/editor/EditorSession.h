// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/VornDoc.h"
#include "editor/EditingState.h"
#include "editor/KeySelection.h"
#include "editor/RecentTemplates.h"
#include "editor/UndoHistory.h"
#include "image/TextMark.h"

#include <functional>
#include <optional>
#include <string>

namespace vorn {

class EditorDialogs;
class SettingsStore;
class UserMessages;

// The open template as the editor's commands see it: the document, the view's editing state,
// the file it belongs to and the window title, and the file and model commands with their
// questions. Free of widgets, so tests drive every command.
class EditorSession {
public:
    static constexpr std::string_view applicationTitle =
        VORN_TRANSLATE_NOOP("vorn::EditorSession", "Orvane  Programmable Keyboard");
    static constexpr std::string_view untitled =
        VORN_TRANSLATE_NOOP("vorn::EditorSession", "Untitled");

    EditorSession(SettingsStore& settings, UserMessages& messages, EditorDialogs& dialogs,
                  DocumentPlaces places = DocumentPlaces::ofProcess(),
                  UndoHistory::Clock now = &std::chrono::steady_clock::now);

    CVornDoc& doc() { return doc_; }
    SettingsStore& settings() { return settings_; }
    const CVornDoc& doc() const { return doc_; }
    EditingState& editing() { return editing_; }
    const EditingState& editing() const { return editing_; }
    // Selecting and typing into keys.
    KeySelection& selection() { return selection_; }

    // The document's title, `marker` (a window's modified placeholder, say), " - " and the
    // application's title.
    std::string windowTitle(std::string_view marker = {}) const;
    const std::string& documentTitle() const { return title_; }
    const std::string& path() const { return path_; }

    // Runs at every initial update (start, New, Load): the view detects the keyboard there.
    void setInitialUpdateHook(std::function<void()> hook) { initialUpdateHook_ = std::move(hook); }
    // Runs after every initial and document update (new template, load, model switch, text
    // import, Load Default).
    void setDocumentUpdateHook(std::function<void()> hook) {
        documentUpdateHook_ = std::move(hook);
    }
    // Runs after every document update and title change, so the window can follow.
    void setChangedHook(std::function<void()> hook) { changedHook_ = std::move(hook); }

    // Start-up: the model is switched to first when given (without asking); then the file is
    // loaded, or a new template made. False when the file could not be loaded (the session
    // holds a new template then).
    bool start(const std::optional<std::string>& file, std::optional<int> modelId);

    // The commands. Each returns true when it was carried out.
    bool newDocument();
    bool loadDocument();
    bool loadDocument(const std::string& path);
    bool save();
    bool saveAs();
    bool loadDefault();
    bool importTextData();
    bool importTextData(const std::string& path);
    bool exportTextData();
    // The Recent Templates menu: asks to save a modified template, then loads the file. A file
    // that has gone is taken off the list, with a message naming it.
    bool openRecent(const std::string& path);
    // A file dropped on the window: a text file (".txt") is imported, anything else loaded as
    // a template after the save question.
    bool openDropped(const std::string& path);
    const RecentTemplates& recentTemplates() const { return recent_; }
    // The Keyboard menu: asks to save a modified template, then "Select Keyboard", then
    // switches (also to the current model). The new template belongs to no file.
    bool selectModel(int modelId);
    // Before the template is replaced or closed (Exit, Read From KB): asks to save a modified
    // template; false to leave everything as it is.
    bool saveModified();

    // The question asked before a modified document is replaced or closed.
    std::string saveQuestion() const;

    // Typing and clicks in the view; what they change is a typing step of the selected key.
    Repaint keyDown(const KeyEvent& key);
    Repaint mouseDown(int x, int y);

    // Runs `action` as one undoable step named `name`; a step that changed nothing is not kept.
    void recordStep(std::string name, const std::function<void()>& action);
    // The same for an action that ends later (a read from the keyboard): the template before
    // it, then the step when it has ended.
    struct PendingStep {
        TemplateContent content;
        SessionFile file;
    };
    PendingStep beginStep() const;
    void endStep(const PendingStep& pending, std::string name);

    const UndoHistory& history() const { return history_; }
    // Applies the last step backwards, or the last undone step again, and selects the key it
    // changed with the caret at its end. False when there was none.
    bool undo();
    bool redo();

    // "Key Label": the selected key's label through the dialog, one undoable step. False on
    // Cancel, for an unchanged label and for one that cannot be kept (after a message).
    bool editKeyLabel();
    // The selected key's label becomes `label`, trailing line breaks dropped: one step.
    bool setSelectedKeyLabel(std::string label);
    const std::string& selectedKeyLabel() const;

    // The selected key's text, for the clipboard.
    const std::string& selectedKeyText() const;
    // Inserts at the caret as typing would, as far as the template has room: one step.
    void paste(std::string_view text);

private:
    bool saveTo(const std::string& path);
    const std::string& selectedCaption() const;
    SessionFile file() const { return {path_, title_}; }
    UndoStep stepSince(const PendingStep& pending, std::string name) const;
    void applyStep(const UndoStep& step, TemplateChange::Side side);
    void switchModel(int modelId);
    void initialUpdate();
    void documentUpdate();
    void setTitle(std::string title);

    SettingsStore& settings_;
    UserMessages& messages_;
    EditorDialogs& dialogs_;
    CVornDoc doc_;
    EditingState editing_;
    KeySelection selection_;
    UndoHistory history_;
    RecentTemplates recent_;
    std::string path_;
    std::string title_{untitled};
    std::function<void()> initialUpdateHook_;
    std::function<void()> changedHook_;
    std::function<void()> documentUpdateHook_;
};

} // namespace vorn
