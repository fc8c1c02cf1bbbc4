// SPDX-License-Identifier: GPL-3.0-or-later
// The default text files delivered in data/: one per model, read by Load Default.
#include "document/Files.h"
#include "document/SettingsStore.h"
#include "document/VornDoc.h"
#include "image/KeyTextChecks.h"
#include "support/RecordedMessages.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>
#include <regex>

namespace vorn {
namespace {

using test::TestFolder;

class DefaultTextFiles : public ::testing::Test {
protected:
    TestFolder folder;
    test::RecordedMessages messages;
    SettingsStore settings;
};

// Programmable keys have no PC key to send, so their default is empty.
bool isProgrammable(const std::string& caption) {
    static const std::regex programmable("K[0-9]+|[LMRX][0-9][0-9]|KeyLock|F(1[3-9]|[2-4][0-9])");
    return std::regex_match(caption, programmable);
}

TEST_F(DefaultTextFiles, EveryModelsFileLoadsCleanly) {
    for (const KeyboardModel& model : keyboardModels()) {
        CVornDoc doc(settings, messages, {folder.path("empty"), {VORN_SOURCE_DATA_DIR}}, model.id);
        doc.onNewDocument();
        ASSERT_TRUE(doc.loadDefault()) << model.id;
        EXPECT_TRUE(messages.messages.empty()) << model.id << ": " << messages.messages.front();
        const std::string file =
            std::string(VORN_SOURCE_DATA_DIR) + "/" + std::string(model.defaultTextFile);
        EXPECT_EQ(doc.documentTitle(), file + " : " + std::string(model.name));

        const KeyLabels defaults = defaultKeyLabels(model.id);
        for (int slot = 0; slot < model.keyCount; ++slot) {
            const std::string& text = doc.keyText()[doc.layout().slotKey()[slot]];
            EXPECT_EQ(doc.keyLabel()[slot], defaults[slot]) << model.id << " slot " << slot;
            EXPECT_TRUE(isValidKeyText(text)) << model.id << " slot " << slot << ": " << text;
            const bool allProgrammable = !model.hasCardReader; // TR3050, TR4060, TR3570
            const bool expectEmpty = isProgrammable(defaults[slot]) || allProgrammable;
            EXPECT_EQ(text.empty(), expectEmpty) << model.id << " slot " << slot << ": " << text;
        }
        EXPECT_GE(doc.spaceLeft(), 0) << model.id;

        const std::string bytes = TestFolder::read(file);
        EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), model.keyCount);
        EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'), model.keyCount);
        EXPECT_TRUE(bytes.ends_with("\r\n"));
    }
}

TEST_F(DefaultTextFiles, PcKeysSendTheirScanCodeWords) {
    struct Case {
        int model;
        int slot;
        const char* text;
    };
    const Case cases[] = {
        {2013, 78, "[F1]"},         {2013, 30, "[A]"},          {2013, 41, "[Enter]"},
        {2013, 28, "[Enter]"},      {2013, 14, "[Backspace]"},  {2013, 65, "[PAD7]"},
        {2013, 76, "[PADEnter]"},   {2013, 13, "[\\]"},         {2013, 40, "[']"},
        {2013, 42, "[Shift]"},      {2013, 53, "[RightShift]"}, {2013, 54, "[Ctrl]"},
        {2013, 61, "[RightCtrl]"},  {2013, 55, "[Win]"},        {2013, 59, "[RightWin]"},
        {2013, 56, "[Alt]"},        {2013, 58, "[RightAlt]"},   {2013, 1, "[1]"},
        {2014, 62, "[ArrowLeft]"},  {2014, 79, "[NumLock]"},    {2014, 95, "[F12]"},
        {2015, 75, "[Delete]"},     {2015, 84, "[PageUp]"},     {2016, 18, "[PAD7]"},
        {2016, 59, "[PAD0][PAD0]"}, {2016, 60, "[PAD.]"},
    };
    for (const Case& c : cases) {
        CVornDoc doc(settings, messages, {folder.path("empty"), {VORN_SOURCE_DATA_DIR}}, c.model);
        doc.onNewDocument();
        ASSERT_TRUE(doc.loadDefault());
        EXPECT_EQ(doc.keyText()[doc.layout().slotKey()[c.slot]], c.text)
            << c.model << " slot " << c.slot;
    }
}

// Started from the build tree, the program finds the source tree's copies.
TEST_F(DefaultTextFiles, FoundBesideTheProgramWhenTheStartDirectoryHasNone) {
    const auto folders = programDataDirectories();
    ASSERT_EQ(folders.size(), 2u);
    EXPECT_TRUE(folders[0].ends_with("/share/vorn")) << folders[0];
    EXPECT_EQ(folders[1], VORN_SOURCE_DATA_DIR);
    CVornDoc doc(settings, messages, {folder.path("empty"), folders}, 2016);
    doc.onNewDocument();
    EXPECT_TRUE(doc.loadDefault());
    EXPECT_TRUE(messages.messages.empty());
}

} // namespace
} // namespace vorn
