// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/CardField.h"

#include "ImageTestSupport.h"

#include <gtest/gtest.h>

namespace vorn {
namespace {

std::string field(const TemplateImage& image, std::size_t offset, std::size_t size) {
    return {image.begin() + offset, image.begin() + offset + size};
}

TEST(CardField, ControlBytesShowAsWordsAndComeBackByteForByte) {
    TemplateImage image = newTemplateImage(2013);
    image[offsets::track1Prefix] = 0x0D;
    image[offsets::track1Prefix + 1] = 0x0A;
    const std::string before = field(image, offsets::track1Prefix, 8);
    const std::string text = decodeCardField(image, offsets::track1Prefix, 8);
    EXPECT_EQ(text, "[CR][LF]");
    encodeCardField(text, image, offsets::track1Prefix, 8);
    EXPECT_EQ(field(image, offsets::track1Prefix, 8), before);
}

TEST(CardField, DecodingStopsAtTheFirstEmptyByteOrTheFieldEnd) {
    TemplateImage image = newTemplateImage(2013);
    EXPECT_EQ(decodeCardField(image, offsets::track2Suffix, 8), "");
    const std::string bytes = test::hexBytes("09 5B 41 FF 42");
    std::copy(bytes.begin(), bytes.end(), image.begin() + offsets::cardPrefix);
    EXPECT_EQ(decodeCardField(image, offsets::cardPrefix, 4), "[TB][[A");
    image[offsets::cardPrefix + 3] = 'Z';
    EXPECT_EQ(decodeCardField(image, offsets::cardPrefix, 4), "[TB][[AZ");
    image[offsets::track1Terminator] = 0x0D;
    EXPECT_EQ(decodeCardField(image, offsets::track1Terminator, 1), "[CR]");
}

TEST(CardField, EncodingTakesOnePositionPerUnit) {
    struct Case {
        std::string text;
        std::size_t size;
        const char* bytes;
        bool valid;
    };
    const Case cases[] = {
        {"", 8, "FF FF FF FF FF FF FF FF", true},
        {"", 1, "FF", true},
        {"[CR][LF][TB][[", 4, "0D 0A 09 5B", true},
        {"AB[CD", 8, "41 42 FF FF FF FF FF FF", false},
        {"A[x", 4, "41 FF FF FF", false}, // "[x" is one position
        {"A[xB", 4, "41 FF 42 FF", false},
        {"A[", 4, "41 FF FF FF", false},   // "[" standing last
        {"[CRx", 4, "FF FF FF FF", false}, // a correct pair without "]" uses four
        {"[CRxy", 4, "FF 79 FF FF", false},
        {"[C", 4, "FF FF FF FF", false},
        {"[LFB", 4, "FF FF FF FF", false},
        {"[TBA]z", 4, "FF 5D 7A FF", false},
        {"ABCDE", 4, "41 42 43 44", false}, // never more than the field
        {"ABCD", 4, "41 42 43 44", true},
        {"[CR]", 1, "0D", true},
        {"ab", 1, "61", false},
    };
    for (const Case& c : cases) {
        TemplateImage image = newTemplateImage(2018); // zeros: the field must be filled
        encodeCardField(c.text, image, offsets::cardPrefix, c.size);
        EXPECT_EQ(field(image, offsets::cardPrefix, c.size), test::hexBytes(c.bytes)) << c.text;
        EXPECT_EQ(image[offsets::cardPrefix + c.size], 0) << "wrote past the field: " << c.text;
        EXPECT_EQ(checkCardText(c.text, c.size), c.valid) << c.text;
    }
}

TEST(CardField, OffsetsAtTheImageEndAreClamped) {
    TemplateImage image = newTemplateImage(2018);
    encodeCardField("ABCDEFGH", image, 2046, 8);
    EXPECT_EQ(image[2046], 'A');
    EXPECT_EQ(image[2047], 'B');
    EXPECT_EQ(decodeCardField(image, 2046, 8), "AB");
    EXPECT_EQ(decodeCardField(image, 5000, 8), "");
}

} // namespace
} // namespace vorn
