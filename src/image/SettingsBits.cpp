// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/SettingsBits.h"

namespace vorn {

namespace {

unsigned fieldMask(int firstBit, int count) {
    return ((1u << count) - 1u) << firstBit;
}

} // namespace

bool settingsBit(const TemplateImage& image, SettingsByte byte, int bit) {
    return settingsBits(image, byte, bit, 1) != 0;
}

void setSettingsBit(TemplateImage& image, SettingsByte byte, int bit, bool on) {
    setSettingsBits(image, byte, bit, 1, on ? 1u : 0u);
}

unsigned settingsBits(const TemplateImage& image, SettingsByte byte, int firstBit, int count) {
    const unsigned value = image[static_cast<std::size_t>(byte)];
    return (value & fieldMask(firstBit, count)) >> firstBit;
}

void setSettingsBits(TemplateImage& image, SettingsByte byte, int firstBit, int count,
                     unsigned value) {
    std::uint8_t& target = image[static_cast<std::size_t>(byte)];
    const unsigned mask = fieldMask(firstBit, count);
    target = static_cast<std::uint8_t>((target & ~mask) | ((value << firstBit) & mask));
}

std::uint8_t interCharDelay(const TemplateImage& image) {
    return image[offsets::interCharDelay];
}

void setInterCharDelay(TemplateImage& image, std::uint8_t milliseconds) {
    image[offsets::interCharDelay] = milliseconds;
}

} // namespace vorn
