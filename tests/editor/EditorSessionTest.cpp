// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/KeyTextEncoder.h"
#include "support/EditorFixture.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace vorn::test {
namespace {

// A template file with key 5's text "ab".
std::string templateFile(SessionFixture& f, const std::string& name, int modelId = 2013) {
    TemplateImage image = newTemplateImage(modelId);
    KeyTexts texts;
    texts[5] = "ab";
    encodeImage(image, texts, modelId);
    const std::string path = f.folder.path(name);
    TestFolder::write(path, std::string(image.begin(), image.end()));
    return path;
}

TEST(EditorSession, StartLoadsTheFileUnderTheStoredModel) {
    SessionFixture f;
    f.settings.writeInt("QenKeyboard", "Zemlat", 2016);
    f.reopen();
    const std::string path = templateFile(f, "shop.tpl");
    int detections = 0;
    f.session->setInitialUpdateHook([&] { ++detections; });

    ASSERT_TRUE(f.session->start(path, std::nullopt));
    EXPECT_EQ(f.session->doc().modelId(), 2016);
    EXPECT_EQ(f.session->doc().keyText()[5], "ab");
    EXPECT_EQ(f.session->windowTitle(), "shop.tpl - Orvane  Programmable Keyboard");
    EXPECT_EQ(detections, 1);
}

TEST(EditorSession, ModelOptionSwitchesFirstAndIsStored) {
    SessionFixture f;
    ASSERT_TRUE(f.session->start(std::nullopt, 2018));
    EXPECT_EQ(f.session->doc().modelId(), 2018);
    EXPECT_EQ(f.settings.readInt("QenKeyboard", "Zemlat", 0), 2018);
    EXPECT_EQ(f.dialogs.modelQuestions, 0);
    EXPECT_EQ(f.session->windowTitle(), "Untitled - Orvane  Programmable Keyboard");
}

TEST(EditorSession, UnreadableOrShortFileKeepsTheOpenTemplateAndTitle) {
    SessionFixture f;
    const std::string good = templateFile(f, "good.tpl");
    ASSERT_TRUE(f.session->start(good, std::nullopt));
    const std::string shortFile = f.folder.path("short.tpl");
    TestFolder::write(shortFile, std::string(100, 'x'));

    for (const std::string& bad : {shortFile, f.folder.path("missing.tpl")}) {
        f.messages.messages.clear();
        EXPECT_FALSE(f.session->loadDocument(bad));
        EXPECT_EQ(f.messages.messages.size(), 1u) << bad;
        EXPECT_EQ(f.session->doc().keyText()[5], "ab");
        EXPECT_EQ(f.session->path(), good);
        EXPECT_EQ(f.session->documentTitle(), "good.tpl");
    }
}

// New, Load and closing ask to save a modified template: Yes saves, No discards, Cancel stays.
TEST(EditorSession, SavePromptOnNewLoadAndClose) {
    enum class Command { newTemplate, load, close };
    struct Case {
        Command command;
        SaveAnswer answer;
        bool carriedOut;
        bool saved;
    };
    const Case cases[] = {
        {Command::newTemplate, SaveAnswer::yes, true, true},
        {Command::newTemplate, SaveAnswer::no, true, false},
        {Command::newTemplate, SaveAnswer::cancel, false, false},
        {Command::load, SaveAnswer::yes, true, true},
        {Command::load, SaveAnswer::no, true, false},
        {Command::load, SaveAnswer::cancel, false, false},
        {Command::close, SaveAnswer::yes, true, true},
        {Command::close, SaveAnswer::no, true, false},
        {Command::close, SaveAnswer::cancel, false, false},
    };
    for (const Case& c : cases) {
        SessionFixture f;
        const std::string path = templateFile(f, "shop.tpl");
        const std::string other = templateFile(f, "other.tpl");
        ASSERT_TRUE(f.session->start(path, std::nullopt));
        f.session->doc().setKeyText(5, "changed");
        f.messages.saveAnswer = c.answer;
        f.dialogs.loadPath = other;

        bool done = false;
        switch (c.command) {
        case Command::newTemplate: done = f.session->newDocument(); break;
        case Command::load: done = f.session->loadDocument(); break;
        case Command::close: done = f.session->saveModified(); break;
        }
        SCOPED_TRACE(static_cast<int>(c.command) * 10 + static_cast<int>(c.answer));
        ASSERT_EQ(f.messages.questions.size(), 1u);
        EXPECT_EQ(f.messages.questions[0], "Save changes to shop.tpl?");
        EXPECT_EQ(done, c.carriedOut);
        CVornDoc reread(f.settings, f.messages);
        ASSERT_TRUE(reread.onOpenDocument(path));
        EXPECT_EQ(reread.keyText()[5], c.saved ? "changed" : "ab");
        if (!c.carriedOut) {
            EXPECT_EQ(f.session->doc().keyText()[5], "changed");
        }
    }
}

TEST(EditorSession, UnmodifiedTemplateIsReplacedWithoutAQuestion) {
    SessionFixture f;
    ASSERT_TRUE(f.session->start(std::nullopt, std::nullopt));
    EXPECT_TRUE(f.session->newDocument());
    EXPECT_TRUE(f.session->saveModified());
    EXPECT_TRUE(f.messages.questions.empty());
}

TEST(EditorSession, SaveWritesToItsFileAndSaveAsNamesANewOne) {
    SessionFixture f;
    ASSERT_TRUE(f.session->start(std::nullopt, std::nullopt));
    f.session->doc().setKeyText(7, "x");
    f.dialogs.savePath = f.folder.path("new.tpl");
    ASSERT_TRUE(f.session->save()); // no file yet: asks for one
    EXPECT_EQ(f.session->documentTitle(), "new.tpl");
    EXPECT_FALSE(f.session->doc().isModified());

    f.session->doc().setKeyText(7, "y");
    f.dialogs.savePath.reset(); // Save on a named template asks nothing
    ASSERT_TRUE(f.session->save());
    CVornDoc reread(f.settings, f.messages);
    ASSERT_TRUE(reread.onOpenDocument(f.folder.path("new.tpl")));
    EXPECT_EQ(reread.keyText()[7], "y");
    EXPECT_FALSE(f.session->saveAs()); // Cancel in the dialog
}

TEST(EditorSession, DismissedModelQuestionChangesNothing) {
    SessionFixture f;
    const std::string path = templateFile(f, "shop.tpl");
    ASSERT_TRUE(f.session->start(path, std::nullopt));
    f.session->editing().selectedSlot = 3;

    EXPECT_FALSE(f.session->selectModel(2018));
    EXPECT_EQ(f.dialogs.modelQuestions, 1);
    EXPECT_EQ(f.session->doc().modelId(), 2013);
    EXPECT_EQ(f.session->doc().keyText()[5], "ab");
    EXPECT_EQ(f.session->editing().selectedSlot, 3);
    EXPECT_EQ(f.settings.readInt("QenKeyboard", "Zemlat", 0), 0);

    f.dialogs.confirmModel = true;
    f.session->editing().keyIsAscii[9] = false;
    EXPECT_TRUE(f.session->selectModel(2013)); // the current model too clears the keys
    EXPECT_EQ(f.session->doc().keyText()[5], "");
    EXPECT_EQ(f.session->editing().selectedSlot, 0);
    EXPECT_TRUE(f.session->editing().keyIsAscii[9]);
    EXPECT_EQ(f.session->windowTitle(), "Template : VQ5040 - Orvane  Programmable Keyboard");
    EXPECT_EQ(f.settings.readInt("QenKeyboard", "Zemlat", 0), 2013);
}

// The emptied template of a model switch never replaces the user's file: Save asks for a
// name. A modified template is offered for saving before the switch is asked for.
TEST(EditorSession, AModelSwitchNeverOverwritesTheUsersFile) {
    SessionFixture f;
    const std::string path = templateFile(f, "shop.tpl");
    const std::string before = TestFolder::read(path);
    ASSERT_TRUE(f.session->start(path, std::nullopt));
    f.dialogs.confirmModel = true;
    ASSERT_TRUE(f.session->selectModel(2018));
    EXPECT_TRUE(f.messages.questions.empty()); // nothing was changed
    EXPECT_FALSE(f.session->doc().isModified());
    EXPECT_EQ(f.session->path(), "");
    EXPECT_EQ(f.session->documentTitle(), "Template : TR4060");

    f.dialogs.savePath.reset(); // Cancel in the save dialog
    EXPECT_FALSE(f.session->save());
    EXPECT_EQ(TestFolder::read(path), before);
    f.dialogs.savePath = f.folder.path("new.tpl");
    EXPECT_TRUE(f.session->save());
    EXPECT_EQ(TestFolder::read(path), before);
    EXPECT_EQ(f.session->documentTitle(), "new.tpl");

    struct Case {
        SaveAnswer answer;
        bool confirm;
        bool switched;
    };
    for (const Case& c : {Case{SaveAnswer::cancel, true, false}, Case{SaveAnswer::no, false, false},
                          Case{SaveAnswer::no, true, true}}) {
        SCOPED_TRACE(static_cast<int>(c.answer) * 10 + c.confirm);
        ASSERT_TRUE(f.session->loadDocument(path));
        f.session->doc().setKeyText(5, "typed");
        f.messages.questions.clear();
        f.dialogs.modelQuestions = 0;
        f.messages.saveAnswer = c.answer;
        f.dialogs.confirmModel = c.confirm;
        EXPECT_EQ(f.session->selectModel(2017), c.switched);
        EXPECT_EQ(f.messages.questions, std::vector<std::string>{"Save changes to shop.tpl?"});
        EXPECT_EQ(f.dialogs.modelQuestions, c.answer == SaveAnswer::cancel ? 0 : 1);
        EXPECT_EQ(f.session->doc().modelId(), c.switched ? 2017 : 2018);
        EXPECT_EQ(f.session->doc().keyText()[5], c.switched ? "" : "typed");
        EXPECT_EQ(f.session->path(), c.switched ? "" : path);
        EXPECT_EQ(TestFolder::read(path), before);
    }
}

TEST(EditorSession, TextExportAndImportTitleTheWindowAfterTheTextFile) {
    SessionFixture f;
    ASSERT_TRUE(f.session->start(templateFile(f, "shop.tpl"), std::nullopt));
    f.dialogs.textPath = f.folder.path("shop.txt");
    ASSERT_TRUE(f.session->exportTextData());
    EXPECT_TRUE(f.dialogs.lastTextExporting);
    EXPECT_EQ(f.session->documentTitle(), "shop.txt : VQ5040");

    f.session->doc().setKeyText(5, {});
    f.session->editing().selectedSlot = 4;
    ASSERT_TRUE(f.session->importTextData());
    EXPECT_FALSE(f.dialogs.lastTextExporting);
    EXPECT_EQ(f.session->doc().keyText()[5], "ab");
    EXPECT_EQ(f.session->editing().selectedSlot, 0);

    f.dialogs.textPath.reset();
    EXPECT_FALSE(f.session->importTextData()); // Cancel changes nothing
}

TEST(EditorSession, ClickSelectsAKeyAndTheEnterKeysUpperPartSelectsItsLowerPart) {
    SessionFixture f;
    ASSERT_TRUE(f.session->start(std::nullopt, 2014));
    const KeyLayout& layout = f.session->doc().layout();
    const auto [ux, uy] = layout.slotPos()[28];
    ASSERT_EQ(f.session->selection().mouseDown(ux + 5, uy + 5), Repaint::view);
    EXPECT_EQ(f.session->editing().selectedSlot, 41);
    EXPECT_TRUE(f.session->editing().slotHighlight[41]);
    EXPECT_FALSE(f.session->editing().slotHighlight[0]);
    const auto [x0, y0] = layout.slotPos()[0];
    EXPECT_EQ(f.session->selection().mouseDown(x0, y0), Repaint::nothing); // on the edge
}

} // namespace
} // namespace vorn::test

