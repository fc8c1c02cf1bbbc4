// SPDX-License-Identifier: GPL-3.0-or-later
// Properties over random texts and images: the encoder and decoder agree on valid texts,
// and no input breaks the image's layout.
#include "ImageTestSupport.h"
#include "image/KeyTextChecks.h"
#include "image/KeyTextDecoder.h"
#include "image/KeyTextEncoder.h"
#include "image/KeyWords.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>

namespace vorn {
namespace {

class TextGenerator {
public:
    explicit TextGenerator(unsigned seed)
        : random_(seed) {}

    // A valid text in its decoded (canonical) spelling, avoiding the known round-trip
    // exceptions: "]]" right after a word, a trailing or leading "[0E0]", and plain bytes
    // that the decoder reads as function codes (0x0D, 0xFD to 0xFF) or as the end (0x00).
    std::string validText() {
        switch (pick(6)) {
        case 0: return "";
        case 1: return "[ShiftLevel" + std::to_string(1 + pick(9)) + "]";
        case 2:
        case 3: return asciiText();
        default: return scanText();
        }
    }

    // Anything at all, built from fragments that hit the grammar's corners.
    std::string anyText() {
        static const char* const fragments[] = {
            "[", "]",    "[[",   "]]",    "[F1]",   "[Delay", "256]", "[ShiftLevel",
            "x", "\xFF", "[CR]", "[0E0]", "[Mute]", "[Caps]", "9]",   "\0"};
        std::string text;
        for (int n = pick(12); n > 0; --n) {
            const int i = pick(std::size(fragments));
            text += i == 15 ? std::string(1, '\0') : std::string(fragments[i]);
        }
        return text;
    }

    int pick(std::size_t n) { return static_cast<int>(random_() % n); }

private:
    std::string delayWord() { return "[Delay" + std::to_string(1 + pick(250)) + "]"; }

    std::string asciiText() {
        std::string text;
        bool afterWord = false;
        for (int n = 1 + pick(12); n > 0; --n) {
            const int kind = pick(10);
            if (kind < 5) {
                unsigned char c;
                do
                    c = static_cast<unsigned char>(1 + pick(252));
                while (c == 0x0D || c == '[' || c == ']');
                text += static_cast<char>(c);
                afterWord = false;
            } else if (kind == 5) {
                text += "[[";
                afterWord = false;
            } else if (kind == 6 && !afterWord) {
                text += "]]";
            } else {
                static const char* const words[] = {"[CR]", "[Caps]", "[Separator]"};
                text += kind == 9 ? delayWord() : std::string(words[pick(3)]);
                afterWord = true;
            }
        }
        return text;
    }

    std::string scanText() {
        const auto table = keyWordTable();
        std::string text;
        for (int n = 1 + pick(8); n > 0; --n) {
            const int kind = pick(12);
            if (kind == 0)
                text += delayWord();
            else if (kind == 1)
                text += "[Separator]";
            else if (kind == 2)
                text += "[0E0][0F0]";
            else {
                const KeyWord& k = table[pick(table.size())];
                if (k.word != "[0E0]")
                    text += k.word;
            }
        }
        // Only delays and separators would make an ASCII-mode text instead.
        if (!isScanText(text) || isAsciiText(text))
            return "[F1]";
        return text;
    }

