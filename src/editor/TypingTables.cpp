// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/TypingTables.h"

#include "editor/VirtualKeys.h"

#include <array>

namespace vorn {

namespace {

constexpr std::array<SpecialKey, 35> specialKeys{{
    {1, false, "[ESC]", KeyAction::escape},
    {14, false, "[Backspace]", KeyAction::deleteBefore},
    {15, false, "[Tab]", KeyAction::none},
    {29, false, "[Ctrl]", KeyAction::none},
    {29, true, "[RightCtrl]", KeyAction::none},
    {42, false, "[Shift]", KeyAction::shift},
    {54, false, "[RightShift]", KeyAction::shift},
    {58, false, "[CapsLock]", KeyAction::none},
    {59, false, "[F1]", KeyAction::none},
    {60, false, "[F2]", KeyAction::none},
    {61, false, "[F3]", KeyAction::none},
    {62, false, "[F4]", KeyAction::none},
    {63, false, "[F5]", KeyAction::none},
    {64, false, "[F6]", KeyAction::none},
    {65, false, "[F7]", KeyAction::none},
    {66, false, "[F8]", KeyAction::none},
    {67, false, "[F9]", KeyAction::none},
    {87, false, "[F11]", KeyAction::none},
    {88, false, "[F12]", KeyAction::none},
    {69, false, "[PauseBreak]", KeyAction::none},
    {70, false, "[ScrollLk]", KeyAction::none},
    {69, true, "[NumLock]", KeyAction::none},
    {71, true, "[Home]", KeyAction::caretHome},
    {79, true, "[End]", KeyAction::caretEnd},
    {73, true, "[PageUp]", KeyAction::none},
    {81, true, "[PageDown]", KeyAction::none},
    {82, true, "[Insert]", KeyAction::none},
    {83, true, "[Delete]", KeyAction::deleteAt},
    {72, true, "[ArrowUp]", KeyAction::selectUp},
    {80, true, "[ArrowDown]", KeyAction::selectDown},
    {75, true, "[ArrowLeft]", KeyAction::caretLeft},
    {77, true, "[ArrowRight]", KeyAction::caretRight},
    {91, true, "[Win]", KeyAction::none},
    {92, true, "[RightWin]", KeyAction::none},
    {93, true, "[Menu]", KeyAction::none},
}};

constexpr std::array<KeypadCursorKey, 6> keypadCursorKeys{{
    {71, '7', "[PAD7]", KeyAction::caretHome},
    {72, '8', "[PAD8]", KeyAction::selectUp},
    {75, '4', "[PAD4]", KeyAction::caretLeft},
    {77, '6', "[PAD6]", KeyAction::caretRight},
    {79, '1', "[PAD1]", KeyAction::caretEnd},
    {80, '2', "[PAD2]", KeyAction::selectDown},
}};

// A key of the main block that types a character: unshifted, shifted, scan-code-mode word.
struct MainKey {
    int scanCode;
    char plain;
    char shifted;
    std::string_view word;
};

constexpr std::array<MainKey, 47> mainKeys{{
    {2, '1', '!', "[1]"},    {3, '2', '@', "[2]"},  {4, '3', '#', "[3]"},   {5, '4', '$', "[4]"},
    {6, '5', '%', "[5]"},    {7, '6', '^', "[6]"},  {8, '7', '&', "[7]"},   {9, '8', '*', "[8]"},
    {10, '9', '(', "[9]"},   {11, '0', ')', "[0]"}, {12, '-', '_', "[-]"},  {13, '=', '+', "[=]"},
    {16, 'q', 'Q', "[Q]"},   {17, 'w', 'W', "[W]"}, {18, 'e', 'E', "[E]"},  {19, 'r', 'R', "[R]"},
    {20, 't', 'T', "[T]"},   {21, 'y', 'Y', "[Y]"}, {22, 'u', 'U', "[U]"},  {23, 'i', 'I', "[I]"},
    {24, 'o', 'O', "[O]"},   {25, 'p', 'P', "[P]"}, {26, '[', '{', "[{]"},  {27, ']', '}', "[}]"},
    {30, 'a', 'A', "[A]"},   {31, 's', 'S', "[S]"}, {32, 'd', 'D', "[D]"},  {33, 'f', 'F', "[F]"},
    {34, 'g', 'G', "[G]"},   {35, 'h', 'H', "[H]"}, {36, 'j', 'J', "[J]"},  {37, 'k', 'K', "[K]"},
    {38, 'l', 'L', "[L]"},   {39, ';', ':', "[;]"}, {40, '\'', '"', "[']"}, {41, '`', '~', "[`]"},
    {43, '\\', '|', "[\\]"}, {44, 'z', 'Z', "[Z]"}, {45, 'x', 'X', "[X]"},  {46, 'c', 'C', "[C]"},
    {47, 'v', 'V', "[V]"},   {48, 'b', 'B', "[B]"}, {49, 'n', 'N', "[N]"},  {50, 'm', 'M', "[M]"},
    {51, ',', '<', "[,]"},   {52, '.', '>', "[.]"}, {53, '/', '?', "[/]"},
}};

constexpr MainKey spaceKey{57, ' ', ' ', "[Space]"};

// Keypad keys that type the same in every state: virtual-key code, character, word.
struct KeypadSymbol {
    int virtualKey;
    char character;
    std::string_view word;
};

constexpr std::array<KeypadSymbol, 6> keypadSymbols{{
    {vk::multiply, '*', "[PAD*]"},
    {vk::add, '+', "[PAD+]"},
    {vk::subtract, '-', "[PAD-]"},
    {vk::decimal, '.', "[PAD.]"},
    {vk::divide, '/', "[PAD/]"},
    {vk::separator, ',', "[PAD,]"},
}};

constexpr std::string_view numpadWords[] = {"[PAD0]", "[PAD1]", "[PAD2]", "[PAD3]", "[PAD4]",
                                            "[PAD5]", "[PAD6]", "[PAD7]", "[PAD8]", "[PAD9]"};

const MainKey* findMainKey(const KeyEvent& key) {
    if (key.extended)
        return nullptr;
    if (key.scanCode == spaceKey.scanCode)
        return &spaceKey;
    for (const MainKey& k : mainKeys)
        if (k.scanCode == key.scanCode)
            return &k;
    return nullptr;
}

const KeypadSymbol* findKeypadSymbol(const KeyEvent& key) {
    for (const KeypadSymbol& k : keypadSymbols)
        if (k.virtualKey == key.virtualKey)
            return &k;
    return nullptr;
}

bool isKeypad5WithoutDigit(const KeyEvent& key) {
    return key.scanCode == scanCodes::keypad5 && !key.extended &&
           !vk::isNumpadDigit(key.virtualKey);
}

} // namespace

const SpecialKey* findSpecialKey(int scanCode, bool extended) {
    for (const SpecialKey& k : specialKeys)
        if (k.scanCode == scanCode && k.extended == extended)
            return &k;
    return nullptr;
}

const KeypadCursorKey* findKeypadCursorKey(int scanCode, bool extended) {
    if (extended)
        return nullptr;
    for (const KeypadCursorKey& k : keypadCursorKeys)
        if (k.scanCode == scanCode)
            return &k;
    return nullptr;
}

bool isPlatformKey(const KeyEvent& key) {
    return key.altHeld || key.scanCode == scanCodes::alt ||
           (key.scanCode == scanCodes::f10 && !key.extended) ||
           (key.scanCode == scanCodes::printScreen && key.extended);
}

std::string asciiModeText(const KeyEvent& key, bool shiftHeld) {
    if (key.scanCode == scanCodes::enter)
        return "[CR]";
    if (vk::isNumpadDigit(key.virtualKey))
        return std::string(1, static_cast<char>('0' + key.virtualKey - vk::numpad0));
    if (const KeypadSymbol* symbol = findKeypadSymbol(key))
        return std::string(1, symbol->character);
    if (isKeypad5WithoutDigit(key))
        return "5";
    const MainKey* main = findMainKey(key);
    if (!main)
        return {};
    const bool letter = main->plain >= 'a' && main->plain <= 'z';
    const bool shifted = letter ? shiftHeld != key.capsLock : shiftHeld;
    return std::string(1, shifted ? main->shifted : main->plain);
}

std::string scanModeWord(const KeyEvent& key) {
    if (key.scanCode == scanCodes::enter)
        return "[Enter]";
    if (vk::isNumpadDigit(key.virtualKey))
        return std::string(numpadWords[key.virtualKey - vk::numpad0]);
    if (const KeypadSymbol* symbol = findKeypadSymbol(key))
        return std::string(symbol->word);
    if (isKeypad5WithoutDigit(key))
        return "[PAD5]";
    if (const MainKey* main = findMainKey(key))
        return std::string(main->word);
    if (key.virtualKey <= 0 || key.virtualKey > 0xFF)
        return {};
    return std::string{'[', static_cast<char>(key.virtualKey), ']'};
}

} // namespace vorn
