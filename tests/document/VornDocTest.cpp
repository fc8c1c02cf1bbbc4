// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/VornDoc.h"

#include "document/SettingsStore.h"
#include "document/TextFileFormat.h"
#include "image/KeyTextDecoder.h"
#include "image/KeyTextEncoder.h"
#include "support/RecordedMessages.h"
#include "support/TestFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>

namespace vorn {
namespace {

using test::TestFolder;

std::string imageBytes(const TemplateImage& image) {
    return {image.begin(), image.end()};
}

class VornDocTest : public ::testing::Test {
protected:
    VornDocTest() { std::filesystem::create_directories(start); }

    std::unique_ptr<CVornDoc> makeDoc(std::optional<int> model = std::nullopt) {
        auto doc = std::make_unique<CVornDoc>(settings, messages,
                                              DocumentPlaces{start, dataDirectories}, model);
        doc->onNewDocument();
        return doc;
    }

    TestFolder folder;
    test::RecordedMessages messages;
    SettingsStore settings;
    std::string start = folder.path("start");
    std::vector<std::string> dataDirectories;
};

TEST_F(VornDocTest, StartsOnTheStoredModel) {
    EXPECT_EQ(CVornDoc::storedModelId(settings), 2013);
    auto doc = makeDoc();
    EXPECT_EQ(doc->modelId(), 2013);
    EXPECT_EQ(doc->documentTitle(), "Template : VQ5040");
    EXPECT_EQ(doc->startDirectory(), start);

    ASSERT_TRUE(settings.writeInt("QenKeyboard", "Zemlat", 2018));
    doc = makeDoc();
    EXPECT_EQ(doc->modelId(), 2018);
    EXPECT_EQ(doc->keyCount(), 176);
    EXPECT_FALSE(doc->hasCardReader());
    EXPECT_EQ(doc->keyLabel()[175], "V8");
    EXPECT_EQ(doc->documentTitle(), "Template : TR4060");

    // An unknown id is kept but laid out as model 2013.
    ASSERT_TRUE(settings.writeInt("QenKeyboard", "Zemlat", 2020));
    doc = makeDoc();
    EXPECT_EQ(doc->modelId(), 2020);
    EXPECT_EQ(doc->keyCount(), 124);
    EXPECT_TRUE(doc->hasCardReader());
    EXPECT_EQ(doc->modelName(), "VQ5040");
    EXPECT_EQ(doc->documentTitle(), "Template : VQ5040");
    EXPECT_EQ(doc->keyLabel()[123], "KeyLock");

    // A given model wins over the store, which it leaves alone.
    doc = makeDoc(2016);
    EXPECT_EQ(doc->modelId(), 2016);
    EXPECT_EQ(CVornDoc::storedModelId(settings), 2020);
}

TEST_F(VornDocTest, ModelSwitchIsRememberedAndClearsTheTemplate) {
    auto doc = makeDoc();
    doc->setKeyText(5, "abc");
    doc->setKeyFlags(5, false, false);
    doc->setKeyLabel(0, "custom");
    doc->switchModel(2017);
    EXPECT_EQ(doc->modelId(), 2017);
    EXPECT_EQ(doc->keyCount(), 17);
    EXPECT_FALSE(doc->hasCardReader());
    EXPECT_EQ(doc->keyLabel()[0], "K01");
    EXPECT_EQ(doc->documentTitle(), "Template : TR3050");
    EXPECT_TRUE(doc->keyText()[5].empty());
    EXPECT_TRUE(doc->keyBlank()[5] && doc->keyDefined()[5]);
    EXPECT_EQ(doc->image(), newTemplateImage(2017));
    EXPECT_FALSE(doc->isModified()); // an empty template for the new model
    EXPECT_EQ(makeDoc()->modelId(), 2017);

    // Switching to the current model still clears the keys.
    doc->setKeyText(105, "x");
    doc->switchModel(2017);
    EXPECT_TRUE(doc->keyText()[105].empty());
    EXPECT_TRUE(messages.messages.empty());
}

// New and a switch give each model group its trailer; every key empty, blank and as loaded.
TEST_F(VornDocTest, NewTemplatePerModelGroup) {
    for (const int model : {2013, 2016, 2017, 2019}) {
        auto doc = makeDoc(model);
        doc->setKeyText(3, "x");
        for (int key = 0; key < keyNumberCount; ++key)
            doc->setKeyFlags(key, false, false);
        ASSERT_TRUE(doc->onNewDocument());
        const bool cardReader = model <= 2016;
        for (std::size_t b = 1968; b < 2032; ++b)
            EXPECT_EQ(doc->image()[b], cardReader ? 0xFF : 0x00) << model << " byte " << b;
        const std::uint8_t trailer[] = {0x02,
                                        cardReader ? std::uint8_t{0xEA} : std::uint8_t{0xE0},
                                        cardReader ? std::uint8_t{0xD6} : std::uint8_t{0x9E},
                                        0x55,
                                        0xAA,
                                        0xD6};
        for (std::size_t i = 0; i < 6; ++i)
            EXPECT_EQ(doc->image()[2042 + i], trailer[i]) << model << " byte " << 2042 + i;
        for (int k = 0; k < keyNumberCount; ++k) {
            EXPECT_TRUE(doc->keyText()[k].empty());
            EXPECT_TRUE(doc->keyBlank()[k] && doc->keyDefined()[k]);
        }
        EXPECT_FALSE(doc->isModified());
    }
}

TEST_F(VornDocTest, LoadDecodesUnderTheCurrentModelAndKeepsCaptions) {
    TemplateImage image = newTemplateImage(2018);
    KeyTexts texts;
    texts[160] = "[F1]";
    texts[7] = "ab";
    encodeImage(image, texts, 2018);
    TestFolder::write(folder.path("t.tpl"), imageBytes(image) + "ignored tail");

    auto doc = makeDoc(2013);
    doc->setKeyLabel(0, "mine");
    doc->setKeyFlags(8, doc->keyBlank()[8], false);
    doc->setKeyText(8, "typed");
    ASSERT_TRUE(doc->onOpenDocument(folder.path("t.tpl")));
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(doc->modelId(), 2013);
    EXPECT_EQ(doc->keyLabel()[0], "mine");
    EXPECT_EQ(doc->image(), image);
    EXPECT_EQ(doc->keyText()[7], "ab");
    EXPECT_EQ(doc->keyText()[121], "[F1]"); // model 2013 pairs 160 into 121
    EXPECT_FALSE(doc->keyBlank()[7]);
    EXPECT_TRUE(doc->keyDefined()[7]);
    EXPECT_TRUE(doc->keyBlank()[8]);
    EXPECT_FALSE(doc->keyDefined()[8]); // an empty key keeps its defined flag
    EXPECT_FALSE(doc->isModified());
}

TEST_F(VornDocTest, LoadWarnsAboutADamagedImageAndShowsItAnyway) {
    TemplateImage image = newTemplateImage(2013);
    image[127] = 'q'; // key number 0
    image[2042] = 0;
    TestFolder::write(folder.path("bad.tpl"), imageBytes(image));
    auto doc = makeDoc();
    ASSERT_TRUE(doc->onOpenDocument(folder.path("bad.tpl")));
    EXPECT_EQ(messages.messages, std::vector<std::string>{std::string(corruptedImageMessage)});
    EXPECT_EQ(doc->keyText()[0], "q");
}

TEST_F(VornDocTest, AShortOrMissingFileChangesNothing) {
    auto doc = makeDoc();
    doc->setKeyText(4, "keep");
    const TemplateImage before = doc->image();
    TestFolder::write(folder.path("short.tpl"), std::string(2047, '\x01'));
    EXPECT_FALSE(doc->onOpenDocument(folder.path("short.tpl")));
    EXPECT_FALSE(doc->onOpenDocument(folder.path("missing.tpl")));
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[0], "The template file: <" + folder.path("short.tpl") +
                                        "> holds 2047 bytes, not 2048 !!\nThe template is not "
                                        "loaded.");
    EXPECT_EQ(messages.messages[1], "The template file: <" + folder.path("missing.tpl") +
                                        "> can't be read !! No such file or directory");
    EXPECT_EQ(doc->image(), before);
    EXPECT_EQ(doc->keyText()[4], "keep");
}

TEST_F(VornDocTest, SaveEncodesAndWritesTheImage) {
    auto doc = makeDoc(2014);
    doc->setKeyText(10, "[F2][Mute]");
    doc->setKeyText(11, "hello");
    ASSERT_EQ(doc->onSaveDocument(folder.path("s.tpl")), FileResult::done);
    EXPECT_FALSE(doc->isModified());
    const std::string bytes = TestFolder::read(folder.path("s.tpl"));
    ASSERT_EQ(bytes.size(), imageSize);
    EXPECT_EQ(bytes, imageBytes(doc->image()));
    auto other = makeDoc(2014);
    ASSERT_TRUE(other->onOpenDocument(folder.path("s.tpl")));
    EXPECT_EQ(other->keyText(), doc->keyText());
    EXPECT_EQ(folder.fileCount(), 2); // start/ and s.tpl: no temporary file left
}

TEST_F(VornDocTest, ARefusedSaveLeavesTheOldFileByteForByte) {
    TestFolder::write(folder.path("old.tpl"), "old contents");
    auto doc = makeDoc();
    doc->setKeyText(3, "ok");
    doc->setKeyText(9, "[NoSuchWord]");
    const TemplateImage before = doc->image();
    EXPECT_EQ(doc->onSaveDocument(folder.path("old.tpl")), FileResult::refused);
    EXPECT_EQ(messages.messages,
              std::vector<std::string>{"Wrong function word or scan code word!!"});
    EXPECT_EQ(TestFolder::read(folder.path("old.tpl")), "old contents");
    EXPECT_EQ(doc->image(), before);
    EXPECT_TRUE(doc->isModified());

    // An unwritable place: the message names the path and the system's error number.
    doc->setKeyText(9, {});
    const std::string nowhere = folder.path("no/such/folder/x.tpl");
    EXPECT_EQ(doc->onSaveDocument(nowhere), FileResult::failed);
    EXPECT_EQ(messages.messages.back(),
              "The template file: <" + nowhere + "> can't be written !! No such file or directory");
    EXPECT_TRUE(doc->isModified());
}

TEST_F(VornDocTest, SaveAsksBeforeKeysAreCut) {
    TestFolder::write(folder.path("full.tpl"), "old contents");
    auto doc = makeDoc(2018);
    // 176 records of 1 + 11 bytes need 2112 bytes; the key area has 1968.
    for (int key = 0; key < keyNumberCount; ++key)
        doc->setKeyText(key, "abcdefghijk");
    EXPECT_EQ(doc->spaceLeft(), 1968 - 2112);
    messages.answer = false;
    EXPECT_EQ(doc->onSaveDocument(folder.path("full.tpl")), FileResult::refused);
    ASSERT_EQ(messages.questions.size(), 1u);
    EXPECT_EQ(messages.questions[0],
              "The key texts need 144 bytes more than the template has room for !\nThe keys "
              "stored last will be cut when the template is saved.\nSave anyway?");
    EXPECT_EQ(TestFolder::read(folder.path("full.tpl")), "old contents");

    messages.answer = true;
    EXPECT_EQ(doc->onSaveDocument(folder.path("full.tpl")), FileResult::done);
    const std::string bytes = TestFolder::read(folder.path("full.tpl"));
    ASSERT_EQ(bytes.size(), imageSize);
    TemplateImage saved;
    std::copy(bytes.begin(), bytes.end(), saved.begin());
    EXPECT_EQ(validateImage(saved), ImageCheck::valid);

    // Exactly full is no question.
    messages.questions.clear();
    for (int key = 0; key < keyNumberCount; ++key)
        doc->setKeyText(key, {});
    doc->setKeyText(0, std::string(1792, 'z'));
    EXPECT_EQ(doc->spaceLeft(), 0);
    EXPECT_EQ(doc->onSaveDocument(folder.path("full.tpl")), FileResult::done);
    EXPECT_TRUE(messages.questions.empty());
}

TEST_F(VornDocTest, SpaceLeftCountsModel2013sPairedKeyOnce) {
    auto doc = makeDoc(2013);
    doc->setKeyText(160, "abc");
    EXPECT_EQ(doc->spaceLeft(), 1968 - 176 - 6); // 160 and its copy in 121
}

// Export then import gives the same captions and key texts back, for every model.
TEST_F(VornDocTest, TextFilesRoundTrip) {
    for (const KeyboardModel& model : keyboardModels()) {
        auto doc = makeDoc(model.id);
        const auto& slotKey = doc->layout().slotKey();
        const std::string texts[] = {"a,b", "\\", "[F1][Delay9]", ",", "x\\,y\\\\", "", "\r"};
        for (int slot = 0; slot < doc->keyCount(); ++slot) {
            doc->setKeyLabel(slot, slot % 3 == 0   ? ","
                                   : slot % 3 == 1 ? "\\"
                                                   : "K,\\" + std::to_string(slot));
            doc->setKeyText(slotKey[slot], std::to_string(slot) + texts[slot % std::size(texts)]);
        }
        const std::string file = folder.path(std::string(model.name) + ".txt");
        ASSERT_EQ(doc->exportTextData(file), FileResult::done);
        EXPECT_EQ(doc->documentTitle(),
                  std::string(model.name) + ".txt : " + std::string(model.name));

        auto back = makeDoc(model.id);
        ASSERT_TRUE(back->importTextData(file));
        EXPECT_EQ(back->documentTitle(), doc->documentTitle());
        for (int slot = 0; slot < doc->keyCount(); ++slot) {
            EXPECT_EQ(back->keyLabel()[slot], doc->keyLabel()[slot])
                << model.id << " slot " << slot;
            EXPECT_EQ(back->keyText()[slotKey[slot]], doc->keyText()[slotKey[slot]])
                << model.id << " slot " << slot;
        }
    }
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(VornDocTest, ExportWritesOneCrLfLinePerSlot) {
    auto doc = makeDoc(2017);
    doc->setKeyText(105, "a,b");     // slot 0
    doc->setKeyText(116, "[Enter]"); // slot 16
    ASSERT_EQ(doc->writeTextFile(folder.path("t.txt")), FileResult::done);
    std::string expected = "K01,a\\,b\r\n";
    for (int k = 2; k <= 16; ++k)
        expected += (k < 10 ? "K0" : "K") + std::to_string(k) + ",\r\n";
    expected += "K17,[Enter]\r\n";
    EXPECT_EQ(TestFolder::read(folder.path("t.txt")), expected);
}

TEST_F(VornDocTest, ExportRefusesBytesATextFileCannotKeep) {
    TestFolder::write(folder.path("t.txt"), "old");
    auto doc = makeDoc(2017);
    doc->setKeyText(106, "line\nfeed"); // slot 1
    EXPECT_EQ(doc->exportTextData(folder.path("t.txt")), FileResult::refused);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0],
              "The caption or key text of slot 1 <K02> holds a line feed or a 0xFF byte, "
              "which a text file can't keep !!\nNo text file is written.");
    EXPECT_EQ(TestFolder::read(folder.path("t.txt")), "old");
    EXPECT_EQ(doc->documentTitle(), "Template : TR3050");

