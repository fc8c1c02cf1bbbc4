// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/KeyTextEscape.h"

#include <gtest/gtest.h>

namespace vorn {
namespace {

TEST(KeyTextEscape, EscapesBackslashesAndNonPrintableBytes) {
    EXPECT_EQ(escapeKeyText("[F1]ab ~"), "[F1]ab ~");
    EXPECT_EQ(escapeKeyText("a\\b"), "a\\\\b");
    EXPECT_EQ(escapeKeyText(std::string("\x00\x1F\x7F\xFF\t", 5)), "\\x00\\x1f\\x7f\\xff\\x09");
}

} // namespace
} // namespace vorn
