// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/EditingState.h"

#include <string>
#include <string_view>

namespace vorn {

// The caret in the content line of the selected key and the edits made at it, in the normal
// display (character by character) and in the decimal display (token by token). It keeps the
// caret inside the text; the content line shows the text from the caret index minus the caret
// column, with the caret at most in column 85.
class ContentCaret {
public:
    ContentCaret(EditingState& state, std::string& text)
        : state_(state)
        , text_(text) {}

    void home();
    void end();
    void left();
    void right();
    // Removes the character (decimal display: the token) before the caret. False when the
    // caret stands at the start and nothing happened at all.
    bool backspace();
    // Removes the character (decimal display: the token) at the caret.
    void deleteAtCaret();
    // Inserts at the caret and moves the caret behind the insertion (normal display).
    void insert(std::string_view insertion);
    // Places the caret at the cell under x, keeping the part of the text shown.
    void placeAt(int x);
    // Brings a caret index beyond the text's end back to its end.
    void keepInsideText();

private:
    bool decimal() const { return state_.decimalDisplay; }
    int textLength() const { return static_cast<int>(text_.size()); }
    void decimalLeft();
    void decimalRight();
    bool decimalBackspace();
    void decimalDeleteAtCaret();

    EditingState& state_;
    std::string& text_;
};

} // namespace vorn