    doc->setKeyText(106, {});
    const std::string nowhere = folder.path("none/t.txt");
    EXPECT_EQ(doc->exportTextData(nowhere), FileResult::failed);
    EXPECT_EQ(messages.messages.back(),
              "The text file: <" + nowhere + "> can't be written !! No such file or directory");
}

TEST_F(VornDocTest, ImportChangesOnlyCaptionsAndKeyTexts) {
    auto doc = makeDoc(2019);
    doc->setKeyFlags(105, false, doc->keyDefined()[105]);
    doc->setKeyFlags(105, doc->keyBlank()[105], false);
    doc->resetBaseline();
    const TemplateImage image = doc->image();
    TestFolder::write(folder.path("few.txt"), "A,B,C,D\r\nx\\y\r\nlast,not counted");
    ASSERT_TRUE(doc->readTextFile(folder.path("few.txt")));
    EXPECT_EQ(messages.messages,
              std::vector<std::string>{"The number of rows in the text file is wrong\n"});
    EXPECT_EQ(doc->keyLabel()[0], "A");
    EXPECT_EQ(doc->keyText()[105], "B");
    EXPECT_EQ(doc->keyLabel()[1], "xy");
    EXPECT_EQ(doc->keyText()[106], "");
    EXPECT_EQ(doc->keyLabel()[2], "K03"); // rows not in the file leave their keys
    EXPECT_FALSE(doc->keyBlank()[105]);
    EXPECT_FALSE(doc->keyDefined()[105]);
    EXPECT_TRUE(doc->isModified()); // the key texts changed
    EXPECT_EQ(doc->image(), image);
}

