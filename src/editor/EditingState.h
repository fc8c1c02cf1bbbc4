// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "image/TemplateImage.h"
#include "layout/LayoutTables.h"

#include <array>

namespace vorn {

// The layout view's editing state: which key is selected, where the caret stands in its
// content line, and the modes the typing rules and the drawing read.
struct EditingState {
    static constexpr int maxCaretColumn = 85;

    EditingState() { resetAtConstruction(); }

    // All keys in ASCII mode, slot 0 highlighted, caret home, no pending keys.
    void resetAtConstruction();
    // After a new template, a load, a model change, a text import or Load Default: slot 0
    // selected (showing `firstKey`), caret home, no pending keys. The modes stay.
    void resetForDocumentUpdate(int firstKey);
    // The first update when the view is shown and after New and Load: the document-update
    // resets, then all keys in ASCII mode and no warning nor decimal display.
    void resetForInitialUpdate(int firstKey);
    // Highlights `slot` and no other.
    void highlightOnly(int slot);
    void caretHome() { caretIndex = caretDisplayIndex = caretColumn = 0; }

    int selectedKey = 0;
    int selectedSlot = 0;
    std::array<bool, maxSlots> slotHighlight{};
    int caretIndex = 0;
    int caretDisplayIndex = 0;
    int caretColumn = 0;
    bool shiftHeld = false;
    bool escPending = false;
    std::array<bool, keyNumberCount> keyIsAscii{};
    bool decimalDisplay = false;
    bool invalidTextWarning = false;
};

} // namespace vorn
