// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/DumpFormat.h"

#include <gtest/gtest.h>

namespace vorn::cli {
namespace {

TEST(DumpFormat, ParsesWhatItWritesForEveryByte) {
    std::string all;
    for (int c = 0; c < 256; ++c)
        all += static_cast<char>(c);
    std::string error;
    const auto line = parseDumpLine("175\t" + escapeKeyText(all), error);
    ASSERT_TRUE(line) << error;
    EXPECT_EQ(line->keyNumber, 175);
    EXPECT_EQ(line->keyText, all);
}

TEST(DumpFormat, AcceptsUpperCaseHexAndEmptyTexts) {
    std::string error;
    const auto line = parseDumpLine("007\t\\xFF", error);
    ASSERT_TRUE(line);
    EXPECT_EQ(line->keyNumber, 7);
    EXPECT_EQ(line->keyText, "\xFF");
    EXPECT_EQ(parseDumpLine("0\t", error)->keyText, "");
}

TEST(DumpFormat, RejectsMalformedLines) {
    for (const char* bad : {"", "12", "x\tA", "176\tA", "-1\tA", "1000\t", " 1\tA", "1\ta\\",
                            "1\ta\\q", "1\t\\x4", "1\t\\xG1", "1\ta\tb", "1\ta\r", "+1\tA"}) {
        std::string error;
        EXPECT_FALSE(parseDumpLine(bad, error)) << bad;
        EXPECT_FALSE(error.empty()) << bad;
    }
}

} // namespace
} // namespace vorn::cli