    std::mt19937 random_;
};

std::string decodeAlone(const std::string& bytes) {
    TemplateImage image = test::imageWithKeyArea(bytes + std::string(1, '\0'));
    std::size_t pos = 0;
    return decodeRecord(image, pos);
}

TEST(RoundTrip, ValidTextsComeBackFromTheirBytes) {
    TextGenerator gen(2013);
    for (int i = 0; i < 5000; ++i) {
        const std::string text = gen.validText();
        ASSERT_TRUE(isValidKeyText(text)) << text;
        const std::string bytes = encodeKeyText(text);
        EXPECT_EQ(encodedLength(text), static_cast<int>(bytes.size())) << text;
        EXPECT_EQ(decodeAlone(bytes), text);
    }
}

TEST(RoundTrip, DocumentedExceptionsDecodeToAnotherText) {
    EXPECT_EQ(decodeAlone(encodeKeyText("[CR]]]")), "]][CR]");
    EXPECT_EQ(decodeAlone(encodeKeyText("[A][0E0]")), "[A]");
    EXPECT_EQ(decodeAlone(encodeKeyText("[0E0][A][B]")), "[B]");
    EXPECT_EQ(decodeAlone(encodeKeyText("[0E0][Enter]")), "[PADEnter]");
}

// Plain bytes that a record keeps as other codes make texts the check refuses; a plain CR and
// a 0xFF after the first byte are kept as what they are.
TEST(RoundTrip, PlainBytesComeBackAsThemselvesOrTheTextIsRefused) {
    const struct {
        std::string text;
        std::string back;
        bool valid;
    } cases[] = {
        {"\xFD"
         "A",
         "[Delay65]", false},
        {"\xFD\xFC", "[Caps]", false},
        {"x\xFD", "x", false},
        {"a\xFE"
         "b",
         "a[Separator]b", false},
        {"\xFF"
         "A",
         "[F7]", false},
        {"a\rb", "a[CR]b", true},
        {"a\xFF\xFC", "a\xFF\xFC", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(decodeAlone(encodeKeyText(c.text)), c.back) << c.text;
        EXPECT_EQ(isValidKeyText(c.text), c.valid) << c.text;
    }
}

TEST(RoundTrip, ImagesSurviveDecodeAndEncode) {
    TextGenerator gen(7);
    for (int round = 0; round < 200; ++round) {
        KeyTexts keyText;
        for (auto& text : keyText)
            text = gen.pick(3) == 0 ? gen.validText() : "";
        TemplateImage image = newTemplateImage(2018);
        KeyTexts written = keyText;
        encodeImage(image, written, 2018);
        KeyTexts decoded;
        decodeImage(image, 2018, decoded);
        int needed = 0;
        for (const auto& text : keyText)
            needed += encodedLength(text) + 1;
        if (needed > static_cast<int>(offsets::keyAreaSize))
            continue;
        EXPECT_EQ(decoded, keyText);
        TemplateImage again = image;
        encodeImage(again, decoded, 2018);
        EXPECT_EQ(again, image) << "round " << round;
    }
}

TEST(RoundTrip, AnyTextsKeepTheKeyAreaLayout) {
    TextGenerator gen(99);
    for (int round = 0; round < 300; ++round) {
        KeyTexts keyText;
        for (auto& text : keyText)
            text = gen.anyText();
        TemplateImage image = newTemplateImage(2013);
        encodeImage(image, keyText, 2013);
        ASSERT_EQ(validateImage(image), ImageCheck::valid);
        std::size_t pos = 0;
        for (int r = 0; r < keyNumberCount; ++r) {
            const std::size_t start = pos;
            decodeRecord(image, pos);
            ASSERT_GT(pos, start);
        }
        ASSERT_LE(pos, offsets::keyAreaSize);
        EXPECT_EQ(image[pos - 1], 0);
    }
}

// The key area gets a record's bytes through a walk and an output of its own, bounded and
// dropping 0x00 as it comes: that must give what encodeKeyText gives, without 0x00, cut where
// the key area runs out.
TEST(RoundTrip, ImageRecordsHoldTheTextsBytesWithoutZerosCutToTheRoom) {
    TextGenerator gen(31);
    for (int round = 0; round < 300; ++round) {
        KeyTexts keyText;
        for (auto& text : keyText) {
            text = gen.anyText();
            if (gen.pick(40) == 0)
                text = std::string(static_cast<std::size_t>(gen.pick(900)), 'x') + text;
        }
        TemplateImage image = newTemplateImage(2018);
        encodeImage(image, keyText, 2018);
        std::size_t pos = 0;
        for (int r = 0; r < keyNumberCount; ++r) {
            std::string expected = encodeKeyText(keyText[keyOrder[r]]);
            std::erase(expected, '\0');
            expected.resize(std::min(expected.size(), maxContentBytes + r - pos));
            const std::string stored(image.begin() + pos, image.begin() + pos + expected.size());
            ASSERT_EQ(stored, expected) << "round " << round << ", record " << r;
            pos += expected.size();
            ASSERT_EQ(image[pos++], 0) << "round " << round << ", record " << r;
        }
    }
}

} // namespace
} // namespace vorn
