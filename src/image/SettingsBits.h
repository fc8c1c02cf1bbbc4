// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "image/TemplateImage.h"

#include <cstdint>

namespace vorn {

// The settings bytes of the image whose bits the property dialogs edit.
enum class SettingsByte : std::uint16_t {
    track1Flags = offsets::track1Flags,
    track2Flags = offsets::track2Flags,
    track3Flags = offsets::track3Flags,
    hostFlags = offsets::hostFlags,
    featureFlags = offsets::featureFlags,
    optionFlags = offsets::optionFlags,
};

// Bits of the three track flag bytes.
namespace trackBit {
inline constexpr int data = 0;
inline constexpr int startSentinel = 1;
inline constexpr int endSentinel = 2;
inline constexpr int separator = 3;
inline constexpr int lrcDisabled = 7;
} // namespace trackBit

namespace hostBit {
inline constexpr int oposOff = 5;
}

// Bits of featureFlags; where the two model groups differ, both names are given.
namespace featureBit {
inline constexpr int altNumberAscii = 0;
inline constexpr int skipTrackWithError = 1; // card reader models
inline constexpr int noBreakCodes = 2;
inline constexpr int noBeepUndefinedKey = 3;
inline constexpr int asciiTypematic = 4; // card reader models
inline constexpr int usePort = 4;        // serial port models
inline constexpr int translateSet2 = 5;
inline constexpr int keyBeep = 6;
inline constexpr int scanTypematic = 7; // card reader models
} // namespace featureBit

// Bits of optionFlags.
namespace optionBit {
inline constexpr int baudRate = 0; // serial port models: two bits, index 0..3
inline constexpr int parityNone = 2;
inline constexpr int parityOdd = 3;
inline constexpr int eightDataBits = 4;
inline constexpr int clearedOnConfirm = 5; // card reader models
inline constexpr int asciiTypematic = 5;   // serial port models
inline constexpr int beepGoodRead = 6;     // card reader models
inline constexpr int scanTypematic = 6;    // serial port models
inline constexpr int beepReadError = 7;    // card reader models
} // namespace optionBit

bool settingsBit(const TemplateImage& image, SettingsByte byte, int bit);
// Sets or clears one bit; the other bits of the byte keep their values.
void setSettingsBit(TemplateImage& image, SettingsByte byte, int bit, bool on);

// `count` bits from `firstBit` as a number, e.g. the baud rate index.
unsigned settingsBits(const TemplateImage& image, SettingsByte byte, int firstBit, int count);
void setSettingsBits(TemplateImage& image, SettingsByte byte, int firstBit, int count,
                     unsigned value);

std::uint8_t interCharDelay(const TemplateImage& image);
void setInterCharDelay(TemplateImage& image, std::uint8_t milliseconds);

} // namespace vorn
