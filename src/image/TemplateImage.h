// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "image/TextMark.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vorn {

// The keyboard's 2048-byte programmable memory, byte for byte as in a template file.
inline constexpr std::size_t imageSize = 2048;
using TemplateImage = std::array<std::uint8_t, imageSize>;

inline constexpr int keyNumberCount = 176;
// One key text per key number; single-byte characters.
using KeyTexts = std::array<std::string, keyNumberCount>;

// A key number written in a file or on the command line: 1 to 3 digits, below keyNumberCount.
std::optional<int> parseKeyNumber(std::string_view field);

// Byte offsets of the image's fields.
namespace offsets {
inline constexpr std::size_t keyArea = 0;
inline constexpr std::size_t keyAreaSize = 1968;
inline constexpr std::size_t track1Prefix = 1968;
inline constexpr std::size_t track1Suffix = 1976;
inline constexpr std::size_t track2Prefix = 1984;
inline constexpr std::size_t track2Suffix = 1992;
inline constexpr std::size_t track3Prefix = 2000;
inline constexpr std::size_t track3Suffix = 2008;
inline constexpr std::size_t track1Terminator = 2016;
inline constexpr std::size_t track2Terminator = 2017;
inline constexpr std::size_t track3Terminator = 2018;
inline constexpr std::size_t track1Flags = 2019;
inline constexpr std::size_t track2Flags = 2020;
inline constexpr std::size_t track3Flags = 2021;
inline constexpr std::size_t hostFlags = 2022;
inline constexpr std::size_t reserved = 2023;
inline constexpr std::size_t cardPrefix = 2024;
inline constexpr std::size_t cardSuffix = 2028;
inline constexpr std::size_t blockIndex = 2032;
inline constexpr std::size_t interCharDelay = 2042;
inline constexpr std::size_t featureFlags = 2043;
inline constexpr std::size_t optionFlags = 2044;
inline constexpr std::size_t signature = 2045;
} // namespace offsets

// Field sizes of the card reader area.
inline constexpr std::size_t trackFieldSize = 8;
inline constexpr std::size_t terminatorFieldSize = 1;
inline constexpr std::size_t cardFieldSize = 4;
inline constexpr std::size_t cardReaderAreaSize = offsets::blockIndex - offsets::track1Prefix;

inline constexpr std::array<std::uint8_t, 3> imageSignature{0x55, 0xAA, 0xD6};

// Content bytes the key area holds when all 176 records are present.
inline constexpr std::size_t maxContentBytes = offsets::keyAreaSize - keyNumberCount;

// keyOrder[r] is the key number whose content record r of the key area holds.
inline constexpr std::array<int, keyNumberCount> keyOrder = [] {
    std::array<int, keyNumberCount> order{};
    for (int group = 0; group < 11; ++group) {
        const int base = group <= 7 ? 119 - 16 * group : 16 * group + 7;
        for (int i = 0; i < 8; ++i) {
            order[16 * group + i] = base + 1 + i;
            order[16 * group + 8 + i] = base - i;
        }
    }
    return order;
}();

// Models 2013 to 2016 carry a card reader; they read bytes 2043 and 2044 differently.
constexpr bool isCardReaderModel(int modelId) {
    return modelId >= 2013 && modelId <= 2016;
}

// Model 2013 shows key numbers 121 and 160 as one physical key.
inline constexpr int pairedModelId = 2013;
inline constexpr int pairedKeyPrimary = 160;
inline constexpr int pairedKeySecondary = 121;

// Makes both keys of model 2013's paired key hold the same text (160 wins unless empty).
void pairModelKeys(KeyTexts& keyText, int modelId);

// A new, empty template for the model.
TemplateImage newTemplateImage(int modelId);

enum class ImageCheck { valid, corrupted, wrongKeyNumber };

inline constexpr std::string_view corruptedImageMessage = VORN_TRANSLATE_NOOP(
    "vorn::Messages",
    "The template data file is corrupted !\nDownloading this template will make keyboard "
    "malfunction.\nUse Import/Export function to recover the file,");
inline constexpr std::string_view wrongKeyNumberMessage = VORN_TRANSLATE_NOOP(
    "vorn::Messages",
    "The key number is wrong in the template data file !\nDownloading this template will make "
    "keyboard malfunction.\nRe-edit the template file please.");

// The load-time check of a template file; the caller shows imageCheckMessage().
ImageCheck validateImage(const TemplateImage& image);
// The message for a failed check; empty for ImageCheck::valid.
std::string_view imageCheckMessage(ImageCheck check);

// Stores in blockIndex the offsets at which records 32, 64, 96, 128 and 160 begin.
void writeBlockIndex(TemplateImage& image);
// Stores one entry (0 to 4) of the block index: the offset at which record 32 * (entry + 1)
// begins.
void storeBlockIndexEntry(TemplateImage& image, std::size_t entry, std::size_t offset);

} // namespace vorn
