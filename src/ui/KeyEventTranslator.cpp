// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/KeyEventTranslator.h"

#include "editor/VirtualKeys.h"

#include <QKeyEvent>
#include <array>
#include <string_view>
#include <utility>

namespace vorn {

namespace {

// Linux input codes 1 to 88 are the set-1 codes themselves; Num Lock carries the extended
// marker as on a PC, where Pause (119 below) shares its code without it.
constexpr int lastSetOneLinuxCode = 88;
constexpr int numLockCode = 69;

constexpr std::array<std::pair<int, SetOneCode>, 20> linuxCodes{{
    {96, {28, true}},    // keypad Enter
    {97, {29, true}},    // right Ctrl
    {98, {53, true}},    // keypad /
    {99, {55, true}},    // Print
    {100, {56, true}},   // right Alt
    {102, {71, true}},   // Home
    {103, {72, true}},   // Up
    {104, {73, true}},   // Page Up
    {105, {75, true}},   // Left
    {106, {77, true}},   // Right
    {107, {79, true}},   // End
    {108, {80, true}},   // Down
    {109, {81, true}},   // Page Down
    {110, {82, true}},   // Insert
    {111, {83, true}},   // Delete
    {119, {69, false}},  // Pause
    {121, {126, false}}, // keypad separator
    {125, {91, true}},   // left Windows
    {126, {92, true}},   // right Windows
    {127, {93, true}},   // Menu
}};

// Qt keys of the main keyboard on a US layout, shifted symbols with their key.
constexpr std::array<std::pair<int, SetOneCode>, 69> qtKeys{{
    {Qt::Key_Escape, {1, false}},
    {Qt::Key_Exclam, {2, false}},
    {Qt::Key_At, {3, false}},
    {Qt::Key_NumberSign, {4, false}},
    {Qt::Key_Dollar, {5, false}},
    {Qt::Key_Percent, {6, false}},
    {Qt::Key_AsciiCircum, {7, false}},
    {Qt::Key_Ampersand, {8, false}},
    {Qt::Key_Asterisk, {9, false}},
    {Qt::Key_ParenLeft, {10, false}},
    {Qt::Key_ParenRight, {11, false}},
    {Qt::Key_Minus, {12, false}},
    {Qt::Key_Underscore, {12, false}},
    {Qt::Key_Equal, {13, false}},
    {Qt::Key_Plus, {13, false}},
    {Qt::Key_Backspace, {14, false}},
    {Qt::Key_Tab, {15, false}},
    {Qt::Key_Backtab, {15, false}},
    {Qt::Key_BracketLeft, {26, false}},
    {Qt::Key_BraceLeft, {26, false}},
    {Qt::Key_BracketRight, {27, false}},
    {Qt::Key_BraceRight, {27, false}},
    {Qt::Key_Return, {28, false}},
    {Qt::Key_Control, {29, false}},
    {Qt::Key_Semicolon, {39, false}},
    {Qt::Key_Colon, {39, false}},
    {Qt::Key_Apostrophe, {40, false}},
    {Qt::Key_QuoteDbl, {40, false}},
    {Qt::Key_QuoteLeft, {41, false}},
    {Qt::Key_AsciiTilde, {41, false}},
    {Qt::Key_Shift, {42, false}},
    {Qt::Key_Backslash, {43, false}},
    {Qt::Key_Bar, {43, false}},
    {Qt::Key_Comma, {51, false}},
    {Qt::Key_Less, {51, false}},
    {Qt::Key_Period, {52, false}},
    {Qt::Key_Greater, {52, false}},
    {Qt::Key_Slash, {53, false}},
    {Qt::Key_Question, {53, false}},
    {Qt::Key_Alt, {56, false}},
    {Qt::Key_Space, {57, false}},
    {Qt::Key_CapsLock, {58, false}},
    {Qt::Key_Pause, {69, false}},
    {Qt::Key_NumLock, {69, true}},
    {Qt::Key_ScrollLock, {70, false}},
    {Qt::Key_F11, {87, false}},
    {Qt::Key_F12, {88, false}},
    {Qt::Key_Enter, {28, true}},
    {Qt::Key_Print, {55, true}},
    {Qt::Key_AltGr, {56, true}},
    {Qt::Key_Home, {71, true}},
    {Qt::Key_Up, {72, true}},
    {Qt::Key_PageUp, {73, true}},
    {Qt::Key_Left, {75, true}},
    {Qt::Key_Right, {77, true}},
    {Qt::Key_End, {79, true}},
    {Qt::Key_Down, {80, true}},
    {Qt::Key_PageDown, {81, true}},
    {Qt::Key_Insert, {82, true}},
    {Qt::Key_Delete, {83, true}},
    {Qt::Key_Meta, {91, true}},
    {Qt::Key_Super_L, {91, true}},
    {Qt::Key_Super_R, {92, true}},
    {Qt::Key_Menu, {93, true}},
    {Qt::Key_Clear, {76, false}},
}};

// Qt keys of the numeric keypad, in either Num Lock state.
constexpr std::array<std::pair<int, SetOneCode>, 28> qtKeypadKeys{{
    {Qt::Key_0, {82, false}},        {Qt::Key_1, {79, false}},        {Qt::Key_2, {80, false}},
    {Qt::Key_3, {81, false}},        {Qt::Key_4, {75, false}},        {Qt::Key_5, {76, false}},
    {Qt::Key_6, {77, false}},        {Qt::Key_7, {71, false}},        {Qt::Key_8, {72, false}},
    {Qt::Key_9, {73, false}},        {Qt::Key_Period, {83, false}},   {Qt::Key_Comma, {126, false}},
    {Qt::Key_Asterisk, {55, false}}, {Qt::Key_Plus, {78, false}},     {Qt::Key_Minus, {74, false}},
    {Qt::Key_Slash, {53, true}},     {Qt::Key_Enter, {28, true}},     {Qt::Key_Home, {71, false}},
    {Qt::Key_Up, {72, false}},       {Qt::Key_PageUp, {73, false}},   {Qt::Key_Left, {75, false}},
    {Qt::Key_Clear, {76, false}},    {Qt::Key_Right, {77, false}},    {Qt::Key_End, {79, false}},
    {Qt::Key_Down, {80, false}},     {Qt::Key_PageDown, {81, false}}, {Qt::Key_Insert, {82, false}},
    {Qt::Key_Delete, {83, false}},
}};

// The rows of letters and digits: Qt's key codes are their upper-case characters.
constexpr std::array<std::pair<std::string_view, int>, 4> characterRows{
    {{"1234567890", 2}, {"QWERTYUIOP", 16}, {"ASDFGHJKL", 30}, {"ZXCVBNM", 44}}};

template <std::size_t N>
std::optional<SetOneCode> lookUp(const std::array<std::pair<int, SetOneCode>, N>& table, int key) {
    for (const auto& [k, code] : table)
        if (k == key)
            return code;
    return std::nullopt;
}

bool isDigitKey(int qtKey) {
    return qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9;
}

bool isLetterKey(int qtKey) {
    return qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z;
}

// Whether a keypad key that doubles as a cursor key gave its digit: the key Qt reports says so
// (Shift turns a digit into the cursor function); for a key Qt could not name, Num Lock.
bool keypadGivesDigit(const QKeyEvent& event, bool numLock) {
    const int key = event.key();
    if (key == 0 || key == Qt::Key_unknown)
        return numLock;
    return isDigitKey(key) || key == Qt::Key_Period || key == Qt::Key_Comma;
}

// Caps Lock as the typed text of a letter shows it, where no native state is given.
bool capsLockFromText(const QKeyEvent& event) {
    const QString text = event.text();
    if (!isLetterKey(event.key()) || text.size() != 1 || !text[0].isLetter())
        return false;
    return text[0].isUpper() != event.modifiers().testFlag(Qt::ShiftModifier);
}

} // namespace

std::optional<KeyEvent> KeyEventTranslator::translate(const QKeyEvent& event) {
    KeyEvent key;
    const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
    std::optional<SetOneCode> code;
    if (event.nativeScanCode() > static_cast<quint32>(x11KeycodeOffset))
        code = fromLinuxCode(static_cast<int>(event.nativeScanCode()) - x11KeycodeOffset);
    if (code) {
        key.capsLock = (event.nativeModifiers() & capsLockBit) != 0;
        key.numLock = (event.nativeModifiers() & numLockBit) != 0;
    } else {
        code = fromQtKey(event.key(), keypad);
        key.capsLock = capsLockFromText(event);
        key.numLock = keypad && keypadGivesDigit(event, false);
    }
    if (!code)
        return std::nullopt;
    key.scanCode = code->scanCode;
    key.extended = code->extended;
    key.virtualKey = usVirtualKey(key.scanCode, key.extended, keypadGivesDigit(event, key.numLock));
    key.repeat = event.isAutoRepeat();
    key.text = event.text().toLatin1().toStdString();
    key.altHeld = event.modifiers().testFlag(Qt::AltModifier);
    return key;
}

std::optional<SetOneCode> KeyEventTranslator::fromLinuxCode(int linuxCode) {
    if (linuxCode >= 1 && linuxCode <= lastSetOneLinuxCode)
        return SetOneCode{linuxCode, linuxCode == numLockCode};
    return lookUp(linuxCodes, linuxCode);
}

std::optional<SetOneCode> KeyEventTranslator::fromQtKey(int qtKey, bool keypad) {
    if (keypad)
        return lookUp(qtKeypadKeys, qtKey);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F10)
        return SetOneCode{59 + qtKey - Qt::Key_F1, false};
    if (qtKey > 0 && qtKey < 0x80) {
        for (const auto& [characters, first] : characterRows)
            if (const auto at = characters.find(static_cast<char>(qtKey));
                at != std::string_view::npos)
                return SetOneCode{first + static_cast<int>(at), false};
    }
    return lookUp(qtKeys, qtKey);
}

} // namespace vorn
