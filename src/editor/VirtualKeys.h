// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vorn {

// Windows-style virtual-key codes.
namespace vk {
inline constexpr int back = 0x08;
inline constexpr int tab = 0x09;
inline constexpr int clear = 0x0C;
inline constexpr int enter = 0x0D;
inline constexpr int shift = 0x10;
inline constexpr int control = 0x11;
inline constexpr int menu = 0x12; // Alt
inline constexpr int pause = 0x13;
inline constexpr int capital = 0x14;
inline constexpr int escape = 0x1B;
inline constexpr int space = 0x20;
inline constexpr int prior = 0x21;
inline constexpr int next = 0x22;
inline constexpr int end = 0x23;
inline constexpr int home = 0x24;
inline constexpr int left = 0x25;
inline constexpr int up = 0x26;
inline constexpr int right = 0x27;
inline constexpr int down = 0x28;
inline constexpr int snapshot = 0x2C;
inline constexpr int insert = 0x2D;
inline constexpr int del = 0x2E;
inline constexpr int lwin = 0x5B;
inline constexpr int rwin = 0x5C;
inline constexpr int apps = 0x5D;
inline constexpr int numpad0 = 0x60;
inline constexpr int numpad9 = 0x69;
inline constexpr int multiply = 0x6A;
inline constexpr int add = 0x6B;
inline constexpr int separator = 0x6C;
inline constexpr int subtract = 0x6D;
inline constexpr int decimal = 0x6E;
inline constexpr int divide = 0x6F;
inline constexpr int f1 = 0x70;
inline constexpr int numlock = 0x90;
inline constexpr int scroll = 0x91;
inline constexpr int oem1 = 0xBA; // ; :
inline constexpr int oemPlus = 0xBB;
inline constexpr int oemComma = 0xBC;
inline constexpr int oemMinus = 0xBD;
inline constexpr int oemPeriod = 0xBE;
inline constexpr int oem2 = 0xBF; // / ?
inline constexpr int oem3 = 0xC0; // ` ~
inline constexpr int oem4 = 0xDB; // [ {
inline constexpr int oem5 = 0xDC; // \ |
inline constexpr int oem6 = 0xDD; // ] }
inline constexpr int oem7 = 0xDE; // ' "
inline constexpr int oem102 = 0xE2;

constexpr bool isNumpadDigit(int code) {
    return code >= numpad0 && code <= numpad9;
}
} // namespace vk

// The virtual-key code a US keyboard gives for a set-1 scan code; `keypadDigits` picks the
// digit codes of the keypad keys that double as cursor keys (Num Lock on, no Shift). 0 for a
// code that names no key.
int usVirtualKey(int scanCode, bool extended, bool keypadDigits);

} // namespace vorn
