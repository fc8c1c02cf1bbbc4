// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace vorn {

// A key press or release as the typing rules need it, whatever the platform delivered: the
// physical key as a PC scan code (set 1) with the extended marker, and the Windows-style
// virtual-key code that decides keypad digits against cursor functions.
struct KeyEvent {
    int scanCode = 0; // set 1, without the 0xE0 prefix
    bool extended = false;
    bool repeat = false; // an auto-repeated key-down
    int virtualKey = 0;
    std::string text; // the characters the platform typed, single-byte
    bool capsLock = false;
    bool numLock = false;
    bool altHeld = false; // an Alt combination, which belongs to the menu bar

    friend bool operator==(const KeyEvent&, const KeyEvent&) = default;
};

} // namespace vorn
