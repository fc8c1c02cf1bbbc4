// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/SettingsStore.h"
#include "editor/EditorDialogs.h"
#include "editor/EditorSession.h"
#include "support/RecordedMessages.h"
#include "support/TestFolder.h"

#include <memory>
#include <optional>
#include <string>

namespace vorn::test {

// Answers the editor's dialogs as a test says.
class ScriptedDialogs : public EditorDialogs {
public:
    std::optional<std::string> chooseTemplateToLoad() override { return loadPath; }
    std::optional<std::string> chooseTemplateToSave(const std::string&) override {
        return savePath;
    }
    std::optional<std::string> chooseTextFile(bool exporting) override {
        lastTextExporting = exporting;
        return textPath;
    }
    bool confirmModelSwitch() override {
        ++modelQuestions;
        return confirmModel;
    }
    std::optional<std::string> askKeyLabel(const std::string& caption,
                                           const std::string& label) override {
        labelAsked = {caption, label};
        return keyLabel;
    }

    std::optional<std::string> loadPath;
    std::optional<std::string> savePath;
    std::optional<std::string> textPath;
    bool lastTextExporting = false;
    bool confirmModel = false;
    int modelQuestions = 0;
    std::optional<std::string> keyLabel;
    std::pair<std::string, std::string> labelAsked;
};

// A session on a test folder of its own (settings store included), with recorded messages.
struct SessionFixture {
    TestFolder folder;
    SettingsStore settings;
    RecordedMessages messages;
    ScriptedDialogs dialogs;
    std::unique_ptr<EditorSession> session;

    SessionFixture() { reopen(); }
    void reopen() {
        session = std::make_unique<EditorSession>(settings, messages, dialogs,
                                                  DocumentPlaces{folder.dir().string(), {}});
    }
};

} // namespace vorn::test
