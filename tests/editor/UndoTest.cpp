// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/CommandTable.h"
#include "editor/KeyEditCommands.h"
#include "editor/KeyEditDialogs.h"
#include "editor/VirtualKeys.h"
#include "support/EditorFixture.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace vorn::test {
namespace {

using namespace std::chrono_literals;

KeyEvent letter(char c) {
    static constexpr std::pair<char, int> scanCodes[] = {
        {'a', 30}, {'b', 48}, {'c', 46}, {'d', 32}, {'e', 18}};
    KeyEvent key;
    for (const auto& [name, code] : scanCodes)
        if (name == c)
            key.scanCode = code;
    key.virtualKey = usVirtualKey(key.scanCode, false, true);
    return key;
}

KeyEvent cursorKey(int scanCode) {
    KeyEvent key;
    key.scanCode = scanCode;
    key.extended = true;
    key.virtualKey = usVirtualKey(scanCode, true, true);
    return key;
}

class NoKeyEditDialogs : public KeyEditDialogs {
public:
    std::optional<int> askDelayTime() override { return std::nullopt; }
    std::optional<int> askShiftLevel() override { return std::nullopt; }
    std::optional<int> askAsciiCode() override { return std::nullopt; }
    std::optional<std::string> askScanCode() override { return std::nullopt; }
};

// A session whose clock the test moves, with the view's Key Edit commands.
struct UndoFixture {
    TestFolder folder;
    SettingsStore settings;
    RecordedMessages messages;
    ScriptedDialogs dialogs;
    std::chrono::steady_clock::time_point now{};
    EditorSession session{settings, messages, dialogs, DocumentPlaces{folder.dir().string(), {}},
                          [this] { return now; }};
    NoKeyEditDialogs keyEditDialogs;
    KeyEditCommands keyEdit{session.doc(), session.editing(), messages, keyEditDialogs};

    UndoFixture() { session.start(std::nullopt, 2014); }

