// SPDX-License-Identifier: GPL-3.0-or-later
// vornctl end to end: commands run on small files in a temporary folder.
#include "cli/Vornctl.h"

#include "CliTest.h"
#include "image/KeyTextEncoder.h"
#include "image/TemplateImage.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace vorn::cli {
namespace {

namespace fs = std::filesystem;

using Vornctl = test::CliTest;
using test::Result;

TEST_F(Vornctl, HelpListsTheCommands) {
    const Result r = run({"--help"});
    EXPECT_EQ(r.status, 0);
    for (const char* command : {"new", "check", "dump", "build", "diff"})
        EXPECT_NE(r.out.find(std::string("  ") + command), std::string::npos) << command;
    const Result one = run({"build", "--help"});
    EXPECT_EQ(one.status, 0);
    EXPECT_NE(one.out.find("Usage: vornctl build -o OUT"), std::string::npos);
}

TEST_F(Vornctl, VersionNamesTheLicence) {
    for (const char* word : {"--version", "version"}) {
        const Result r = run({word});
        EXPECT_EQ(r.status, 0);
        EXPECT_TRUE(r.out.starts_with("vornctl ")) << r.out;
        EXPECT_NE(r.out.find("\nLicense GPL-3.0-or-later: "), std::string::npos) << r.out;
    }
}

TEST_F(Vornctl, UsageErrorsExitWithTwo) {
    EXPECT_EQ(run({}).status, 2);
    EXPECT_EQ(run({"frobnicate"}).status, 2);
    EXPECT_EQ(run({"new"}).status, 2);       // no -o
    EXPECT_EQ(run({"new", "-o"}).status, 2); // -o without a value
    EXPECT_EQ(run({"new", "-o", path("x"), "--bogus"}).status, 2);
    EXPECT_EQ(run({"new", "-o", path("x"), "--model", "20x"}).status, 2);
    EXPECT_EQ(run({"check"}).status, 2);
    EXPECT_EQ(run({"check", "a", "b"}).status, 2);
    EXPECT_FALSE(fs::exists(path("x")));
}

TEST_F(Vornctl, NewWritesTheModelsEmptyTemplate) {
    for (int model : {2013, 2018, 4242}) {
        const std::string out = path("new.tpl");
        EXPECT_EQ(run({"new", "-o", out, "--model", std::to_string(model)}).status, 0);
        EXPECT_EQ(read(out), imageBytes(newTemplateImage(model))) << model;
    }
    EXPECT_EQ(run({"new", "-o", path("default.tpl")}).status, 0);
    EXPECT_EQ(read(path("default.tpl")), imageBytes(newTemplateImage(2013)));
}

TEST_F(Vornctl, CheckReportsTheLoadWarningAndTheFirstInvalidKey) {
    TemplateImage image = newTemplateImage(2013);
    write(path("ok.tpl"), imageBytes(image) + "trailing bytes are ignored");
    EXPECT_EQ(run({"check", path("ok.tpl")}).status, 0);

    image[offsets::interCharDelay] = 0;
    write(path("corrupt.tpl"), imageBytes(image));
    Result r = run({"check", path("corrupt.tpl")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, std::string(corruptedImageMessage) + "\n");

    // Key 0 is record 127; an ASCII delay above 250 decodes to an invalid text.
    image = newTemplateImage(2013);
    image[127] = 0xFD;
    image[128] = 0xFB;
    image[129] = 0;
    write(path("badkey.tpl"), imageBytes(image));
    r = run({"check", path("badkey.tpl")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Wrong function word or scan code word!!\nkey 0\n");
}

TEST_F(Vornctl, ShortOrMissingFilesAreFileErrors) {
    write(path("short.tpl"), std::string(2047, '\0'));
    Result r = run({"check", path("short.tpl")});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find(path("short.tpl")), std::string::npos);
    EXPECT_NE(r.err.find("2047"), std::string::npos);
    EXPECT_EQ(run({"dump", path("missing.tpl")}).status, 2);
    EXPECT_EQ(run({"build", "-o", path("o.tpl"), "--base", path("missing.tpl")}).status, 2);
    EXPECT_EQ(run({"new", "-o", path("no/such/folder/x.tpl")}).status, 2);
}

TEST_F(Vornctl, DumpPrintsEveryKeyEscaped) {
    TemplateImage image = newTemplateImage(2018);
    KeyTexts keyText;
    keyText[0] = "a\\b";
    keyText[5] = "[F1][Mute]";
    keyText[175] = "\x01\xE9";
    encodeImage(image, keyText, 2018);
    write(path("t.tpl"), imageBytes(image));
    const Result r = run({"dump", path("t.tpl"), "--model", "2018"});
    EXPECT_EQ(r.status, 0);
    std::istringstream lines(r.out);
    std::string line;
    int count = 0;
    while (std::getline(lines, line)) {
        std::string expected = std::to_string(count) + "\t";
        if (count == 0)
            expected += "a\\\\b";
        else if (count == 5)
            expected += "[F1][Mute]";
        else if (count == 175)
            expected += "\\x01\\xe9";
        EXPECT_EQ(line, expected);
        ++count;
    }
    EXPECT_EQ(count, 176);
}

TEST_F(Vornctl, BuildThenDumpGivesTheTextsBack) {
    const std::string input = "3\tfirst\n5\t[F1][Delay5]\n3\ta\\\\b\\x0d\n175\t[ShiftLevel2]";
    const Result b = run({"build", "-o", path("b.tpl"), "--model", "2014"}, input);
    ASSERT_EQ(b.status, 0) << b.err;
    const Result d = run({"dump", path("b.tpl"), "--model", "2014"});
    EXPECT_NE(d.out.find("\n3\ta\\\\b[CR]\n"), std::string::npos); // later line wins
    EXPECT_NE(d.out.find("\n5\t[F1][Delay5]\n"), std::string::npos);
    EXPECT_NE(d.out.find("\n175\t[ShiftLevel2]\n"), std::string::npos);
    // The rest of the image is the model's new template.
    const std::string bytes = read(path("b.tpl"));
    const TemplateImage fresh = newTemplateImage(2014);
    EXPECT_EQ(
        bytes.substr(offsets::track1Prefix, 64),
        std::string(fresh.begin() + offsets::track1Prefix, fresh.begin() + offsets::blockIndex));
}

TEST_F(Vornctl, BuildStartsFromABaseAndPairsModel2013Keys) {
    ASSERT_EQ(run({"build", "-o", path("base.tpl")}, "10\tten\n160\tshared\n").status, 0);
    ASSERT_EQ(
        run({"build", "-o", path("out.tpl"), "--base", path("base.tpl")}, "11\televen\n").status,
        0);
    const Result d = run({"dump", path("out.tpl")});
    EXPECT_NE(d.out.find("\n10\tten\n11\televen\n"), std::string::npos);
    EXPECT_NE(d.out.find("\n121\tshared\n"), std::string::npos);
}

TEST_F(Vornctl, BuildRefusesInvalidTextsAndKeepsTheOldFile) {
    write(path("out.tpl"), "old contents");
    Result r = run({"build", "-o", path("out.tpl")}, "9\t[F1]\n4\t[Nope]\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Wrong function word or scan code word!!\nkey 4\n");
    EXPECT_EQ(read(path("out.tpl")), "old contents");

    // Bytes a record cannot keep as written: a 0x00 would end it, a 0xFD would make
    // "[Delay65]" of "\xfdA", a 0xFE "[Separator]", a 0xFF first "[F7]" of "\xffA".
    for (const char* line :
         {"7\t\\xffA\n", "7\ta\\x00b\n", "7\t\\xff\n", "7\t\\xfdA\n", "7\ta\\xfe\n"}) {
        r = run({"build", "-o", path("out.tpl")}, line);
        EXPECT_EQ(r.status, 1) << line;
        EXPECT_EQ(r.err, "Wrong function word or scan code word!!\nkey 7\n") << line;
        EXPECT_EQ(read(path("out.tpl")), "old contents");
    }

    r = run({"build", "-o", path("out.tpl"), "--no-check"}, "4\t[Nope]\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(read(path("out.tpl")).size(), imageSize);
}

TEST_F(Vornctl, BuildRefusesTextsThatDoNotFit) {
    write(path("out.tpl"), "old contents");
    std::string input;
    for (int key = 0; key < 100; ++key)
        input += std::to_string(key) + "\t" + std::string(20, 'x') + "\n";
    const Result r = run({"build", "-o", path("out.tpl")}, input);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("The key texts need 208 bytes more"), std::string::npos) << r.err;
    EXPECT_EQ(read(path("out.tpl")), "old contents");
}

TEST_F(Vornctl, BuildNamesTheMalformedLine) {
    write(path("out.tpl"), "old contents");
    const Result r = run({"build", "-o", path("out.tpl")}, "1\tok\n2\tok\n999\tno\n");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("line 3"), std::string::npos);
    EXPECT_EQ(read(path("out.tpl")), "old contents");
    // No temporary file is left behind.
    EXPECT_EQ(folder.fileCount(), 1);
}

TEST_F(Vornctl, DiffShowsDifferentKeysAndSettingsAsCmpExits) {
    ASSERT_EQ(run({"build", "-o", path("a.tpl")}, "0\tsame\n12\t[F1]\n").status, 0);
    ASSERT_EQ(run({"build", "-o", path("b.tpl"), "--base", path("a.tpl")}, "12\t[F2]\n13\tx\\\\\n")
                  .status,
              0);
    std::string b = read(path("b.tpl"));
    b[offsets::interCharDelay] = 0x05;
    b[offsets::cardPrefix] = 0x3B;
    b[offsets::blockIndex] ^= 1; // derived from the key area: not a setting
    write(path("b.tpl"), b);

    Result r = run({"diff", path("a.tpl"), path("a.tpl")});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "");
    r = run({"diff", path("a.tpl"), path("b.tpl")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "-12\t[F1]\n+12\t[F2]\n-13\t\n+13\tx\\\\\n2024\tff\t3b\n2042\t02\t05\n");
    EXPECT_EQ(r.err, "");

    write(path("short.tpl"), "short");
    for (const auto& [a, other] :
         {std::pair{"missing.tpl", "a.tpl"}, std::pair{"a.tpl", "short.tpl"}}) {
        r = run({"diff", path(a), path(other)});
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err, "");
    }
    EXPECT_EQ(run({"diff", path("a.tpl")}).status, 2);
}

} // namespace
} // namespace vorn::cli
