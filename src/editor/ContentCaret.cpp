// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/ContentCaret.h"

#include "editor/DecimalDisplay.h"
#include "editor/ViewGeometry.h"

#include <algorithm>

namespace vorn {

namespace {

constexpr int maxColumn = EditingState::maxCaretColumn;

// The column the caret takes at the end of a line of `length` characters.
int endColumn(int length) {
    return length > maxColumn - 1 ? maxColumn : length;
}

void decrementIfAbove0(int& value) {
    if (value > 0)
        --value;
}

} // namespace

void ContentCaret::home() {
    state_.caretHome();
}

void ContentCaret::end() {
    state_.caretIndex = textLength();
    if (decimal()) {
        const int d = DecimalDisplay(text_).length();
        state_.caretDisplayIndex = d;
        state_.caretColumn = endColumn(d);
    } else {
        state_.caretColumn = endColumn(textLength());
    }
}

void ContentCaret::left() {
    if (decimal())
        return decimalLeft();
    decrementIfAbove0(state_.caretColumn);
    decrementIfAbove0(state_.caretIndex);
}

void ContentCaret::right() {
    if (decimal())
        return decimalRight();
    const int length = textLength();
    if (state_.caretIndex < length)
        ++state_.caretIndex;
    if (state_.caretColumn < maxColumn && state_.caretColumn < length)
        ++state_.caretColumn;
}

bool ContentCaret::backspace() {
    if (decimal())
        return decimalBackspace();
    if (state_.caretIndex == 0)
        return false;
    if (state_.caretColumn > 0) {
        text_.erase(static_cast<std::size_t>(state_.caretIndex - 1), 1);
        --state_.caretIndex;
        --state_.caretColumn;
    }
    return true;
}

void ContentCaret::deleteAtCaret() {
    if (decimal())
        return decimalDeleteAtCaret();
    if (state_.caretIndex < textLength())
        text_.erase(static_cast<std::size_t>(state_.caretIndex), 1);
}

void ContentCaret::insert(std::string_view insertion) {
    const int n = static_cast<int>(insertion.size());
    text_.insert(static_cast<std::size_t>(state_.caretIndex), insertion);
    state_.caretIndex += n;
    state_.caretColumn = std::min(maxColumn, state_.caretColumn + n);
}

void ContentCaret::placeAt(int x) {
    const int cell =
        std::clamp((x - viewGeometry::firstCellX) / viewGeometry::cellWidth, 0, maxColumn);
    const DecimalDisplay display(decimal() ? text_ : std::string_view{});
    const int shownLength = decimal() ? display.length() : textLength();
    int& index = decimal() ? state_.caretDisplayIndex : state_.caretIndex;
    int& column = state_.caretColumn;
    const int windowStart = std::clamp(index - column, 0, shownLength);

    bool fromCell = false;
    if (shownLength <= maxColumn && cell > shownLength) {
        column = index = shownLength;
    } else {
        column = cell;
        index = windowStart + cell;
        fromCell = true;
    }
    if (index > shownLength) { // a click behind the end of a scrolled line
        index = shownLength;
        column = shownLength - windowStart;
        fromCell = false;
    }
    if (!decimal())
        return;
    while (fromCell && !display.isStop(index)) {
        --index;
        decrementIfAbove0(column);
    }
    state_.caretIndex = display.storedPosition(index);
}

void ContentCaret::keepInsideText() {
    if (state_.caretIndex > textLength()) {
        state_.caretIndex = textLength();
        state_.caretColumn = std::min(state_.caretColumn, state_.caretIndex);
    }
}

void ContentCaret::decimalLeft() {
    const DecimalDisplay display(text_);
    int& index = state_.caretDisplayIndex;
    decrementIfAbove0(index);
    decrementIfAbove0(state_.caretColumn);
    while (index >= 1 && !display.isStop(index)) {
        --index;
        decrementIfAbove0(state_.caretColumn);
    }
    state_.caretIndex = display.storedPosition(index);
}

void ContentCaret::decimalRight() {
    const DecimalDisplay display(text_);
    const int d = display.length();
    int& index = state_.caretDisplayIndex;
    auto step = [&] {
        ++index;
        if (state_.caretColumn < maxColumn && state_.caretColumn < d)
            ++state_.caretColumn;
    };
    if (index < d)
        step();
    while (index < d && !display.isStop(index))
        step();
    state_.caretIndex = display.storedPosition(index);
}

bool ContentCaret::decimalBackspace() {
    const DecimalDisplay display(text_);
    const int before = display.tokensBefore(state_.caretDisplayIndex);
    if (before == 0)
        return false;
    if (state_.caretColumn > 0) {
        const auto [first, last] = display.storedSpan(before - 1);
        const int start = display.displayStart(before - 1);
        state_.caretColumn = std::max(0, state_.caretColumn - (state_.caretDisplayIndex - start));
        state_.caretDisplayIndex = start;
        text_.erase(static_cast<std::size_t>(first), static_cast<std::size_t>(last - first));
        state_.caretIndex = DecimalDisplay(text_).storedPosition(start);
    }
    return true;
}

void ContentCaret::decimalDeleteAtCaret() {
    const DecimalDisplay display(text_);
    const int at = display.tokensBefore(state_.caretDisplayIndex);
    if (at >= display.tokenCount())
        return;
    const auto [first, last] = display.storedSpan(at);
    text_.erase(static_cast<std::size_t>(first), static_cast<std::size_t>(last - first));
    const DecimalDisplay after(text_);
    if (state_.caretDisplayIndex > after.length()) {
        state_.caretColumn =
            std::max(0, state_.caretColumn - (state_.caretDisplayIndex - after.length()));
        state_.caretDisplayIndex = after.length();
    }
    state_.caretIndex = after.storedPosition(state_.caretDisplayIndex);
}

} // namespace vorn
