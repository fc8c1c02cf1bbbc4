// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/KeyTextChecks.h"

#include <gtest/gtest.h>

namespace vorn {
namespace {

TEST(KeyTextChecks, ModesAcceptTheirTexts) {
    struct Case {
        std::string text;
        bool ascii;
        bool scan;
    };
    const Case cases[] = {
        {"", true, true},
        {"abc[CR]", true, false},
        {"[F1]", false, true},
        {"[F1]a", false, false},
        {"[Delay5][Separator]", true, true},
        {"[[", true, false},
        {"]]", true, false},
        {"a[[b]]c", true, false},
        {"]", false, false},
        {"[", false, false},
        {"[F1", false, false},
        {"[Delay250]", true, true},
        {"[Delay007]", true, true},
        {"[Delay251]", false, false},
        {"[Delay0]", false, false},
        {"[Delay]", false, false},
        {"[Delay1000]", false, false},
        {"[ShiftLevel9]", true, false},
        {"[ShiftLevel1]", true, false},
        {"[ShiftLevel0]", false, false},
        {"[ShiftLevel10]", false, false},
        {"x[ShiftLevel1]", false, false},
        {"[ShiftLevel1]x", false, false},
        {"[Mute]", false, true},
        {"[0F0]", false, true},
        {"[0E0][A]", false, true},
        {"[Caps]", true, false},
        {"[CR][F1]", false, false},
        {"[a][!][\"][|]", false, true},
        {"[Pad1]", false, false},
        {"[f1]", false, false},
        {"[F1][[F2]", false, false},
        {"[[F1]", false, false}, // a literal bracket, then a stray "]"
        {"[F[1]", false, false},
        {"\x01\xFC\xFF", true, false},
        {"a\rb", true, false}, // kept as 0x0D, the byte of [CR]
        // What cannot be stored as written: a 0x00 ends the record, a 0xFD takes the next byte
        // as its operand, a 0xFE is the level separator, a 0xFF first starts a scan code.
        {std::string("a\0b", 3), false, false},
        {std::string("\0", 1), false, false},
        {"\xFD", false, false},
        {"a\xFD"
         "b",
         false, false},
        {"\xFE", false, false},
        {"[Delay5]\xFE", false, false},
        {"\xFF"
         "A",
         false, false},
        {"\xFF", false, false},
        {"A\xFF", true, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(isAsciiText(c.text), c.ascii) << c.text;
        EXPECT_EQ(isScanText(c.text), c.scan) << c.text;
        EXPECT_EQ(isValidKeyText(c.text), c.ascii || c.scan) << c.text;
    }
}

TEST(KeyTextChecks, FirstInvalidKeyTextIsFoundInKeyNumberOrder) {
    KeyTexts keyText;
    EXPECT_FALSE(firstInvalidKeyText(keyText).has_value());
    keyText[175] = "[Nope]";
    keyText[12] = "[F1";
    EXPECT_EQ(firstInvalidKeyText(keyText), 12);
}

TEST(DecimalDisplayForm, ShowsCharactersAsCodesAndKeepsFunctionWords) {
    struct Case {
        std::string text;
        std::string decimal;
    };
    const Case cases[] = {
        {"", ""},
        {"Ab[CR]", "[65][98][CR]"},
        {"a[[b", "[97][98]"},
        {"[F1]", ""},
        {" ", "[32]"},
        {"\xFF", ""},
        {"a\xFF", "[97][255]"},
        {"a\xFE", ""},
        {"[Delay5][Separator][Caps]x", "[Delay5][Separator][Caps][120]"},
        {"[ShiftLevel4]", "[ShiftLevel4]"},
        {"a]", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(decimalDisplayForm(c.text), c.decimal) << c.text;
}

TEST(KeyTextChecks, MessagesAreExact) {
    EXPECT_EQ(wrongKeyTextMessage, "Wrong function word or scan code word!!");
    EXPECT_EQ(wrongAsciiTextMessage, "Wrong ASCII or function word!!");
}

} // namespace
} // namespace vorn
