// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "image/ShortBytes.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vorn {

namespace detail {

// Where a walk stands between two characters.
struct WalkState {
    bool inWord = false;
    std::size_t wordStart = 0;
    std::string_view lastWord; // the word closed last, for a stray "]"
};

// The full bracket rules, from character `i` on.
template <class Visitor>
bool walkKeyTextFrom(std::string_view text, std::size_t i, WalkState state, Visitor& visitor) {
    // The open word is a view of the text unless a literal pair inside it, or a stray "]",
    // forces a copy into `built`.
    std::string built;
    bool usingBuilt = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if ((c == '[' || c == ']') && i + 1 < text.size() && text[i + 1] == c) {
            if (state.inWord && !usingBuilt) {
                built.assign(text.substr(state.wordStart, i - state.wordStart));
                usingBuilt = true;
            }
            if (!visitor.literal(c))
                return false;
            ++i;
        } else if (c == '[') {
            if (!visitor.open(state.inWord))
                return false;
            state.inWord = true;
            usingBuilt = false;
            state.wordStart = i;
        } else if (c == ']') {
            const bool wasOpen = state.inWord;
            state.inWord = false;
            if (wasOpen && !usingBuilt) {
                state.lastWord = text.substr(state.wordStart, i - state.wordStart + 1);
            } else {
                std::string word = wasOpen ? std::move(built) : std::string(state.lastWord);
                word += ']';
                built = std::move(word);
                state.lastWord = built;
            }
            if (!visitor.close(state.lastWord, wasOpen))
                return false;
        } else if (state.inWord) {
            if (usingBuilt) {
                built += c;
            } else {
                // The word is a view of the text: nothing to do until the next bracket.
                while (i + 1 < text.size() && text[i + 1] != '[' && text[i + 1] != ']')
                    ++i;
            }
        } else if (!visitor.plain(c)) {
            return false;
        }
    }
    return visitor.end(state.inWord);
}

constexpr bool isBracket(char c) {
    return c == '[' || c == ']';
}

// Marks, in the top bit of each byte, the bytes of `eight` that are "[" or "]". The lowest
// mark is exact; marks above it may be false, which does not matter for finding the first.
inline std::uint64_t bracketMarks(std::uint64_t eight) {
    constexpr std::uint64_t ones = 0x0101010101010101ull;
    const auto zeroBytes = [](std::uint64_t x) { return (x - ones) & ~x & (ones << 7); };
    return zeroBytes(eight ^ (ones * '[')) | zeroBytes(eight ^ (ones * ']'));
}

// The position of the first "[" or "]" from `from` on, or the text's end. Most words are
// short: where eight characters are left, they are looked at in one step first.
inline std::size_t nextBracket(std::string_view text, std::size_t from) {
    if (std::endian::native == std::endian::little && from + 8 <= text.size()) {
        if (const std::uint64_t marks =
                bracketMarks(shortBytes::load<std::uint64_t>(text.data() + from)))
            return from + static_cast<std::size_t>(std::countr_zero(marks)) / 8;
        from += 8;
    }
    while (from < text.size() && !isBracket(text[from]))
        ++from;
    return from;
}

// Hands a run of plain characters over in one piece when the visitor takes runs.
template <class Visitor> bool visitPlainRun(std::string_view run, Visitor& visitor) {
    if constexpr (requires { visitor.plainRun(run); }) {
        return visitor.plainRun(run);
    } else {
        for (const char c : run)
            if (!visitor.plain(c))
                return false;
        return true;
    }
}

} // namespace detail

// Walks a key text with the bracket rules shared by the encoder and the checks:
// "[[" and "]]" are literal brackets wherever they stand (even inside a key word),
// "[" opens a key word (starting it afresh), "]" closes one. A "]" with no open word
// closes the previous word again with a "]" appended, which the encoder acts on.
// The visitor's handlers return false to stop the walk; walkKeyText then returns false.
template <class Visitor> bool walkKeyText(std::string_view text, Visitor& visitor) {
    // Most texts are plain characters, literal pairs and words without brackets inside:
    // those are walked here; anything else goes on under the full rules.
    detail::WalkState state;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        const bool pair = i + 1 < text.size() && text[i + 1] == c;
        if (c == '[' && !pair) {
            if (!visitor.open(false))
                return false;
            const std::size_t close = detail::nextBracket(text, i + 1);
            if (close == text.size())
                return visitor.end(true);
            if (text[close] == '[' || (close + 1 < text.size() && text[close + 1] == ']'))
                return detail::walkKeyTextFrom(text, i + 1, {true, i, state.lastWord}, visitor);
            state.lastWord = text.substr(i, close - i + 1);
            if (!visitor.close(state.lastWord, true))
                return false;
            i = close + 1;
        } else if (c == ']' && !pair) {
            return detail::walkKeyTextFrom(text, i, state, visitor);
        } else if (c == '[' || c == ']') {
            if (!visitor.literal(c))
                return false;
            i += 2;
        } else {
            const std::size_t runEnd = detail::nextBracket(text, i + 1);
            if (!detail::visitPlainRun(text.substr(i, runEnd - i), visitor))
                return false;
            i = runEnd;
        }
    }
    return visitor.end(false);
}

// The digit of a shift-level word "[ShiftLevelN]" as the encoder reads it (0 when not a digit).
inline int shiftLevelDigit(std::string_view word) {
    constexpr std::size_t digitPos = 11;
    if (word.size() > digitPos && word[digitPos] >= '0' && word[digitPos] <= '9')
        return word[digitPos] - '0';
    return 0;
}

} // namespace vorn
