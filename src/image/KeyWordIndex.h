// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "image/KeyWords.h"
#include "image/ShortBytes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

// Key words by spelling. A hash of the length and three characters, which differ for every
// spelling, picks one slot; the multiplier is chosen at compile time so that no two spellings
// share a slot, and a lookup is one hash and one compare. The tables are built with the key
// word table; the lookup is here so that the encoder, which looks up every key word of every
// key, can have it inline.
namespace vorn::keyWordIndex {

struct Spelling {
    CodeName name;
    const KeyWord* key = nullptr;
    // The key word's code, here too, so that the encoder finds it beside the name it compared.
    std::array<std::uint8_t, 4> bytes{};
    std::uint8_t byteCount = 0;
};

inline constexpr int slotBits = 12;
inline constexpr std::size_t slotCount = std::size_t{1} << slotBits;

// For each slot, the index in `spellings` of the spelling there (0: none).
extern const std::array<std::uint8_t, slotCount> spellingInSlot;
// Entry 0 stands for "none": its empty name matches no word.
extern const Spelling* const spellings;
extern const std::uint32_t slotMultiplier;

// Words shorter than three characters are never looked up.
constexpr std::uint32_t hashKey(std::string_view word) {
    const auto at = [&](std::size_t i) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(word[i]));
    };
    const std::size_t n = word.size();
    return at(1) | at(2) << 8 | at(n - 2) << 16 | static_cast<std::uint32_t>(n) << 24;
}

constexpr std::size_t slotOf(std::uint32_t key, std::uint32_t multiplier) {
    return (key * multiplier) >> (32 - slotBits);
}

// The spelling that is exactly `word`, or null. A word longer than every spelling differs
// from the one in its slot by its size.
inline const Spelling* findSpelling(std::string_view word) {
    if (word.size() < 3)
        return nullptr;
    const Spelling& spelling = spellings[spellingInSlot[slotOf(hashKey(word), slotMultiplier)]];
    if (spelling.name.size != word.size() ||
        !shortBytes::same(spelling.name.chars.data(), word.data(), word.size()))
        return nullptr;
    return &spelling;
}

// The table entry whose word or synonym is exactly `word`.
inline const KeyWord* find(std::string_view word) {
    const Spelling* spelling = findSpelling(word);
    return spelling ? spelling->key : nullptr;
}

} // namespace vorn::keyWordIndex
