// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/CardReaderProperties.h"

#include "image/SettingsBits.h"

#include <functional>
#include <gtest/gtest.h>

namespace vorn {
namespace {

using P = CardReaderProperties;

// One check box and its bit; `inverted` when a set bit means the box is off.
struct BitRow {
    std::string name;
    std::function<bool&(P&)> box;
    std::size_t offset;
    int bit;
    bool inverted;
};

std::vector<BitRow> bitRows() {
    std::vector<BitRow> rows;
    const std::size_t flags[] = {offsets::track1Flags, offsets::track2Flags, offsets::track3Flags};
    for (std::size_t t = 0; t < 3; ++t) {
        const std::string n = "track" + std::to_string(t + 1);
        rows.push_back(
            {n + "Data", [t](P& p) -> bool& { return p.tracks[t].data; }, flags[t], 0, false});
        rows.push_back({n + "Start", [t](P& p) -> bool& { return p.tracks[t].startSentinel; },
                        flags[t], 1, false});
        rows.push_back({n + "End", [t](P& p) -> bool& { return p.tracks[t].endSentinel; }, flags[t],
                        2, false});
        rows.push_back({n + "Separator", [t](P& p) -> bool& { return p.tracks[t].separator; },
                        flags[t], 3, false});
        rows.push_back(
            {n + "Lrc", [t](P& p) -> bool& { return p.tracks[t].lrc; }, flags[t], 7, true});
    }
    rows.push_back({"beepGoodRead", [](P& p) -> bool& { return p.beepGoodRead; },
                    offsets::optionFlags, 6, false});
    rows.push_back({"beepReadError", [](P& p) -> bool& { return p.beepReadError; },
                    offsets::optionFlags, 7, false});
    return rows;
}

// Empty card fields, and every settings byte around them holding `fill`.
TemplateImage imageWithFlags(std::uint8_t fill) {
    TemplateImage image = newTemplateImage(2013);
    for (std::size_t i = offsets::track1Flags; i <= offsets::reserved; ++i)
        image[i] = fill;
    for (std::size_t i = offsets::interCharDelay; i < offsets::signature; ++i)
        image[i] = fill;
    return image;
}

TEST(CardReaderProperties, EveryBoxLoadsAndStoresItsBitAlone) {
    for (const std::uint8_t fill : {std::uint8_t{0x00}, std::uint8_t{0xFF}}) {
        for (const BitRow& row : bitRows()) {
            SCOPED_TRACE(row.name + " over " + std::to_string(fill));
            const TemplateImage before = imageWithFlags(fill);
            P p = P::load(before);
            EXPECT_EQ(row.box(p), (fill != 0) != row.inverted);
            TemplateImage after = before;
            p.store(after);
            EXPECT_EQ(after, before);

            row.box(p) = !row.box(p);
            p.store(after);
            TemplateImage expected = before;
            expected[row.offset] ^= static_cast<std::uint8_t>(1u << row.bit);
            EXPECT_EQ(after, expected);
        }
    }
}

TEST(CardReaderProperties, ErrorPolicyIsFeatureBit1) {
    for (const std::uint8_t fill : {std::uint8_t{0x00}, std::uint8_t{0xFF}}) {
        TemplateImage image = imageWithFlags(fill);
        P p = P::load(image);
        EXPECT_EQ(p.errorPolicy, fill ? skipTrackWithError : noDataWithAnyError);
        p.errorPolicy = fill ? noDataWithAnyError : skipTrackWithError;
        p.store(image);
        TemplateImage expected = imageWithFlags(fill);
        expected[offsets::featureFlags] ^= 0x02;
        EXPECT_EQ(image, expected);
    }
}

TEST(CardReaderProperties, FieldsShowInReadableFormAndStoreBackByteForByte) {
    TemplateImage image = newTemplateImage(2013);
    image[offsets::track1Prefix] = 0x0D;
    image[offsets::track1Prefix + 1] = 0x0A;
    image[offsets::track3Suffix] = '[';
    image[offsets::track3Suffix + 1] = 0x09;
    image[offsets::track3Suffix + 2] = 'x';
    image[offsets::cardPrefix] = '%';
    const TemplateImage before = image;
    P p = P::load(image);
    EXPECT_EQ(p.text(CardEdit::track1Prefix), "[CR][LF]");
    EXPECT_EQ(p.text(CardEdit::track3Suffix), "[[[TB]x");
    EXPECT_EQ(p.text(CardEdit::cardPrefix), "%");
    EXPECT_EQ(p.text(CardEdit::track2Prefix), "");
    p.store(image);
    EXPECT_EQ(image, before);
}

TEST(CardReaderProperties, BrokenBracketWarnsAndStoresWhatItCan) {
    TemplateImage image = newTemplateImage(2013);
    P p = P::load(image);
    p.text(CardEdit::track1Prefix) = "AB[CD";
    EXPECT_FALSE(p.textIsValid(CardEdit::track1Prefix));
    EXPECT_TRUE(p.textIsValid(CardEdit::track1Suffix));
    EXPECT_EQ(cardEditField(CardEdit::track1Prefix).errorMessage, "Track1 prefix string error!");
    p.store(image);
    const std::uint8_t expected[] = {'A', 'B', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_TRUE(std::equal(std::begin(expected), std::end(expected),
                           image.begin() + offsets::track1Prefix));
}

TEST(CardReaderProperties, TextsLongerThanTheirEditAreFoundInOrder) {
    TemplateImage image = newTemplateImage(2013);
    P p = P::load(image);
    EXPECT_EQ(p.firstTooLong(), std::nullopt);
    p.text(CardEdit::track1Prefix) = "12345678";
    p.text(CardEdit::cardPrefix) = "1234";
    EXPECT_EQ(p.firstTooLong(), std::nullopt);

    image[offsets::track2Terminator] = 0x0D; // shows as four characters
    image[offsets::cardPrefix] = '[';
    p = P::load(image);
    EXPECT_EQ(p.text(CardEdit::track2Terminator), "[CR]");
    EXPECT_EQ(p.firstTooLong(), CardEdit::track2Terminator);
    EXPECT_EQ(tooLongMessage(cardEditField(CardEdit::track2Terminator).size),
              "Enter no more than 1 characters.");
    p.text(CardEdit::track2Terminator) = ";";
    EXPECT_EQ(p.firstTooLong(), std::nullopt); // "[[" is two characters of four
    p.text(CardEdit::cardPrefix) = "[[[[[";
    EXPECT_EQ(p.firstTooLong(), CardEdit::cardPrefix);
}

TEST(CardReaderProperties, EmptyTextsFillTheirFieldsWithFF) {
    TemplateImage image{};
    P p = P::load(image);
    for (std::string& text : p.texts)
        text.clear();
    p.store(image);
    for (std::size_t i = offsets::track1Prefix; i < offsets::track1Flags; ++i)
        EXPECT_EQ(image[i], 0xFF) << i;
    for (std::size_t i = offsets::cardPrefix; i < offsets::blockIndex; ++i)
        EXPECT_EQ(image[i], 0xFF) << i;
    EXPECT_EQ(image[offsets::track1Flags], 0x00);
    EXPECT_EQ(image[offsets::reserved], 0x00);
}

} // namespace
} // namespace vorn