    void type(std::string_view text) {
        for (const char c : text) {
            session.keyDown(letter(c));
            now += 100ms;
        }
    }
    void command(int id) {
        session.recordStep(commandName(id), [&] { keyEdit.run(id); });
    }
    int selectedKey() const { return session.editing().selectedKey; }
    const std::string& text(int key) const { return session.doc().keyText()[key]; }
    std::string undoName() const {
        const UndoStep* step = session.history().nextUndo();
        return step ? step->name : "";
    }
};

TEST(Undo, TypingRunsEndAtAPauseOrWhenTheKeyIsLeft) {
    UndoFixture f;
    const int first = f.selectedKey();
    f.type("ab");
    f.now += 2s;
    f.type("c");
    EXPECT_EQ(f.text(first), "abc");
    EXPECT_EQ(f.undoName(), "Typing in " + f.session.doc().keyLabel()[0]);

    f.session.keyDown(cursorKey(80)); // Down: another key
    const int second = f.selectedKey();
    ASSERT_NE(second, first);
    f.type("d");
    EXPECT_EQ(f.session.history().size(), 3u);

    ASSERT_TRUE(f.session.undo());
    EXPECT_EQ(f.text(second), "");
    ASSERT_TRUE(f.session.undo());
    EXPECT_EQ(f.text(first), "ab");
    // Undo shows the key it changed, the caret at the text's end.
    EXPECT_EQ(f.selectedKey(), first);
    EXPECT_EQ(f.session.editing().caretIndex, 2);
    EXPECT_TRUE(f.session.doc().isModified());
    ASSERT_TRUE(f.session.undo());
    EXPECT_EQ(f.text(first), "");
    EXPECT_FALSE(f.session.doc().isModified()); // back to the state it was made in
    EXPECT_FALSE(f.session.undo());

    ASSERT_TRUE(f.session.redo());
    ASSERT_TRUE(f.session.redo());
    ASSERT_TRUE(f.session.redo());
    EXPECT_EQ(f.text(first), "abc");
    EXPECT_EQ(f.text(second), "d");
    EXPECT_FALSE(f.session.redo());

    // A new step after an undo drops what could be redone.
    f.session.undo();
    f.type("e");
    EXPECT_EQ(f.session.history().nextRedo(), nullptr);
}

// Each kind of step: undo gives back the template exactly as before it, redo as after it.
TEST(Undo, EveryKindOfStepGoesBackAndForthExactly) {
    UndoFixture f;
    const std::string textFile = f.folder.path("shop.txt");
    f.dialogs.textPath = textFile;
    f.type("abc");
    ASSERT_TRUE(f.session.exportTextData());
    std::filesystem::copy_file(textFile,
                               f.folder.path(std::string(keyboardModel(2011).defaultTextFile)));
    f.dialogs.confirmModel = true;
    f.messages.saveAnswer = SaveAnswer::no;

    const struct {
        std::string name;
        std::function<void()> action;
    } steps[] = {
        {"Label of " + f.session.doc().keyLabel()[0],
         [&] {
             f.dialogs.keyLabel = "Flat white\n2 shots";
             f.session.editKeyLabel();
         }},
        {"Clear Current Key", [&] { f.command(commandIds::clearKey); }},
        {"Config KB Properties",
         [&] {
             f.session.recordStep("Config KB Properties", [&] {
                 auto properties =
                     KeyboardProperties::load(f.session.doc().image(), ModelGroup::cardReader, 0);
                 properties.beepOnKey = !properties.beepOnKey;
                 f.session.doc().storeKeyboardProperties(properties);
             });
         }},
        {"Import Text Data", [&] { f.session.importTextData(); }},
        {"Switch to " + std::string(keyboardModel(2011).name),
         [&] { f.session.selectModel(2011); }},
        {"Load Default", [&] { f.session.loadDefault(); }},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        f.now += 3s;
        const TemplateContent before = f.session.doc().content();
        const std::string title = f.session.documentTitle();
        const std::string path = f.session.path();
        step.action();
        ASSERT_EQ(f.undoName(), step.name);
        const TemplateContent after = f.session.doc().content();
        const std::string titleAfter = f.session.documentTitle();

        ASSERT_TRUE(f.session.undo());
        const TemplateContent undone = f.session.doc().content();
        EXPECT_EQ(undone.modelId, before.modelId);
        EXPECT_EQ(undone.keyText, before.keyText);
        EXPECT_EQ(undone.keyLabel, before.keyLabel);
        EXPECT_EQ(undone.capLabel, before.capLabel);
        EXPECT_EQ(undone.image, before.image);
        EXPECT_EQ(f.session.documentTitle(), title);
        EXPECT_EQ(f.session.path(), path);
        EXPECT_EQ(f.session.doc().keyCount(), keyboardModel(before.modelId).keyCount);

        ASSERT_TRUE(f.session.redo());
        const TemplateContent redone = f.session.doc().content();
        EXPECT_EQ(redone.modelId, after.modelId);
        EXPECT_EQ(redone.keyText, after.keyText);
        EXPECT_EQ(redone.keyLabel, after.keyLabel);
        EXPECT_EQ(redone.capLabel, after.capLabel);
        EXPECT_EQ(redone.image, after.image);
        EXPECT_EQ(f.session.documentTitle(), titleAfter);
    }
    EXPECT_EQ(CVornDoc::storedModelId(f.settings), 2011);
    for (std::size_t i = 0; i < std::size(steps); ++i)
        f.session.undo();
    EXPECT_EQ(CVornDoc::storedModelId(f.settings), 2014); // the remembered model follows
}

// A save since a step keeps the template's file and title when the step is undone.
TEST(Undo, UndoAfterASaveKeepsTheFile) {
    UndoFixture f;
    f.type("ab");
    f.dialogs.savePath = f.folder.path("shop.tpl");
    ASSERT_TRUE(f.session.saveAs());
    ASSERT_TRUE(f.session.undo());
    EXPECT_EQ(f.session.path(), f.folder.path("shop.tpl"));
    EXPECT_EQ(f.session.documentTitle(), "shop.tpl");
    EXPECT_TRUE(f.session.doc().isModified());
    ASSERT_TRUE(f.session.redo());
    EXPECT_FALSE(f.session.doc().isModified());
}

TEST(Undo, NewAndLoadStartANewHistory) {
    UndoFixture f;
    f.type("ab");
    ASSERT_TRUE(f.session.history().nextUndo());
    f.dialogs.savePath = f.folder.path("a.tpl");
    ASSERT_TRUE(f.session.save());
    EXPECT_TRUE(f.session.history().nextUndo()); // saving keeps it
    ASSERT_TRUE(f.session.newDocument());
    EXPECT_FALSE(f.session.history().nextUndo());
    f.type("c");
    ASSERT_TRUE(f.session.loadDocument(f.folder.path("a.tpl")));
    EXPECT_FALSE(f.session.history().nextUndo());
}

// The history keeps what steps changed, not copies of the template, and at most 1000 steps.
TEST(Undo, KeepsAThousandStepsInLittleMemory) {
    UndoFixture f;
    for (int i = 0; i < 1005; ++i) {
        f.now += 3s;
        f.type(i % 2 ? "a" : "b");
        if (i % 50 == 49)
            f.command(commandIds::clearKey);
    }
    EXPECT_EQ(f.session.history().size(), UndoHistory::maxSteps);
    EXPECT_LT(f.session.history().heldBytes(), 1u << 20);
}

TEST(Undo, PasteInsertsUpToALineFeedAsFarAsThereIsRoomAsOneStep) {
    UndoFixture f;
    const int key = f.selectedKey();
    f.type("ab");
    f.session.editing().caretIndex = f.session.editing().caretColumn = 1;
    f.session.paste("X[CR]Y\r\nnot this");
    EXPECT_EQ(f.text(key), "aX[CR]Yb");
    EXPECT_EQ(f.undoName(), "Paste");
    f.session.undo();
    EXPECT_EQ(f.text(key), "ab");

    // Fill the template up to a few bytes, then paste more than fits.
    const int room = f.session.doc().spaceLeft();
    f.session.doc().setKeyText(40, std::string(static_cast<std::size_t>(room - 3), 'z'));
    f.session.paste("123456");
    EXPECT_TRUE(f.text(key).starts_with("ab1")) << f.text(key);
    EXPECT_LT(f.text(key).size(), std::string("ab123456").size());
    EXPECT_LE(f.session.doc().spaceLeft(), 0);
    EXPECT_EQ(f.messages.statuses.back(), "beep: No space left in the template");
}

} // namespace
} // namespace vorn::test