namespace vorn::test {
namespace {

// The last eight templates loaded or saved, most recent first, kept across sessions; one
// that has gone is taken off with a message.
TEST(EditorSession, RecentTemplates) {
    SessionFixture f;
    ASSERT_TRUE(f.session->start(std::nullopt, std::nullopt));
    std::vector<std::string> paths;
    for (int i = 0; i < 10; ++i) {
        paths.push_back(templateFile(f, "t" + std::to_string(i) + ".tpl"));
        ASSERT_TRUE(f.session->loadDocument(paths.back()));
    }
    f.dialogs.savePath = f.folder.path("saved");
    ASSERT_TRUE(f.session->saveAs());
    ASSERT_TRUE(f.session->loadDocument(paths[7])); // again: moves to the front
    f.reopen();
    const std::vector<std::string> expected{
        paths[7], f.folder.path("saved.tpl"), paths[9], paths[8], paths[6], paths[5], paths[4],
        paths[3]};
    EXPECT_EQ(f.session->recentTemplates().files(), expected);
    EXPECT_EQ(RecentTemplates::itemText(0, "/x/fish & chips.tpl"), "&1 fish && chips.tpl");

    std::filesystem::remove(paths[9]);
    EXPECT_FALSE(f.session->openRecent(paths[9]));
    EXPECT_EQ(f.messages.messages.back(), "The template file: <" + paths[9] +
                                              "> is no longer there !!\nIt is taken off the "
                                              "recent templates.");
    EXPECT_EQ(f.session->recentTemplates().files().size(), 7u);
    ASSERT_TRUE(f.session->openRecent(paths[3]));
    EXPECT_EQ(f.session->path(), paths[3]);
}

// Save As of a name without an extension writes NAME.tpl; a dropped text file is imported,
// any other file loaded after the save question.
TEST(EditorSession, SaveAsAddsTheExtensionAndDroppedFilesOpen) {
    SessionFixture f;
    ASSERT_TRUE(f.session->start(std::nullopt, 2013));
    f.session->doc().setKeyText(5, "xy");
    f.dialogs.savePath = f.folder.path("shop");
    ASSERT_TRUE(f.session->saveAs());
    EXPECT_EQ(f.session->path(), f.folder.path("shop.tpl"));
    EXPECT_TRUE(std::filesystem::exists(f.folder.path("shop.tpl")));
    EXPECT_FALSE(std::filesystem::exists(f.folder.path("shop")));
    f.dialogs.textPath = f.folder.path("shop.TXT");
    ASSERT_TRUE(f.session->exportTextData());

    const std::string other = templateFile(f, "other.tpl");
    f.session->doc().setKeyText(5, "changed");
    EXPECT_FALSE(f.session->openDropped(other)); // Cancel on the save question
    EXPECT_EQ(f.session->path(), f.folder.path("shop.tpl"));
    f.messages.saveAnswer = SaveAnswer::no;
    ASSERT_TRUE(f.session->openDropped(other));
    EXPECT_EQ(f.session->path(), other);
    EXPECT_EQ(f.session->doc().keyText()[5], "ab");
    ASSERT_TRUE(f.session->openDropped(f.folder.path("shop.TXT")));
    EXPECT_EQ(f.session->doc().keyText()[5], "xy");
    EXPECT_EQ(f.session->path(), other); // an import keeps the template's file
}

} // namespace
} // namespace vorn::test

