// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/EditingState.h"
#include "transfer/TransferEditing.h"

namespace vorn {

// The view's editing state as the transfers check and reset it.
class EditingStateTransfer : public TransferEditing {
public:
    explicit EditingStateTransfer(EditingState& state)
        : state_(state) {}

    int selectedKey() const override { return state_.selectedKey; }
    void setSelection(int slot, int key) override;
    void highlightOnly(int slot) override { state_.highlightOnly(slot); }
    void setCaret(int index, int column) override;
    void setEscPending(bool pending) override { state_.escPending = pending; }
    void setShiftHeld(bool held) override { state_.shiftHeld = held; }
    void setKeyIsAscii(int key, bool ascii) override;

private:
    EditingState& state_;
};

} // namespace vorn
