// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/EditingStateTransfer.h"

namespace vorn {

void EditingStateTransfer::setSelection(int slot, int key) {
    state_.selectedSlot = slot;
    state_.selectedKey = key;
}

void EditingStateTransfer::setCaret(int index, int column) {
    state_.caretIndex = index;
    state_.caretColumn = column;
}

void EditingStateTransfer::setKeyIsAscii(int key, bool ascii) {
    if (key >= 0 && key < keyNumberCount)
        state_.keyIsAscii[key] = ascii;
}

} // namespace vorn
