// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/DecimalDisplay.h"

#include "image/KeyTextChecks.h"

#include <algorithm>

namespace vorn {

namespace {

// The stored stretch of each token of a valid ASCII-mode text: a plain character, or a key
// word from its first "[" to its "]" (a literal pair inside the word belongs to it).
std::vector<std::pair<int, int>> tokenSpans(std::string_view text) {
    std::vector<std::pair<int, int>> spans;
    const int n = static_cast<int>(text.size());
    bool inWord = false;
    int wordStart = 0;
    for (int i = 0; i < n; ++i) {
        const char c = text[i];
        if ((c == '[' || c == ']') && i + 1 < n && text[i + 1] == c) {
            ++i;
        } else if (c == '[') {
            if (!inWord)
                wordStart = i;
            inWord = true;
        } else if (c == ']') {
            if (inWord)
                spans.emplace_back(wordStart, i + 1);
            inWord = false;
        } else if (!inWord) {
            spans.emplace_back(i, i + 1);
        }
    }
    return spans;
}

} // namespace

DecimalDisplay::DecimalDisplay(std::string_view text)
    : form_(decimalDisplayForm(text))
    , textLength_(static_cast<int>(text.size())) {
    for (int i = 0; i < length(); ++i)
        if (form_[i] == '[')
            displayStarts_.push_back(i);
    if (!form_.empty())
        spans_ = tokenSpans(text);
    // Both walks follow the same rules; should they ever disagree, keep only what both saw.
    const std::size_t count = std::min(spans_.size(), displayStarts_.size());
    spans_.resize(count);
    displayStarts_.resize(count);
}

bool DecimalDisplay::isStop(int index) const {
    return index <= 0 || index >= length() || form_[index] == '[';
}

int DecimalDisplay::tokensBefore(int index) const {
    const int end = std::clamp(index, 0, length());
    const int closes = static_cast<int>(std::count(form_.begin(), form_.begin() + end, ']'));
    return std::min(closes, tokenCount());
}

int DecimalDisplay::storedPosition(int index) const {
    if (index <= 0)
        return 0;
    if (index >= length())
        return textLength_;
    const int before = tokensBefore(index);
    return before == 0 ? 0 : spans_[before - 1].second;
}

} // namespace vorn
