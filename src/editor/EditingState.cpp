// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/EditingState.h"

namespace vorn {

void EditingState::resetAtConstruction() {
    keyIsAscii.fill(true);
    highlightOnly(0);
    caretHome();
    shiftHeld = false;
    escPending = false;
}

void EditingState::resetForDocumentUpdate(int firstKey) {
    escPending = false;
    shiftHeld = false;
    caretHome();
    selectedSlot = 0;
    selectedKey = firstKey;
    highlightOnly(0);
}

void EditingState::resetForInitialUpdate(int firstKey) {
    resetForDocumentUpdate(firstKey);
    keyIsAscii.fill(true);
    invalidTextWarning = false;
    decimalDisplay = false;
}

void EditingState::highlightOnly(int slot) {
    slotHighlight.fill(false);
    if (slot >= 0 && slot < maxSlots)
        slotHighlight[slot] = true;
}

} // namespace vorn
