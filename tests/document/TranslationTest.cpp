// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/Translation.h"

#include <gtest/gtest.h>

namespace vorn::test {
namespace {

TEST(Translation, FillInReplacesEachNumberOnce) {
    const struct {
        const char* text;
        std::initializer_list<std::string_view> arguments;
        const char* filled;
    } cases[] = {
        {"<%1> holds %2 bytes", {"a.tpl", "12"}, "<a.tpl> holds 12 bytes"},
        {"%2 before %1", {"one", "two"}, "two before one"},
        // A file named "%2" stays as it is named.
        {"<%1> and %2", {"%2.tpl", "x"}, "<%2.tpl> and x"},
        {"%3 has no argument, %0 and %% are no numbers, nor is a % at the end %",
         {"a"},
         "%3 has no argument, %0 and %% are no numbers, nor is a % at the end %"},
        {"no placeholder", {"unused"}, "no placeholder"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fillIn(c.text, c.arguments), c.filled) << c.text;
}

// Without a translator (vornctl) every text is its source, byte for byte.
TEST(Translation, TranslatesOnlyWhileATranslatorIsInstalled) {
    EXPECT_EQ(translateText("vorn::Messages", "Save changes to %1?"), "Save changes to %1?");
    std::string seen;
    setTextTranslator([&seen](std::string_view context, std::string_view source) {
        seen = std::string(context) + "|" + std::string(source);
        return std::string("Übersetzt");
    });
    EXPECT_EQ(translateText("vorn::Messages", "Save changes to %1?"), "Übersetzt");
    EXPECT_EQ(seen, "vorn::Messages|Save changes to %1?");
    setTextTranslator({});
    EXPECT_EQ(translateText("vorn::Messages", "Save changes to %1?"), "Save changes to %1?");
}

} // namespace
} // namespace vorn::test
