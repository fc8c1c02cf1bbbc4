// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/KeyboardProperties.h"

#include "image/SettingsBits.h"

#include <gtest/gtest.h>
#include <span>

namespace vorn {
namespace {

constexpr int noKeyboard = -1;
constexpr int driverKeyboard = 0;
constexpr int usbKeyboard = 5;

// One check box and the bit it stands for; `inverted` when a set bit means the box is off.
struct BitRow {
    const char* name;
    bool KeyboardProperties::*member;
    SettingsByte byte;
    int bit;
    bool inverted;
};

using P = KeyboardProperties;
using enum SettingsByte;

const BitRow cardReaderRows[] = {
    {"altNumber", &P::altNumber, featureFlags, 0, false},
    {"sendBreakCode", &P::sendBreakCode, featureFlags, 2, true},
    {"noBeepUndefined", &P::noBeepUndefined, featureFlags, 3, false},
    {"typematicAscii", &P::typematicAscii, featureFlags, 4, false},
    {"translateSet2", &P::translateSet2, featureFlags, 5, false},
    {"beepOnKey", &P::beepOnKey, featureFlags, 6, false},
    {"typematicScan", &P::typematicScan, featureFlags, 7, false},
    {"oposJpos", &P::oposJpos, hostFlags, 5, true},
};

const BitRow serialPortRows[] = {
    {"altNumber", &P::altNumber, featureFlags, 0, false},
    {"sendBreakCode", &P::sendBreakCode, featureFlags, 2, true},
    {"noBeepUndefined", &P::noBeepUndefined, featureFlags, 3, false},
    {"usePort", &P::usePort, featureFlags, 4, false},
    {"translateSet2", &P::translateSet2, featureFlags, 5, false},
    {"beepOnKey", &P::beepOnKey, featureFlags, 6, false},
    {"typematicAscii", &P::typematicAscii, optionFlags, 5, false},
    {"typematicScan", &P::typematicScan, optionFlags, 6, false},
    {"oposJpos", &P::oposJpos, hostFlags, 5, true},
};

// An image whose four settings bytes, and the bytes around them, all hold `fill`.
TemplateImage filledImage(std::uint8_t fill) {
    TemplateImage image{};
    image.fill(fill);
    image[offsets::interCharDelay] = 17;
    return image;
}

std::uint8_t& byteOf(TemplateImage& image, SettingsByte byte) {
    return image[static_cast<std::size_t>(byte)];
}

// Every check box loads from its bit, and flipping it and storing flips that bit alone, with
// the unnamed bits set and cleared around it.
void checkRoundTrips(ModelGroup group, std::span<const BitRow> rows) {
    for (const std::uint8_t fill : {std::uint8_t{0x00}, std::uint8_t{0xFF}}) {
        for (const BitRow& row : rows) {
            SCOPED_TRACE(std::string(row.name) + " over " + std::to_string(fill));
            const TemplateImage before = filledImage(fill);
            KeyboardProperties p = KeyboardProperties::load(before, group, driverKeyboard);
            EXPECT_EQ(p.*row.member, (fill != 0) != row.inverted);

            TemplateImage unchanged = before;
            p.store(unchanged, group);
            TemplateImage expected = before;
            if (group == ModelGroup::cardReader) // confirming always clears it
                byteOf(expected, optionFlags) &= static_cast<std::uint8_t>(~(1u << 5));
            EXPECT_EQ(unchanged, expected);

            p.*row.member = !(p.*row.member);
            TemplateImage after = before;
            p.store(after, group);
            byteOf(expected, row.byte) ^= static_cast<std::uint8_t>(1u << row.bit);
            EXPECT_EQ(after, expected);
            EXPECT_EQ(KeyboardProperties::load(after, group, driverKeyboard).*row.member,
                      p.*row.member);
        }
    }
}

TEST(KeyboardProperties, CardReaderModelsMapEveryBoxToItsBitAlone) {
    checkRoundTrips(ModelGroup::cardReader, cardReaderRows);
}

TEST(KeyboardProperties, SerialPortModelsMapEveryBoxToItsBitAlone) {
    checkRoundTrips(ModelGroup::serialPort, serialPortRows);
}

TEST(KeyboardProperties, CardReaderModelsHideThePortAndClearOnlyOptionBit5) {
    TemplateImage image = newTemplateImage(2013);
    image[offsets::optionFlags] = 0xFF;
    for (const int portKind : {noKeyboard, driverKeyboard, usbKeyboard}) {
        const KeyboardProperties p =
            KeyboardProperties::load(image, ModelGroup::cardReader, portKind);
        EXPECT_FALSE(p.showSerial);
        EXPECT_FALSE(p.usePort);
    }
    const KeyboardProperties p = KeyboardProperties::load(image, ModelGroup::cardReader, 0);
    // The lists stay at their defaults: 9600, NONE, 7 Bits.
    EXPECT_EQ(p.baudIndex, 2);
    EXPECT_EQ(p.parityIndex, 0);
    EXPECT_EQ(p.bitsIndex, 0);
    TemplateImage stored = image;
    p.store(stored, ModelGroup::cardReader);
    TemplateImage expected = image;
    expected[offsets::optionFlags] = 0xDF;
    EXPECT_EQ(stored, expected);
}

TEST(KeyboardProperties, SerialPortGroupHiddenAndPortClearedAfterAUsbDetection) {
    TemplateImage image = newTemplateImage(2018);
    image[offsets::featureFlags] |= 0x10; // port in use
    for (const int portKind : {noKeyboard, driverKeyboard}) {
        const KeyboardProperties p =
            KeyboardProperties::load(image, ModelGroup::serialPort, portKind);
        EXPECT_TRUE(p.showSerial);
        EXPECT_TRUE(p.usePort);
    }
    const KeyboardProperties p =
        KeyboardProperties::load(image, ModelGroup::serialPort, usbKeyboard);
    EXPECT_FALSE(p.showSerial);
    EXPECT_FALSE(p.usePort);
    TemplateImage stored = image;
    p.store(stored, ModelGroup::serialPort);
    TemplateImage expected = image;
    expected[offsets::featureFlags] &= 0xEF;
    EXPECT_EQ(stored, expected);
}

TEST(KeyboardProperties, NewSerialPortTemplateShowsItsDefaults) {
    const KeyboardProperties p =
        KeyboardProperties::load(newTemplateImage(2019), ModelGroup::serialPort, noKeyboard);
    EXPECT_EQ(p.baudIndex, 2);   // 9600
    EXPECT_EQ(p.parityIndex, 0); // NONE
    EXPECT_EQ(p.bitsIndex, 1);   // 8 Bits
    EXPECT_FALSE(p.typematicScan);
    EXPECT_FALSE(p.typematicAscii);
    EXPECT_FALSE(p.usePort);
    EXPECT_TRUE(p.oposJpos);
    EXPECT_EQ(p.interCharDelay, 2);
}

TEST(KeyboardProperties, SerialListsLoadAndStoreTheirBits) {
    struct Case {
        std::uint8_t optionFlags;
        int baud, parity, bits;
    };
    // Parity: bit 2 means NONE whatever bit 3 holds; else bit 3 means ODD; else EVEN.
    const Case cases[] = {{0x00, 0, 1, 0}, {0x01, 1, 1, 0}, {0x02, 2, 1, 0}, {0x03, 3, 1, 0},
                          {0x04, 0, 0, 0}, {0x0C, 0, 0, 0}, {0x08, 0, 2, 0}, {0x10, 0, 1, 1},
                          {0x9E, 2, 0, 1}, {0xFF, 3, 0, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.optionFlags);
        TemplateImage image = filledImage(0x00);
        image[offsets::optionFlags] = c.optionFlags;
        const KeyboardProperties p =
            KeyboardProperties::load(image, ModelGroup::serialPort, noKeyboard);
        EXPECT_EQ(p.baudIndex, c.baud);
        EXPECT_EQ(p.parityIndex, c.parity);
        EXPECT_EQ(p.bitsIndex, c.bits);
        TemplateImage stored = image;
        p.store(stored, ModelGroup::serialPort);
        EXPECT_EQ(stored, image);
    }
}

TEST(KeyboardProperties, ParityStoresItsTwoBits) {
    struct Case {
        std::uint8_t before;
        int parity;
        std::uint8_t after;
    };
    // NONE leaves bit 3 as it was; EVEN clears both; ODD clears bit 2 and sets bit 3.
    const Case cases[] = {{0x08, 0, 0x0C}, {0x00, 0, 0x04}, {0x0C, 1, 0x00},
                          {0x04, 2, 0x08}, {0xF7, 2, 0xFB}, {0xFF, 1, 0xF3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before);
        TemplateImage image = filledImage(0x00);
        image[offsets::optionFlags] = c.before;
        KeyboardProperties p = KeyboardProperties::load(image, ModelGroup::serialPort, 0);
        p.parityIndex = c.parity;
        p.store(image, ModelGroup::serialPort);
        EXPECT_EQ(image[offsets::optionFlags], c.after);
        EXPECT_EQ(KeyboardProperties::load(image, ModelGroup::serialPort, 0).parityIndex, c.parity);
    }
}

TEST(KeyboardProperties, DelayKeepsToTheSpinRange) {
    TemplateImage image = newTemplateImage(2013);
    for (const auto& [stored, shown] : {std::pair{0, 1}, {1, 1}, {250, 250}, {251, 250}}) {
        image[offsets::interCharDelay] = static_cast<std::uint8_t>(stored);
        EXPECT_EQ(KeyboardProperties::load(image, ModelGroup::cardReader, 0).interCharDelay, shown);
    }
    KeyboardProperties p = KeyboardProperties::load(image, ModelGroup::cardReader, 0);
    p.interCharDelay = 137;
    p.store(image, ModelGroup::cardReader);
    EXPECT_EQ(image[offsets::interCharDelay], 137);
}

} // namespace
} // namespace vorn
