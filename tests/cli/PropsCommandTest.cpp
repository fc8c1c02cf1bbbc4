// SPDX-License-Identifier: GPL-3.0-or-later
// vornctl props: the settings of the property dialogs, printed and changed by name.
#include "CliTest.h"
#include "document/SettingsStore.h"
#include "image/TemplateImage.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace vorn::cli {
namespace {

using PropsCommand = test::CliTest;
using test::Result;

// A new template of model 2013 with card reader texts that need the readable form and its
// escapes, and a few settings away from their defaults.
TemplateImage cardReaderImage() {
    TemplateImage image = newTemplateImage(2013);
    image[offsets::track1Prefix] = 0x0D;
    image[offsets::track1Prefix + 1] = 0x0A;
    image[offsets::track2Suffix] = 'X';
    image[offsets::track3Terminator] = '%';
    image[offsets::cardPrefix] = '[';
    image[offsets::cardPrefix + 1] = '\\';
    image[offsets::cardPrefix + 2] = 0x02;
    image[offsets::track1Flags] = 0x81; // data on, LRC off
    image[offsets::track2Flags] = 0x0E;
    image[offsets::hostFlags] = 0x00; // OPOS/JPOS on
    image[offsets::interCharDelay] = 40;
    image[offsets::featureFlags] = 0x41; // <Alt>+number, beeping, break codes, no-data policy
    image[offsets::optionFlags] = 0x40;  // beep at good read
    return image;
}

TEST_F(PropsCommand, PrintsEverySettingOfTheModelGroup) {
    write(path("a.tpl"), imageBytes(cardReaderImage()));
    Result r = run({"props", path("a.tpl"), "--model", "2013"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, "oposJpos=1\nsendBreakCode=1\nbeepOnKey=1\nnoBeepUndefined=0\n"
                     "translateSet2=0\naltNumber=1\ntypematicScan=0\ntypematicAscii=0\n"
                     "interCharDelay=40\n"
                     "cardPrefix=[[\\\\\\x02\ncardSuffix=\nerrorPolicy=noDataWithAnyError\n"
                     "beepGoodRead=1\nbeepReadError=0\n"
                     "track1Data=1\ntrack1Start=0\ntrack1Lrc=0\ntrack1Separator=0\ntrack1End=0\n"
                     "track1Prefix=[CR][LF]\ntrack1Terminator=\ntrack1Suffix=\n"
                     "track2Data=0\ntrack2Start=1\ntrack2Lrc=1\ntrack2Separator=1\ntrack2End=1\n"
                     "track2Prefix=\ntrack2Terminator=\ntrack2Suffix=X\n"
                     "track3Data=1\ntrack3Start=1\ntrack3Lrc=0\ntrack3Separator=1\ntrack3End=1\n"
                     "track3Prefix=\ntrack3Terminator=%\ntrack3Suffix=\n");

    // Without --model: the stored model, here one with the serial port instead.
    SettingsStore settings;
    ASSERT_TRUE(settings.writeInt("QenKeyboard", "Zemlat", 2017));
    write(path("b.tpl"), imageBytes(newTemplateImage(2017)));
    r = run({"props", path("b.tpl")});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "oposJpos=1\nsendBreakCode=1\nbeepOnKey=1\nnoBeepUndefined=0\n"
                     "translateSet2=1\naltNumber=0\ntypematicScan=0\ntypematicAscii=0\n"
                     "interCharDelay=2\nusePort=0\nbaudRate=9600\nparity=NONE\nbitNumber=8\n");
}

struct SetCase {
    int model;
    std::vector<std::string> assignments;
};

TEST_F(PropsCommand, SetChangesEverySettingAndNothingElse) {
    const SetCase cases[] = {
        {2013, {"oposJpos=0",           "sendBreakCode=0",    "beepOnKey=0",
                "noBeepUndefined=1",    "translateSet2=1",    "altNumber=0",
                "typematicScan=1",      "typematicAscii=1",   "interCharDelay=250",
                "cardPrefix=\\x1b[[",   "cardSuffix=[TB]",    "errorPolicy=skipTrackWithError",
                "beepGoodRead=0",       "beepReadError=1",    "track1Data=0",
                "track1Start=1",        "track1Lrc=1",        "track1Separator=1",
                "track1End=1",          "track1Prefix=;",     "track1Terminator=^",
                "track1Suffix=?[CR]",   "track2Data=1",       "track2Start=0",
                "track2Lrc=0",          "track2Separator=0",  "track2End=0",
                "track2Prefix=\\\\a b", "track2Terminator==", "track2Suffix=",
                "track3Data=0",         "track3Start=0",      "track3Lrc=1",
                "track3Separator=0",    "track3End=0",        "track3Prefix=12345678",
                "track3Terminator=",    "track3Suffix=[LF]"}},
        {2017,
         {"oposJpos=0", "sendBreakCode=0", "beepOnKey=0", "noBeepUndefined=1", "translateSet2=0",
          "altNumber=1", "typematicScan=1", "typematicAscii=1", "interCharDelay=1", "usePort=1",
          "baudRate=19200", "parity=ODD", "bitNumber=7"}},
    };
    for (const SetCase& c : cases) {
        const std::string model = std::to_string(c.model);
        SCOPED_TRACE(model);
        const TemplateImage image = c.model == 2013 ? cardReaderImage() : newTemplateImage(c.model);
        write(path("in.tpl"), imageBytes(image));
        const auto before = lines(run({"props", path("in.tpl"), "--model", model}).out);
        std::vector<std::string> args{"props",         path("in.tpl"), "-o",
                                      path("out.tpl"), "--model",      model};
        for (const std::string& a : c.assignments) {
            args.push_back("--set");
            args.push_back(a);
        }
        Result r = run(args);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, "");

        r = run({"props", path("out.tpl"), "--model", model});
        ASSERT_EQ(r.status, 0) << r.err;
        const auto printed = lines(r.out);
        ASSERT_EQ(printed.size(), c.assignments.size());
        ASSERT_EQ(before.size(), c.assignments.size());
        for (std::size_t i = 0; i < printed.size(); ++i) {
            EXPECT_NE(before[i], c.assignments[i]); // each one is a change
            EXPECT_EQ(printed[i], c.assignments[i]);
        }
        // The key area, the block index and the signature stay as they were.
        const std::string written = read(path("out.tpl"));
        const std::string original = imageBytes(image);
        ASSERT_EQ(written.size(), imageSize);
        EXPECT_EQ(written.substr(0, offsets::keyAreaSize),
                  original.substr(0, offsets::keyAreaSize));
        EXPECT_EQ(
            written.substr(offsets::blockIndex, offsets::interCharDelay - offsets::blockIndex),
            original.substr(offsets::blockIndex, offsets::interCharDelay - offsets::blockIndex));
        EXPECT_EQ(written.substr(offsets::signature), original.substr(offsets::signature));
    }
}

