#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vorn {

// Walks a key text with the bracket rules shared by the encoder and the checks:
// "[[" and "]]" are literal brackets wherever they stand (even inside a key word),
// "[" opens a key word (starting it afresh), "]" closes one. A "]" with no open word
// closes the previous word again with a "]" appended, which the encoder acts on.
// The visitor's handlers return false to stop the walk; walkKeyText then returns false.
template <class Visitor> bool walkKeyText(std::string_view text, Visitor& visitor) {
    // The open word is a view of the text unless a literal pair inside it, or a stray "]",
    // forces a copy into `built`.
    std::string built;
    bool usingBuilt = false;
    std::size_t wordStart = 0;
    std::string_view lastWord;
    bool inWord = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if ((c == '[' || c == ']') && i + 1 < text.size() && text[i + 1] == c) {
            if (inWord && !usingBuilt) {
                built.assign(text.substr(wordStart, i - wordStart));
                usingBuilt = true;
            }
            if (!visitor.literal(c))
                return false;
            ++i;
        } else if (c == '[') {
            if (!visitor.open(inWord))
                return false;
            inWord = true;
            usingBuilt = false;
            wordStart = i;
        } else if (c == ']') {
            const bool wasOpen = inWord;
            inWord = false;
            if (wasOpen && !usingBuilt) {
                lastWord = text.substr(wordStart, i - wordStart + 1);
            } else {
                std::string word = wasOpen ? std::move(built) : std::string(lastWord);
                word += ']';
                built = std::move(word);
                lastWord = built;
            }
            if (!visitor.close(lastWord, wasOpen))
                return false;
        } else if (inWord) {
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
    return visitor.end(inWord);
}

// The digit of a shift-level word "[ShiftLevelN]" as the encoder reads it (0 when not a digit).
inline int shiftLevelDigit(std::string_view word) {
    constexpr std::size_t digitPos = 11;
    if (word.size() > digitPos && word[digitPos] >= '0' && word[digitPos] <= '9')
        return word[digitPos] - '0';
    return 0;
}

} // namespace vorn