TEST_F(VornDocTest, ImportOfALargerModelsFileFillsTheFirstSlots) {
    auto big = makeDoc(2013);
    big->setKeyText(big->layout().slotKey()[0], "first");
    big->setKeyText(big->layout().slotKey()[21], "22nd");
    ASSERT_EQ(big->writeTextFile(folder.path("big.txt")), FileResult::done);

    auto small = makeDoc(2019);
    ASSERT_TRUE(small->readTextFile(folder.path("big.txt")));
    EXPECT_EQ(messages.messages,
              std::vector<std::string>{"The number of rows in the text file is wrong\n"});
    EXPECT_EQ(small->keyLabel()[0], "`");
    EXPECT_EQ(small->keyText()[105], "first");
    EXPECT_EQ(small->keyLabel()[21], "Y");
    EXPECT_EQ(small->keyText()[100], "22nd");
    EXPECT_EQ(small->keyLabel()[22], ""); // nothing stored beyond the model's slots
}

TEST_F(VornDocTest, ImportOfAMissingFileChangesNothing) {
    auto doc = makeDoc(2017);
    const std::string missing = folder.path("missing.txt");
    EXPECT_FALSE(doc->importTextData(missing));
    EXPECT_EQ(messages.messages, std::vector<std::string>{"The text file: <" + missing +
                                                          "> is NOT in the directory !! Error "
                                                          "code = 2"});
    EXPECT_EQ(doc->keyLabel()[0], "K01");
    EXPECT_EQ(doc->documentTitle(), "Template : TR3050");
}

