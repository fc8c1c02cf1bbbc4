// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImageTestSupport.h"
#include "image/KeyTextDecoder.h"
#include "image/KeyTextEncoder.h"

#include <gtest/gtest.h>

namespace vorn {
namespace {

struct EncodeCase {
    std::string text;
    const char* bytes;
};

const EncodeCase encodeCases[] = {
    {"", ""},
    {"AB", "41 42"},
    {"[F1]", "FF 3B"},
    {"[A][B]", "FF 1E 30"},
    {"[a][!]", "FF 1E 02"},
    {"[PrintScreen]", "FF E0 2A E0 37"},
    {"[Mute]", "FF E0 20"},
    {"[PauseBreak][Home]", "FF E1 1D 45 E0 47"},
    {"[Delay25][Separator]abc", "FD 19 FE 61 62 63"},
    {"[Caps]", "FD FC"},
    {"[CR]", "0D"},
    {"a[[b]]c", "61 5B 62 5D 63"},
    {"[ShiftLevel2]", "FF FF FF"},
    {"[ShiftLevel9]", "FF FF FF FF FF FF FF FF FF FF"},
    {"[Delay250]", "FD FA"},
    {"[Delay007]", "FD 07"},
    {"[F1][Delay5][Separator]", "FF 3B FD 05 FE"},
    {"[CR]]]", "5D 0D"},
    {"\xFD\xFE\xFF", "FD FE FF"},
    // Invalid texts that reach the encoder anyway.
    {"[F1", ""},
    {"ab[F1", ""},
    {"[F1]x[F2]", "FF 3C"}, // a plain character after a scan word discards what came before
    {"[F1]xy", "FF"},
    {"ab[Nope]cd", "61 62"}, // cut at the rejected word, without the leading FF
    {"[F1][Nope][F2]", "3B"},
    {"ab[ShiftLevel2]cd", "61 62 FF FF FF"},
    {"[F1]]x", ""}, // "]]" is a literal even inside a word, which stays open
    {"[F1]x]", ""}, // the stray "]" closes "[F1]]", which names nothing
    {"[Delay256]", "FD 00"},
    {"[Delay0]", "FD 00"},
    {"[Del[[ay5]", "5B FD 05"},
    {"[F1]]]", "FF 5D 3B"}, // the pair inside the word comes out first
    {"x]", "78"},           // a stray "]" with no word before names nothing
    {"[[[F1]", "FF 5B 3B"},
    {std::string("[F1\0]", 5), ""}, // a 0x00 inside a word: it names nothing
    {std::string("[F1]\0", 5), "FF"},
    {"[CR]x", "0D 78"},
    {"[F1][CR]", "FF 3B 0D"},
    {"[Caps]a", "FD FC 61"},
};

TEST(EncodeKeyText, TextsGiveTheirBytes) {
    for (const EncodeCase& c : encodeCases)
        EXPECT_EQ(encodeKeyText(c.text), test::hexBytes(c.bytes)) << c.text;
}

// The image has a walk of its own for common texts: its records must hold the same bytes.
TEST(EncodeImage, RecordsHoldTheBytesEncodeKeyTextGives) {
    for (const EncodeCase& c : encodeCases) {
        TemplateImage image = newTemplateImage(2018);
        KeyTexts keyText;
        keyText[keyOrder[0]] = c.text;
        keyText[keyOrder[1]] = c.text;
        encodeImage(image, keyText, 2018);
        std::string expected = test::hexBytes(c.bytes);
        std::erase(expected, '\0');
        expected += '\0';
        EXPECT_EQ(test::keyArea(image).substr(0, 2 * expected.size()), expected + expected)
            << c.text;
    }
}

TEST(EncodedLength, MatchesTheEncoderForValidTexts) {
    for (const char* text :
         {"", "AB", "[F1]", "[Mute]", "[PrintScreen]", "[PauseBreak]", "[Delay25][Separator]abc",
          "[Caps]", "[CR]", "a[[b]]c", "[ShiftLevel2]", "[F1][Delay5][Separator]", "[0E0][0F0]"})
        EXPECT_EQ(encodedLength(text), static_cast<int>(encodeKeyText(text).size())) << text;
    EXPECT_EQ(encodedLength("[Mute]"), 3);
    EXPECT_EQ(encodedLength("[ShiftLevel2]"), 3);
}

TEST(EncodedLength, WalksInvalidTextsByItsOwnRules) {
    EXPECT_EQ(encodedLength("[F1]xy"), 4); // counts the characters the encoder discards
    EXPECT_EQ(encodedLength("[Nope]"), 1); // scan mode, no bytes for the word
    EXPECT_EQ(encodedLength("[F1"), 0);    // an open word counts nothing
    EXPECT_EQ(encodedLength("ab[ShiftLevel2]cd"), 3);
    EXPECT_EQ(encodedLength("]"), 1);
}

TEST(EncodeImage, WritesRecordsInKeyOrderAndTheBlockIndex) {
    TemplateImage image = newTemplateImage(2013);
    const TemplateImage before = image;
    KeyTexts keyText;
    keyText[120] = "AB"; // record 0
    keyText[0] = "[F1]"; // record 127
    encodeImage(image, keyText, 2018);
    std::string expected =
        test::hexBytes("41 42 00") + std::string(126, '\0') + test::hexBytes("FF 3B 00");
    EXPECT_EQ(test::keyArea(image).substr(0, expected.size()), expected);
    EXPECT_EQ(test::hexBytes("22 00 42 00 62 00 84 00 A4 00"),
              std::string(image.begin() + offsets::blockIndex, image.begin() + 2042));
    // The card reader area and the settings bytes are left alone.
    EXPECT_TRUE(std::equal(image.begin() + offsets::track1Prefix,
                           image.begin() + offsets::blockIndex,
                           before.begin() + offsets::track1Prefix));
    EXPECT_TRUE(std::equal(image.begin() + offsets::interCharDelay, image.end(),
                           before.begin() + offsets::interCharDelay));
}

TEST(EncodeImage, Model2013PairsKeys121And160BeforeWriting) {
    TemplateImage image = newTemplateImage(2013);
    KeyTexts keyText;
    keyText[121] = "edited";
    keyText[160] = "kept";
    encodeImage(image, keyText, 2013);
    EXPECT_EQ(keyText[121], "kept");
    KeyTexts decoded;
    decodeImage(image, 2014, decoded);
    EXPECT_EQ(decoded[121], "kept");
    EXPECT_EQ(decoded[160], "kept");
}

TEST(EncodeImage, OverflowKeepsAll176RecordsAndTheLastTerminatorAt1967) {
    TemplateImage image = newTemplateImage(2013);
    KeyTexts keyText;
    keyText.fill(std::string(20, 'x'));
    encodeImage(image, keyText, 2018);
    EXPECT_EQ(validateImage(image), ImageCheck::valid);
    KeyTexts decoded;
    decodeImage(image, 2018, decoded);
    for (int r = 0; r <= 88; ++r)
        EXPECT_EQ(decoded[keyOrder[r]], std::string(20, 'x')) << r;
    EXPECT_EQ(decoded[keyOrder[89]], std::string(12, 'x'));
    for (int r = 90; r < keyNumberCount; ++r)
        EXPECT_EQ(decoded[keyOrder[r]], "") << r;
    EXPECT_EQ(image[1966], 0);
    EXPECT_EQ(image[1967], 0);
    EXPECT_EQ(image[1881], 0);
    EXPECT_EQ(image[1880], 'x');
}

TEST(EncodeImage, OverflowLeavesBytesAfterTheLastTerminatorAsTheyWere) {
    TemplateImage image = newTemplateImage(2013);
    image[1967] = 'q';
    KeyTexts keyText;
    keyText[120] = std::string(100, 'x');
    encodeImage(image, keyText, 2018);
    EXPECT_EQ(image[100 + 176 - 1], 0); // last terminator
    EXPECT_EQ(image[1967], 'q');
}

TEST(EncodeImage, OverflowByALongScanRecordIsCutInsideIt) {
    TemplateImage image = newTemplateImage(2013);
    KeyTexts keyText;
    std::string mute;
    for (int i = 0; i < 10; ++i)
        mute += "[Mute]";
    keyText.fill(mute); // 21 bytes each
    encodeImage(image, keyText, 2013);
    std::size_t pos = 0;
    for (int r = 0; r < keyNumberCount; ++r)
        decodeRecord(image, pos);
    EXPECT_EQ(pos, offsets::keyAreaSize);
    EXPECT_EQ(validateImage(image), ImageCheck::valid);
}

TEST(EncodeImage, NeverStoresAZeroContentByte) {
    TemplateImage image = newTemplateImage(2018);
    KeyTexts keyText;
    keyText[120] = std::string("a\0b", 3); // record 0
    keyText[121] = "[Delay256]x";          // record 1: FD 00 78
    keyText[122] = "[F1]";                 // record 2
    encodeImage(image, keyText, 2018);
    EXPECT_EQ(test::keyArea(image).substr(0, 10), test::hexBytes("61 62 00 FD 78 00 FF 3B 00 00"));
    KeyTexts decoded;
    decodeImage(image, 2018, decoded);
    EXPECT_EQ(decoded[122], "[F1]");
}

TEST(EncodeImage, FittingTextsFillTheKeyAreaExactly) {
    // 1792 content bytes in all: every record fits, the last terminator is byte 1967.
    TemplateImage image = newTemplateImage(2018);
    KeyTexts keyText;
    keyText.fill(std::string(10, 'y'));
    keyText[keyOrder[175]] = std::string(42, 'z');
    encodeImage(image, keyText, 2018);
    KeyTexts decoded;
    decodeImage(image, 2018, decoded);
    EXPECT_EQ(decoded, keyText);
    EXPECT_EQ(image[1967], 0);
    EXPECT_EQ(image[1966], 'z');
}

} // namespace
} // namespace vorn
