// SPDX-License-Identifier: GPL-3.0-or-later
// vornctl labels and legend.
#include "CliTest.h"
#include "support/PdfWords.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace vorn::cli {
namespace {

class LabelCommands : public test::CliTest {
protected:
    void SetUp() override { ASSERT_EQ(run({"new", "-o", shop(), "--model", "2017"}).status, 0); }
    std::string shop() const { return path("shop.tpl"); }
    std::string labelsFile() const { return shop() + ".labels"; }

    // vornctl as its own process without a display, as a user's script runs legend.
    test::Result runProgram(const std::vector<std::string>& args) const {
        return runShell(std::string("env -u DISPLAY -u WAYLAND_DISPLAY ") + VORN_VORNCTL_BINARY,
                        args);
    }
};

TEST_F(LabelCommands, SetPrintAndClearLabels) {
    test::Result r = run({"labels", shop()});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");

    r = run({"labels", shop(), "--set", "105=Coffee", "--set", "106=TOTAL\\nSALE", "--set",
             "107=a\\\\b", "--set", "108=Caf\xC3\xA9", "--set", "109=gone", "--clear", "109"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string expected = "105\tCoffee\n106\tTOTAL\\nSALE\n107\ta\\\\b\n108\tCaf\xC3\xA9\n";
    EXPECT_EQ(read(labelsFile()), expected);
    EXPECT_EQ(run({"labels", shop()}).out, expected);

    // The last label cleared removes the file.
    r = run(
        {"labels", shop(), "--clear", "105", "--clear", "106", "--clear", "107", "--clear", "108"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_FALSE(std::filesystem::exists(labelsFile()));
}

TEST_F(LabelCommands, RefusedAndMalformedChangesWriteNothing) {
    write(labelsFile(), "105\tCoffee\n");
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string message;
    };
    const Case cases[] = {
        {{"--set", "105=a\tb"}, 1, "vornctl: key 105: "},
        {{"--set", "105=a\\nb\\nc\\nd"}, 1, "vornctl: key 105: "},
        {{"--set", "105=" + std::string(25, 'x')}, 1, "vornctl: key 105: "},
        {{"--set", "105=\xFF"}, 1, "vornctl: key 105: "},
        {{"--set", "176=x"}, 2, "vornctl: --set takes KEY=TEXT"},
        {{"--set", "Coffee"}, 2, "vornctl: --set takes KEY=TEXT"},
        {{"--set", "105=a\\tb"}, 2, "vornctl: key 105: a backslash in TEXT must start"},
        {{"--clear", "x"}, 2, "vornctl: --clear takes a key number"},
        {{"--set", "106=ok", "--set", "107=a\tb"}, 1, "vornctl: key 107: "},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args{"labels", shop()};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const test::Result r = run(args);
        EXPECT_EQ(r.status, c.status) << c.args.back();
        EXPECT_TRUE(r.err.starts_with(c.message)) << r.err;
        EXPECT_EQ(read(labelsFile()), "105\tCoffee\n") << c.args.back();
    }
    const test::Result r = run({"labels", path("missing.tpl")});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "vornctl: " + path("missing.tpl") + ": No such file or directory\n");
}

TEST_F(LabelCommands, MalformedLinesAreReportedAndTheRestRead) {
    write(labelsFile(), "105\tCoffee\nnot a line\n300\tToo far\n106\tTea\n");
    test::Result r = run({"labels", shop()});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "105\tCoffee\n106\tTea\n");
    const auto messages = lines(r.err);
    ASSERT_EQ(messages.size(), 2u) << r.err;
    EXPECT_TRUE(messages[0].starts_with("vornctl: " + labelsFile() + ", line 2: ")) << r.err;
    EXPECT_TRUE(messages[1].starts_with("vornctl: " + labelsFile() + ", line 3: ")) << r.err;
    // A change keeps the good lines only, as the editor's Save does.
    r = run({"labels", shop(), "--set", "107=Milk"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(read(labelsFile()), "105\tCoffee\n106\tTea\n107\tMilk\n");
}

TEST_F(LabelCommands, LegendWritesTheLabelsAndOptionallyKeyTexts) {
    ASSERT_EQ(run({"build", "-o", shop(), "--model", "2017"}, "105\tespresso\n106\ttea\n").status,
              0);
    ASSERT_EQ(run({"labels", shop(), "--set", "105=Coffee"}).status, 0);
    const std::string pdf = path("sheet.pdf");
    test::Result r = runProgram({"legend", shop(), "-o", pdf, "--model", "2017"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    auto pages = vorn::test::readPdfWords(pdf);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_NEAR(pages[0].width, 297, 0.5); // A4 across
    EXPECT_TRUE(pages[0].has("Coffee") || pages[1].has("Coffee"));
    EXPECT_FALSE(pages[0].has("tea") || pages[1].has("tea"));
    EXPECT_NE(pages[0].text().find("Template: shop.tpl"), std::string::npos);
    EXPECT_NE(pages[0].text().find("Model: TR3050"), std::string::npos);

    r = runProgram({"legend", shop(), "-o", pdf, "--model", "2017", "--key-texts", "--pitch",
                    "12.5", "--paper", "letter"});
    ASSERT_EQ(r.status, 0) << r.err;
    pages = vorn::test::readPdfWords(pdf);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NEAR(pages[0].width, 279.4, 0.5);
    EXPECT_TRUE(pages[0].has("Coffee"));
    EXPECT_TRUE(pages[0].has("tea"));
    EXPECT_FALSE(pages[0].has("espresso"));
    EXPECT_NE(pages[0].text().find("Printed at pitch 12.5 mm"), std::string::npos);
}

TEST_F(LabelCommands, LegendRefusesBadOptionsAndFiles) {
    const std::string pdf = path("sheet.pdf");
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const Case cases[] = {
        {{"legend", shop(), "-o", pdf, "--pitch", "5"}, "vornctl: --pitch takes millimetres"},
        {{"legend", shop(), "-o", pdf, "--pitch", "19,05"}, "vornctl: --pitch takes millimetres"},
        {{"legend", shop(), "-o", pdf, "--paper", "a3"}, "vornctl: --paper takes a4, letter"},
        {{"legend", shop(), "-o", "-"}, "vornctl: -o takes the PDF file's name"},
        {{"legend", shop()}, "vornctl: missing option -o"},
        {{"legend", path("missing.tpl"), "-o", pdf}, "The template file: <"},
        {{"legend", shop(), "-o", folder.dir().string()}, "vornctl: "},
        {{"legend", shop(), "-o", path("no/such/folder.pdf")}, "vornctl: "},
    };
    for (const Case& c : cases) {
        const test::Result r = run(c.args);
        EXPECT_EQ(r.status, 2) << c.args.back();
        EXPECT_TRUE(r.err.starts_with(c.message)) << r.err;
    }
    EXPECT_FALSE(std::filesystem::exists(pdf));
}

} // namespace
} // namespace vorn::cli
