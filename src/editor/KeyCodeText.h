// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/KeyEvent.h"

#include <string>
#include <string_view>

namespace vorn {

// The key flags of a key message: the set-1 scan code in bits 0 to 7, the extended marker in
// bit 8, and bit 14 when the key was already down (auto-repeat).
namespace keyFlagBits {
inline constexpr int scanCode = 0xFF;
inline constexpr int extended = 0x100;
inline constexpr int repeat = 0x4000;
inline constexpr int released = 0x8000;
} // namespace keyFlagBits

// The flags of a key press or auto-repeat.
int keyDownFlags(const KeyEvent& key);
// The flags of a key release: the key was down and goes up (bits 14 and 15).
int keyUpFlags(const KeyEvent& key);

// What the output test appends for one key press.
struct KeyDescription {
    std::string text;
    bool shiftPressed = false; // a Shift key went down: what follows is shifted
};

// The text one key press adds to the output test's transcript: special keys as ", [word]",
// letters by Caps Lock against the held Shift, main-block symbols by the held Shift.
KeyDescription describeKey(int virtualKey, int keyFlags, bool testShiftHeld, bool capsLock);

// The US-layout character of a main-block digit or symbol key, unshifted or shifted; empty for
// any other scan code (auto-repeats included, as the code is compared whole).
std::string_view shiftedChar(int scanCode, bool unshifted);

} // namespace vorn
