// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/KeyCapLabels.h"

#include "document/Files.h"
#include "support/TestFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace vorn {
namespace {

using test::TestFolder;

TEST(KeyCapLabels, FileLinesRoundTrip) {
    struct Case {
        int key;
        std::string label, line;
    };
    const std::vector<Case> cases = {
        {0, "Coffee", "0\tCoffee"},
        {17, "TOTAL\nincl. tax", "17\tTOTAL\\nincl. tax"},
        {42, "C:\\till\\n", "42\tC:\\\\till\\\\n"},
        {99, "Käse 5 €\n\nÆble", "99\tKäse 5 €\\n\\nÆble"},
        {175, "  spaced  ", "175\t  spaced  "},
    };
    KeyCapLabels labels;
    std::string expected;
    for (const Case& c : cases) {
        labels[c.key] = c.label;
        expected += c.line + "\n";
    }
    EXPECT_EQ(formatLabels(labels), expected);
    const LabelsRead read = parseLabels(expected);
    EXPECT_TRUE(read.problems.empty());
    EXPECT_EQ(read.labels, labels);
}

TEST(KeyCapLabels, RefusesLabelsTheSheetCannotHold) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"a\tb", "a label cannot hold a TAB"},
        {"a\rb", "a label cannot hold control characters"},
        {"\x7f", "a label cannot hold control characters"},
        {"\xc3", "the label is not valid UTF-8 text"},
        {"\xc0\xaf", "the label is not valid UTF-8 text"},
        {"\xed\xa0\x80", "the label is not valid UTF-8 text"},
        {"1\n2\n3\n4", "a label has at most 3 lines"},
        {std::string(25, 'x'), "a label line has more than 24 characters"},
    };
    for (const auto& [label, problem] : cases)
        EXPECT_EQ(labelProblem(label).value_or("(none)"), problem) << label;
    EXPECT_EQ(labelProblem("1\n2\n" + std::string(24, 'x')), std::nullopt);
    // 24 characters of two bytes each.
    std::string umlauts;
    for (int i = 0; i < 24; ++i)
        umlauts += "ü";
    EXPECT_EQ(labelProblem(umlauts), std::nullopt);
}

TEST(KeyCapLabels, MalformedLinesAreReportedAndTheRestRead) {
    const LabelsRead read = parseLabels("3\tTea\r\n"
                                        "\n"
                                        "Coffee\n"
                                        "176\tToo far\n"
                                        "-1\tBefore\n"
                                        "x5\tNumber\n"
                                        "7\tBad \\t escape\n"
                                        "8\tTab\there\n"
                                        "9\tMilk");
    EXPECT_EQ(read.labels[3], "Tea");
    EXPECT_EQ(read.labels[9], "Milk");
    EXPECT_EQ(read.labels[7], "");
    EXPECT_EQ(read.problems, (std::vector<std::string>{
                                 "line 3: a key number and a TAB must begin the line",
                                 "line 4: the key number must be 0 to 175",
                                 "line 5: the key number must be 0 to 175",
                                 "line 6: the key number must be 0 to 175",
                                 "line 7: a backslash must be followed by n or another backslash",
                                 "line 8: a label cannot hold a TAB",
                             }));
}

TEST(KeyCapLabels, FileIsWrittenBesideTheTemplateAndRemovedWithTheLastLabel) {
    TestFolder folder;
    const std::string tpl = folder.path("shop.tpl");
    EXPECT_EQ(labelFilePath(tpl), tpl + ".labels");
    LabelFileRead none = readLabelFile(tpl);
    EXPECT_EQ(none.error, 0);
    EXPECT_FALSE(hasLabels(none.read.labels));

    KeyCapLabels labels;
    labels[5] = "Espresso";
    ASSERT_EQ(writeLabelFile(tpl, labels), 0);
    EXPECT_EQ(TestFolder::read(tpl + ".labels"), "5\tEspresso\n");
    EXPECT_EQ(readLabelFile(tpl).read.labels, labels);
    EXPECT_EQ(folder.fileCount(), 1);

    ASSERT_EQ(writeLabelFile(tpl, KeyCapLabels{}), 0);
    EXPECT_FALSE(std::filesystem::exists(tpl + ".labels"));
    EXPECT_EQ(writeLabelFile(tpl, KeyCapLabels{}), 0);

    std::filesystem::create_directory(tpl + ".labels");
    EXPECT_EQ(writeLabelFile(tpl, KeyCapLabels{}), notRegularFile);
    EXPECT_EQ(readLabelFile(tpl).error, notRegularFile);
}

} // namespace
} // namespace vorn
