// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImageTestSupport.h"
#include "image/KeyTextDecoder.h"

#include <gtest/gtest.h>

namespace vorn {
namespace {

std::string decodeFirst(std::string_view hex, std::size_t* endPos = nullptr) {
    const TemplateImage image = test::imageWithKeyArea(test::hexBytes(hex));
    std::size_t pos = 0;
    std::string text = decodeRecord(image, pos);
    if (endPos)
        *endPos = pos;
    return text;
}

TEST(DecodeRecord, RecordsGiveTheirKeyTexts) {
    struct Case {
        const char* record;
        std::string text;
    };
    const Case cases[] = {
        {"00", ""},
        {"41 42 00", "AB"},
        {"5B 41 5D 00", "[[A]]"},
        {"0D 00", "[CR]"},
        {"FD 05 00", "[Delay5]"},
        {"FD FC 00", "[Caps]"},
        {"FD FB 00", "[Delay251]"},
        {"FE 61 00", "[Separator]a"},
        {"61 FF FC 00", "a\xFF\xFC"},
        {"FF 3B 00", "[F1]"},
        {"FF 1E 30 00", "[A][B]"},
        {"FF 0D 00", "[=]"},
        {"FF 2B 00", "[\\]"},
        {"FF FF FF FF 00", "[ShiftLevel3]"},
        {"FF 1E FF FF 00", "[A][ShiftLevel2]"},
        {"FF 00", ""},
        {"FF FD FC 00", ""},
        {"FF FD FB 00", "[Delay249]"},
        {"FF FD FA 00", "[Delay250]"},
        {"FF FD 07 FE 00", "[Delay7][Separator]"},
        {"FF E0 F0 00", "[0E0][0F0]"},
        {"FF E0 47 00", "[Home]"},
        {"FF E0 1E 00", ""},
        {"FF E0 2A E0 37 00", "[PrintScreen]"},
        {"FF E1 1D 45 00", "[PauseBreak]"},
        {"FF F0 1E 00", "[0F0][A]"},
        {"FF 55 00", ""},
        // Broken patterns consume the bytes examined, up to the one that breaks them.
        {"FF E0 2A 1E 30 00", "[B]"},
        {"FF E0 2A E0 1E 30 00", "[B]"},
        {"FF E1 1E 30 00", "[B]"},
        {"FF E1 1D 1E 30 00", "[B]"},
        {"FF E0 E0 47 00", "[PAD7]"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(decodeFirst(c.record), c.text) << c.record;
}

TEST(DecodeRecord, ATerminatorInsideASequenceEndsTheRecord) {
    const char* cases[] = {"FF 1E E0 00",    "FF 1E E1 00",       "FF 1E E1 1D 00",
                           "FF 1E E0 2A 00", "FF 1E E0 2A E0 00", "FF 1E FD 00"};
    for (const char* record : cases) {
        std::size_t pos = 0;
        const std::string hex = std::string(record) + " 42 00";
        EXPECT_EQ(decodeFirst(hex, &pos), "[A]") << record;
        EXPECT_EQ(pos, test::hexBytes(record).size()) << record;
    }
    std::size_t pos = 0;
    EXPECT_EQ(decodeFirst("41 FD 00 42 00", &pos), "A");
    EXPECT_EQ(pos, 3u);
}

TEST(DecodeRecord, NeverReadsBeyondTheImage) {
    TemplateImage image{};
    image.fill('a');
    std::size_t pos = 2040;
    EXPECT_EQ(decodeRecord(image, pos), "aaaaaaaa");
    EXPECT_EQ(pos, imageSize);
    EXPECT_EQ(decodeRecord(image, pos), "");
    EXPECT_EQ(pos, imageSize);

    image[2046] = 0xFF;
    image[2047] = 0xE0; // unfinished sequence at the very end
    pos = 2046;
    EXPECT_EQ(decodeRecord(image, pos), "");
    image[2047] = 0xFD;
    pos = 2047;
    EXPECT_EQ(decodeRecord(image, pos), ""); // a delay code cut off by the image's end
}

TEST(DecodeImage, PlacesRecordsByKeyOrder) {
    // Record 0 is key 120, record 1 key 121, record 127 key 0.
    std::string records = test::hexBytes("41 00 FF 3B 00");
    records += std::string(125, '\0');
    records += test::hexBytes("7A 00");
    TemplateImage image = test::imageWithKeyArea(records);
    KeyTexts keyText;
    decodeImage(image, 2018, keyText);
    EXPECT_EQ(keyText[120], "A");
    EXPECT_EQ(keyText[121], "[F1]");
    EXPECT_EQ(keyText[0], "z");
    EXPECT_EQ(keyText[1], "");
}

TEST(DecodeImage, Model2013ShowsKey160OnKey121UnlessEmpty) {
    // Key 121 is record 1, key 160 is record 175.
    std::string records =
        test::hexBytes("00 41 00") + std::string(173, '\0') + test::hexBytes("42 00");
    TemplateImage image = test::imageWithKeyArea(records);
    KeyTexts keyText;
    decodeImage(image, 2013, keyText);
    EXPECT_EQ(keyText[121], "B");
    EXPECT_EQ(keyText[160], "B");
    decodeImage(image, 2014, keyText);
    EXPECT_EQ(keyText[121], "A");

    image[176] = 0; // key 160 now empty
    decodeImage(image, 2013, keyText);
    EXPECT_EQ(keyText[121], "A");
    EXPECT_EQ(keyText[160], "A");
}

TEST(DecodeImage, AShortKeyAreaLeavesTheLastKeysEmpty) {
    TemplateImage image = newTemplateImage(2018);
    std::fill_n(image.begin(), imageSize, 'q'); // no terminator anywhere
    image[0] = 0;                               // record 0 empty, record 1 runs to the end
    KeyTexts keyText;
    keyText.fill("stale");
    decodeImage(image, 2018, keyText);
    EXPECT_EQ(keyText[keyOrder[0]], "");
    EXPECT_EQ(keyText[keyOrder[1]], std::string(2047, 'q'));
    for (int r = 2; r < keyNumberCount; ++r)
        EXPECT_EQ(keyText[keyOrder[r]], "") << r;

    image[0] = 'q'; // no terminator at all: record 0 runs to the end, 175 records after it
    decodeImage(image, 2018, keyText);
    EXPECT_EQ(keyText[keyOrder[0]], std::string(imageSize, 'q'));
    for (int r = 1; r < keyNumberCount; ++r)
        EXPECT_EQ(keyText[keyOrder[r]], "") << r;
}

TEST(DecodeImage, RandomImagesDecodeWithoutFault) {
    std::uint32_t seed = 12345;
    auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<std::uint8_t>(seed >> 24);
    };
    KeyTexts keyText;
    for (int round = 0; round < 300; ++round) {
        TemplateImage image;
        // Mostly non-zero bytes, so records run long and often off the end.
        const int zeroOneIn = 2 + round % 60;
        for (auto& b : image) {
            b = next();
            if (b % zeroOneIn == 0)
                b = 0;
        }
        decodeImage(image, 2013, keyText);
        std::size_t pos = 0;
        for (int r = 0; r < keyNumberCount; ++r) {
            decodeRecord(image, pos);
            ASSERT_LE(pos, imageSize);
        }
    }
}

} // namespace
} // namespace vorn