TEST_F(VornDocTest, ImportReadsAtMostOneMebibyte) {
    auto doc = makeDoc(2017);
    const std::string first = "A,1\r\n";
    const std::string fill(textFileSizeLimit - first.size(), 'x');
    const struct {
        std::string name;
        std::string bytes;
        bool taken;
    } cases[] = {
        {"exact.txt", first + fill, true},
        {"over.txt", first + fill + "x", false},
        {"ended.txt", first + "\xFF" + fill + fill, true}, // reading stops at 0xFF
    };
    for (const auto& c : cases) {
        messages.messages.clear();
        doc->setKeyLabel(0, "before");
        TestFolder::write(folder.path(c.name), c.bytes);
        EXPECT_EQ(doc->importTextData(folder.path(c.name)), c.taken) << c.name;
        EXPECT_EQ(doc->keyLabel()[0], c.taken ? "A" : "before") << c.name;
    }
    messages.messages.clear();
    doc->setKeyLabel(0, "before");
    // An endless device is no text file: refused at once, before any byte is read.
    EXPECT_FALSE(doc->importTextData("/dev/zero"));
    EXPECT_EQ(messages.messages,
              std::vector<std::string>{"The text file: </dev/zero> is not a regular file !!"});
    EXPECT_EQ(doc->keyLabel()[0], "before");
    EXPECT_EQ(doc->documentTitle(), "ended.txt : TR3050");
}

