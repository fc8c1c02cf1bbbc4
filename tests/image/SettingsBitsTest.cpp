// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/SettingsBits.h"

#include <gtest/gtest.h>

namespace vorn {
namespace {

TEST(SettingsBits, SingleBitsChangeAloneInEveryByte) {
    const SettingsByte bytes[] = {SettingsByte::track1Flags,  SettingsByte::track2Flags,
                                  SettingsByte::track3Flags,  SettingsByte::hostFlags,
                                  SettingsByte::featureFlags, SettingsByte::optionFlags};
    for (const SettingsByte byte : bytes) {
        for (int bit = 0; bit < 8; ++bit) {
            TemplateImage image{};
            image[static_cast<std::size_t>(byte)] = 0xA5;
            const TemplateImage before = image;
            const bool was = settingsBit(image, byte, bit);
            EXPECT_EQ(was, ((0xA5 >> bit) & 1) != 0);
            setSettingsBit(image, byte, bit, !was);
            EXPECT_EQ(image[static_cast<std::size_t>(byte)], 0xA5 ^ (1 << bit));
            setSettingsBit(image, byte, bit, was);
            EXPECT_EQ(image, before);
        }
    }
}

TEST(SettingsBits, NewImageDefaultsReadAsDocumented) {
    TemplateImage image = newTemplateImage(2013); // 2043 = EA, 2044 = D6
    EXPECT_FALSE(settingsBit(image, SettingsByte::featureFlags, featureBit::noBreakCodes));
    EXPECT_TRUE(settingsBit(image, SettingsByte::featureFlags, featureBit::noBeepUndefinedKey));
    EXPECT_TRUE(settingsBit(image, SettingsByte::featureFlags, featureBit::skipTrackWithError));
    EXPECT_TRUE(settingsBit(image, SettingsByte::optionFlags, optionBit::beepGoodRead));
    EXPECT_TRUE(settingsBit(image, SettingsByte::optionFlags, optionBit::beepReadError));
    EXPECT_TRUE(settingsBit(image, SettingsByte::track1Flags, trackBit::lrcDisabled));
    EXPECT_TRUE(settingsBit(image, SettingsByte::hostFlags, hostBit::oposOff));
    EXPECT_EQ(interCharDelay(image), 2);

    image = newTemplateImage(2018); // 2044 = 9E: 9600 baud, no parity, 8 bits
    EXPECT_EQ(settingsBits(image, SettingsByte::optionFlags, optionBit::baudRate, 2), 2u);
    EXPECT_TRUE(settingsBit(image, SettingsByte::optionFlags, optionBit::parityNone));
    EXPECT_TRUE(settingsBit(image, SettingsByte::optionFlags, optionBit::eightDataBits));
    EXPECT_FALSE(settingsBit(image, SettingsByte::hostFlags, hostBit::oposOff));
}

TEST(SettingsBits, MultiBitFieldsKeepTheOtherBits) {
    TemplateImage image = newTemplateImage(2018);
    setSettingsBits(image, SettingsByte::optionFlags, optionBit::baudRate, 2, 3);
    EXPECT_EQ(image[offsets::optionFlags], 0x9F);
    setSettingsBits(image, SettingsByte::optionFlags, optionBit::baudRate, 2, 0);
    EXPECT_EQ(image[offsets::optionFlags], 0x9C);
    setSettingsBits(image, SettingsByte::optionFlags, optionBit::baudRate, 2, 7); // masked
    EXPECT_EQ(image[offsets::optionFlags], 0x9F);
    setInterCharDelay(image, 250);
    EXPECT_EQ(image[offsets::interCharDelay], 250);
}

} // namespace
} // namespace vorn