namespace vorn::test {
namespace {

TEST(EditorSession, KeyLabelsLiveBesideTheTemplateFile) {
    SessionFixture f;
    ASSERT_TRUE(f.session->start(std::nullopt, 2013));
    const int key = f.session->editing().selectedKey;
    const std::string caption = f.session->doc().keyLabel()[0];

    f.dialogs.keyLabel = "a\tb";
    EXPECT_FALSE(f.session->editKeyLabel());
    EXPECT_EQ(f.messages.messages,
              std::vector<std::string>{"This label cannot be kept: a label cannot hold a TAB."});
    f.dialogs.keyLabel = "Coffee\nlarge\n\n";
    ASSERT_TRUE(f.session->editKeyLabel());
    EXPECT_EQ(f.dialogs.labelAsked, std::pair(caption, std::string()));
    EXPECT_EQ(f.session->selectedKeyLabel(), "Coffee\nlarge");
    EXPECT_TRUE(f.session->doc().isModified());
    EXPECT_FALSE(f.session->editKeyLabel()) << "the same label again is no step";

    const std::string tpl = f.folder.path("shop.tpl");
    f.dialogs.savePath = tpl;
    ASSERT_TRUE(f.session->save());
    EXPECT_EQ(TestFolder::read(tpl + ".labels"), std::to_string(key) + "\tCoffee\\nlarge\n");
    EXPECT_FALSE(f.session->doc().isModified());

    // Loaded with the template; malformed lines are named and the rest is read.
    TestFolder::write(tpl + ".labels", "3\tTea\nmilk\n4\tSugar\n");
    f.reopen();
    ASSERT_TRUE(f.session->start(tpl, std::nullopt));
    EXPECT_EQ(f.session->doc().capLabel()[3], "Tea");
    EXPECT_EQ(f.session->doc().capLabel()[4], "Sugar");
    ASSERT_EQ(f.messages.messages.size(), 2u);
    EXPECT_EQ(f.messages.messages.back(),
              "The labels file: <" + tpl +
                  ".labels> has lines that are not read !!\nline 2: a key number and a TAB "
                  "must begin the line\nThey are left out when the template is saved.");

    // A save that leaves no label removes the file; New starts without labels.
    f.session->doc().setCapLabel(3, "");
    f.session->doc().setCapLabel(4, "");
    ASSERT_TRUE(f.session->save());
    EXPECT_FALSE(std::filesystem::exists(tpl + ".labels"));
    f.session->doc().setCapLabel(9, "x");
    f.messages.saveAnswer = SaveAnswer::no;
    ASSERT_TRUE(f.session->newDocument());
    EXPECT_FALSE(hasLabels(f.session->doc().capLabel()));
}

} // namespace
} // namespace vorn::test