// Changing only keyboard settings stores only what that dialog names: a card reader field
// with bytes after its end marker keeps them.
TEST_F(PropsCommand, SetStoresOnlyTheDialogChanged) {
    TemplateImage image = cardReaderImage();
    image[offsets::cardSuffix] = 0xFF;
    image[offsets::cardSuffix + 1] = 'Z';
    image[offsets::optionFlags] = 0x60;
    write(path("in.tpl"), imageBytes(image));
    Result r = run({"props", path("in.tpl"), "-o", path("out.tpl"), "--model", "2013", "--set",
                    "beepOnKey=0"});
    ASSERT_EQ(r.status, 0) << r.err;
    TemplateImage expected = image;
    expected[offsets::featureFlags] &= static_cast<std::uint8_t>(~0x40u);
    expected[offsets::optionFlags] &= static_cast<std::uint8_t>(~0x20u); // as the dialog's OK
    EXPECT_EQ(read(path("out.tpl")), imageBytes(expected));

    // No --set: OUT is a copy.
    r = run({"props", path("in.tpl"), "-o", path("copy.tpl"), "--model", "2013"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(read(path("copy.tpl")), imageBytes(image));
}

// "[CR]" does not fit a terminator's edit; the escaped byte does, and lists as "[CR]".
TEST_F(PropsCommand, ATerminatorTakesAnEscapedControlByte) {
    write(path("in.tpl"), imageBytes(newTemplateImage(2014)));
    Result r = run({"props", path("in.tpl"), "-o", path("out.tpl"), "--model", "2014", "--set",
                    "track2Terminator=\\x0d"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(static_cast<unsigned char>(read(path("out.tpl"))[offsets::track2Terminator]), 0x0D);
    const auto listed = lines(run({"props", path("out.tpl"), "--model", "2014"}).out);
    EXPECT_NE(std::find(listed.begin(), listed.end(), "track2Terminator=[CR]"), listed.end());
}

struct Refusal {
    const char* model;
    std::vector<std::string> assignments;
    const char* message;
};

TEST_F(PropsCommand, ARefusedValueLeavesOutUntouched) {
    const Refusal cases[] = {
        {"2013", {"track1Prefix=AB[CD"}, "Track1 prefix string error!\nsetting track1Prefix\n"},
        {"2013", {"cardSuffix=[TX]"}, "Card data suffix string error!\nsetting cardSuffix\n"},
        {"2013",
         {"track1Terminator=[CR]"},
         "Enter no more than 1 characters.\nsetting track1Terminator\n"},
        {"2013", {"cardPrefix=ABCDE"}, "Enter no more than 4 characters.\nsetting cardPrefix\n"},
        {"2013",
         {"cardPrefix=A\\q"},
         "vornctl: cardPrefix: a backslash must start \\\\ or \\xHH\n"},
        {"2013",
         {"track2Suffix=a\\xffb"},
         "vornctl: track2Suffix: the byte 0xFF ends a card reader text\n"},
        {"2013", {"beepOnKey=0", "beepReadError=yes"}, "vornctl: beepReadError takes 0 or 1\n"},
        {"2013",
         {"errorPolicy=skip"},
         "vornctl: errorPolicy takes skipTrackWithError or noDataWithAnyError\n"},
        {"2017", {"baudRate=1200"}, "vornctl: baudRate takes 2400, 4800, 9600 or 19200\n"},
        {"2017", {"parity=none"}, "vornctl: parity takes NONE, EVEN or ODD\n"},
        {"2017", {"interCharDelay=0"}, "vornctl: interCharDelay takes 1 to 250\n"},
        {"2017", {"interCharDelay=251"}, "vornctl: interCharDelay takes 1 to 250\n"},
        {"2017", {"interCharDelay=9x"}, "vornctl: interCharDelay takes 1 to 250\n"},
        // A setting of the other model group.
        {"2017", {"track1Prefix=%"}, "vornctl: track1Prefix does not apply to model 2017\n"},
        {"2019", {"beepGoodRead=1"}, "vornctl: beepGoodRead does not apply to model 2019\n"},
        {"2013", {"usePort=0"}, "vornctl: usePort does not apply to model 2013\n"},
        {"2016", {"baudRate=9600"}, "vornctl: baudRate does not apply to model 2016\n"},
    };
    write(path("in.tpl"), imageBytes(cardReaderImage()));
    for (const Refusal& c : cases) {
        SCOPED_TRACE(c.assignments.back());
        write(path("out.tpl"), "old contents");
        std::vector<std::string> args{"props",         path("in.tpl"), "-o",
                                      path("out.tpl"), "--model",      c.model};
        for (const std::string& a : c.assignments)
            args.push_back("--set=" + a);
        const Result r = run(args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, c.message);
        EXPECT_EQ(read(path("out.tpl")), "old contents");
    }
}

// A later --set of the same name wins; only the final value is checked and stored.
TEST_F(PropsCommand, ALaterSetOfTheSameNameWins) {
    write(path("in.tpl"), imageBytes(cardReaderImage()));
    Result r = run({"props", path("in.tpl"), "-o", path("out.tpl"), "--model", "2017", "--set",
                    "interCharDelay=0", "--set", "interCharDelay=7"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(static_cast<unsigned char>(read(path("out.tpl"))[offsets::interCharDelay]), 7);
    r = run({"props", path("in.tpl"), "-o", path("out2.tpl"), "--model", "2017", "--set",
             "interCharDelay=7", "--set", "interCharDelay=0"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "vornctl: interCharDelay takes 1 to 250\n");
}

TEST_F(PropsCommand, UsageAndFileErrors) {
    write(path("in.tpl"), imageBytes(newTemplateImage(2013)));
    write(path("short.tpl"), "short");
    const std::string in = path("in.tpl");
    const std::string out = path("out.tpl");
    struct Case {
        std::vector<std::string> args;
        const char* message;
    };
    const Case cases[] = {
        {{"props", in, "--set", "beepOnKey=1"},
         "vornctl: --set needs -o OUT\nTry 'vornctl props --help'.\n"},
        {{"props", in, "-o", out, "--set", "beepOnKey"},
         "vornctl: --set takes NAME=VALUE\nTry 'vornctl props --help'.\n"},
        {{"props", in, "-o", out, "--set", "beep=1"},
         "vornctl: unknown setting 'beep'\nTry 'vornctl props --help'.\n"},
        {{"props", in, "--model", "x"},
         "vornctl: --model takes a model id such as 2013\nTry 'vornctl props --help'.\n"},
        {{"props"}, "vornctl: wrong number of arguments\nTry 'vornctl props --help'.\n"},
        {{"props", path("missing.tpl")}, nullptr},
        {{"props", path("short.tpl")}, nullptr},
        {{"props", in, "-o", path("no/such/dir/out.tpl"), "--set", "beepOnKey=1"}, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.back());
        const Result r = run(c.args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        if (c.message)
            EXPECT_EQ(r.err, c.message);
        else
            EXPECT_TRUE(r.err.starts_with("vornctl: ")) << r.err;
    }
    EXPECT_FALSE(std::filesystem::exists(out));

    const Result help = run({"props", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.starts_with("Usage: vornctl props FILE [--model ID]\n"));
    EXPECT_NE(run({"--help"}).out.find("  props     print or change"), std::string::npos);
}

} // namespace
} // namespace vorn::cli
