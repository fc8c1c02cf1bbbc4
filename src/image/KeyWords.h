// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vorn {

// One scan-code key word: its bytes in a scan-code record and how the word list describes it.
struct KeyWord {
    std::string_view word;    // the name the decoder produces, e.g. "[F1]"
    std::string_view synonym; // a second spelling with the same bytes, or empty
    std::array<std::uint8_t, 4> bytes;
    std::uint8_t byteCount;
    std::string_view meaning;
    // Place in the "Special Function Key Word Table": group * 100 + position; 0 = not listed.
    std::uint16_t listPosition;
    std::string_view listDescription;

    constexpr std::span<const std::uint8_t> code() const { return {bytes.data(), byteCount}; }
    constexpr int listGroup() const { return listPosition / 100; }
};

// Every scan-code key word, in the order of the keyboard's scan codes.
std::span<const KeyWord> keyWordTable();

// Function words of the key text language.
namespace functionWords {
inline constexpr std::string_view carriageReturn = "[CR]";
inline constexpr std::string_view caps = "[Caps]";
inline constexpr std::string_view separator = "[Separator]";
inline constexpr std::string_view delayPrefix = "[Delay";
inline constexpr std::string_view shiftLevelPrefix = "[ShiftLevel";
} // namespace functionWords

inline constexpr std::uint8_t carriageReturnCode = 0x0D;
inline constexpr std::uint8_t functionPrefixCode = 0xFD; // followed by one operand byte
inline constexpr std::uint8_t capsOperand = 0xFC;
inline constexpr std::uint8_t separatorCode = 0xFE;
inline constexpr std::uint8_t scanMarkerCode = 0xFF; // also the shift-level byte
inline constexpr int maxDelay = 250;

// The value N of a well-formed delay word "[DelayN]" (1 to 3 digits, 1..250).
std::optional<int> delayWordValue(std::string_view word);

// The table entry whose word or synonym is exactly `word`.
const KeyWord* findKeyWord(std::string_view word);

// Bytes of one key word in scan-code mode; empty when the word is not allowed there.
std::string scanWordBytes(std::string_view word);
// 1..4 for a scan-code word of the table, 0 for anything else.
int scanWordByteCount(std::string_view word);
// A key word's name in a fixed-size cell, which the decoder copies whole without a loop;
// 32 bytes, so that finding one in a table is a shift.
struct alignas(32) CodeName {
    std::array<char, 24> chars;
    std::uint8_t size;

    // `word` must fit the cell.
    static constexpr CodeName of(std::string_view word) {
        CodeName name{};
        for (std::size_t i = 0; i < word.size() && i < name.chars.size(); ++i)
            name.chars[i] = word[i];
        name.size = static_cast<std::uint8_t>(word.size());
        return name;
    }
    constexpr std::string_view view() const { return {chars.data(), size}; }
};
// The decoder's names of one-byte scan codes and of the bytes after 0xE0, by code
// (size 0: no name).
struct CodeNameTables {
    std::array<CodeName, 256> single;
    std::array<CodeName, 256> extended;
};
const CodeNameTables& codeNameTables();

// The decoder's name for a one-byte scan code, or empty.
std::string_view scanCodeWord(std::uint8_t code);
// The decoder's name for the byte after 0xE0, or empty.
std::string_view extendedCodeWord(std::uint8_t code);

} // namespace vorn
