// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/KeyEvent.h"

#include <string>
#include <string_view>

namespace vorn {

// Set-1 scan codes the typing rules name.
namespace scanCodes {
inline constexpr int escape = 1;
inline constexpr int backspace = 14;
inline constexpr int enter = 28;
inline constexpr int letterE = 18;
inline constexpr int letterF = 33;
inline constexpr int leftShift = 42;
inline constexpr int rightShift = 54;
inline constexpr int printScreen = 55; // extended; not extended it is keypad *
inline constexpr int alt = 56;
inline constexpr int capsLock = 58;
inline constexpr int f10 = 68;
inline constexpr int keypad5 = 76;
} // namespace scanCodes

// What a special key does when no Esc is pending (and, for the keypad keys that double as
// cursor keys, when they give no digit).
enum class KeyAction {
    none,
    escape,
    shift,
    deleteBefore,
    deleteAt,
    caretHome,
    caretEnd,
    caretLeft, // the selection moves left instead while Shift is held
    caretRight,
    selectUp,
    selectDown,
};

// A key with a key word of its own: inserted after Esc, else the key acts.
struct SpecialKey {
    int scanCode;
    bool extended;
    std::string_view word;
    KeyAction action;
};

// A keypad key that doubles as a cursor key: its digit, its scan-code-mode word, its cursor
// function.
struct KeypadCursorKey {
    int scanCode;
    char digit;
    std::string_view word;
    KeyAction action;
};

const SpecialKey* findSpecialKey(int scanCode, bool extended);
const KeypadCursorKey* findKeypadCursorKey(int scanCode, bool extended);

// Keys the platform keeps for the menu bar or itself: Alt, F10, Print Screen and every Alt
// combination. They do nothing in the view.
bool isPlatformKey(const KeyEvent& key);

// What an ordinary key types in ASCII mode (empty for a key that types nothing). For letters
// Shift is exactly one of `shiftHeld` and Caps Lock; for the others `shiftHeld`.
std::string asciiModeText(const KeyEvent& key, bool shiftHeld);
// What an ordinary key types in scan-code mode.
std::string scanModeWord(const KeyEvent& key);

} // namespace vorn
