// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vorn {

// The decimal display form of an ASCII-mode key text, token by token, with the stretch of the
// stored text each token shows. A token opens with "[" and closes with "]": "[65]" for a plain
// character, a function word as it stands. Literal brackets show as nothing and belong to no
// token. A text that is not a valid ASCII-mode text has no tokens.
class DecimalDisplay {
public:
    explicit DecimalDisplay(std::string_view text);

    const std::string& form() const { return form_; }
    int length() const { return static_cast<int>(form_.size()); }
    int tokenCount() const { return static_cast<int>(spans_.size()); }

    // Whether the caret stops at display position `index`: a token's start, or the end.
    bool isStop(int index) const;
    // Tokens wholly before display position `index`.
    int tokensBefore(int index) const;
    // Display position of the token's "[".
    int displayStart(int token) const { return displayStarts_[token]; }
    // The stretch [first, second) of the stored text that the token shows.
    std::pair<int, int> storedSpan(int token) const { return spans_[token]; }
    // Where in the stored text the caret stands at display position `index`: 0 at the start,
    // the text's end at the display's end, else just after the last token wholly before it.
    int storedPosition(int index) const;

private:
    std::string form_;
    std::vector<int> displayStarts_;
    std::vector<std::pair<int, int>> spans_;
    int textLength_;
};

} // namespace vorn
