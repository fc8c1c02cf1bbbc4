// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vorn {

// The view's editing state as far as a transfer checks and resets it.
class TransferEditing {
public:
    virtual ~TransferEditing() = default;

    virtual int selectedKey() const = 0;
    virtual void setSelection(int slot, int key) = 0;
    // Highlights `slot` and no other.
    virtual void highlightOnly(int slot) = 0;
    virtual void setCaret(int index, int column) = 0;
    virtual void setEscPending(bool pending) = 0;
    virtual void setShiftHeld(bool held) = 0;
    virtual void setKeyIsAscii(int key, bool ascii) = 0;
};

} // namespace vorn
