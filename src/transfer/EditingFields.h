// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "image/TemplateImage.h"
#include "transfer/TransferEditing.h"

#include <array>

namespace vorn {

// Editing state kept in plain fields, for a driver without an editor (vornctl, tests).
class EditingFields : public TransferEditing {
public:
    static constexpr int noSlot = -1;

    explicit EditingFields(int selectedKey = 0)
        : currentKey(selectedKey) {}

    int selectedKey() const override { return currentKey; }
    void setSelection(int slot, int key) override {
        selectedSlot = slot;
        currentKey = key;
    }
    void highlightOnly(int slot) override { highlightedSlot = slot; }
    void setCaret(int index, int column) override {
        caretIndex = index;
        caretColumn = column;
    }
    void setEscPending(bool pending) override { escPending = pending; }
    void setShiftHeld(bool held) override { shiftHeld = held; }
    void setKeyIsAscii(int key, bool ascii) override { keyIsAscii[key] = ascii; }

    int currentKey; // the selected key
    int selectedSlot = 0;
    int highlightedSlot = noSlot;
    int caretIndex = 0;
    int caretColumn = 0;
    bool escPending = false;
    bool shiftHeld = false;
    std::array<bool, keyNumberCount> keyIsAscii{};
};

} // namespace vorn