// A FIFO, a folder: refused at once by Load and Save, never waited on or replaced.
TEST_F(VornDocTest, PathsThatAreNoRegularFileAreRefused) {
    const std::string fifo = folder.path("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    std::filesystem::create_directory(folder.path("folder"));
    auto doc = makeDoc();
    doc->setKeyText(3, "kept");
    for (const std::string& odd : {fifo, folder.path("folder")}) {
        messages.messages.clear();
        EXPECT_FALSE(doc->onOpenDocument(odd));
        EXPECT_EQ(doc->onSaveDocument(odd), FileResult::failed);
        EXPECT_EQ(messages.messages,
                  (std::vector<std::string>{
                      "The template file: <" + odd + "> is not a regular file !!",
                      "The template file: <" + odd + "> is not a regular file !!"}));
        EXPECT_EQ(doc->keyText()[3], "kept");
    }
    struct stat status {};
    ASSERT_EQ(::stat(fifo.c_str(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
}

// A settings file that cannot be read (here a FIFO, which would hang a reader) is ignored:
// the model falls back as for a missing one, and nothing replaces it.
TEST_F(VornDocTest, ASettingsFileThatIsNoRegularFileIsIgnored) {
    std::filesystem::create_directories(folder.path("settings/Vorn"));
    const std::string conf = folder.path("settings/Vorn/Vorn.conf");
    ASSERT_EQ(::mkfifo(conf.c_str(), 0644), 0);
    EXPECT_EQ(CVornDoc::storedModelId(settings), 2013);
    EXPECT_FALSE(settings.writeInt("QenKeyboard", "Zemlat", 2017));
    struct stat status {};
    ASSERT_EQ(::stat(conf.c_str(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
}

TEST_F(VornDocTest, LoadDefaultPrefersTheStartDirectory) {
    const std::string data = folder.path("data");
    std::filesystem::create_directories(data);
    dataDirectories = {folder.path("elsewhere"), data};
    TestFolder::write(data + "/TR3050.txt", "from data,1\r\n");
    auto doc = makeDoc(2017);
    ASSERT_TRUE(doc->loadDefault());
    EXPECT_EQ(doc->keyLabel()[0], "from data");
    EXPECT_EQ(doc->documentTitle(), data + "/TR3050.txt : TR3050");

    TestFolder::write(start + "/TR3050.txt", "from start,2\r\n");
    doc->resetBaseline();
    doc->setKeyFlags(105, doc->keyBlank()[105], false);
    ASSERT_TRUE(doc->loadDefault());
    EXPECT_EQ(doc->keyLabel()[0], "from start");
    EXPECT_EQ(doc->keyText()[105], "2");
    EXPECT_TRUE(doc->isModified());
    EXPECT_FALSE(doc->keyDefined()[105]);
}

TEST_F(VornDocTest, LoadDefaultWithoutAnyCopyNamesTheStartDirectory) {
    dataDirectories = {folder.path("empty")};
    auto doc = makeDoc(2020); // an unknown id reads VQ5040's file
    EXPECT_FALSE(doc->loadDefault());
    EXPECT_EQ(messages.messages,
              std::vector<std::string>{"The text file: <" + start +
                                       "/VQ5040.txt> is NOT in the directory !! Error code = 2"});
    EXPECT_EQ(doc->keyLabel()[0], "`");
    EXPECT_EQ(doc->documentTitle(), "Template : VQ5040");
}

} // namespace
} // namespace vorn
