// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/KeyCodeText.h"

#include <array>

namespace vorn {

namespace {

struct NamedKey {
    int flags;
    std::string_view text;
};

// Keys that add their key word, auto-repeated or not.
constexpr std::array<NamedKey, 52> namedKeys{{
    {0x001, ", [ESC]"},        {0x00E, ", [Backspace]"}, {0x00F, ", [Tab]"},
    {0x01C, ", [Enter]"},      {0x01D, ", [Ctrl]"},      {0x02A, ", [Shift]"},
    {0x036, ", [RightShift]"}, {0x037, ", [PAD*]"},      {0x039, ", [Space]"},
    {0x03B, ", [F1]"},         {0x03C, ", [F2]"},        {0x03D, ", [F3]"},
    {0x03E, ", [F4]"},         {0x03F, ", [F5]"},        {0x041, ", [F7]"},
    {0x042, ", [F8]"},         {0x043, ", [F9]"},        {0x045, ", [PauseBreak]"},
    {0x046, ", [ScrollLk]"},   {0x047, ", [PAD7]"},      {0x048, ", [PAD8]"},
    {0x049, ", [PAD9]"},       {0x04A, ", [PAD-]"},      {0x04B, ", [PAD4]"},
    {0x04C, ", [PAD5]"},       {0x04D, ", [PAD6]"},      {0x04E, ", [PAD+]"},
    {0x04F, ", [PAD1]"},       {0x050, ", [PAD2]"},      {0x051, ", [PAD3]"},
    {0x052, ", [PAD0]"},       {0x053, ", [PAD.]"},      {0x057, ", [F11]"},
    {0x058, ", [F12]"},        {0x11C, ", [PADEnter]"},  {0x11D, ", [RightCtrl]"},
    {0x135, ", [PAD/]"},       {0x145, ", [NumLock]"},   {0x147, ", [Home]"},
    {0x148, ", [ArrowUp]"},    {0x149, ", [PageUp]"},    {0x14B, ", [ArrowLeft]"},
    {0x14D, ", [ArrowRight]"}, {0x14F, ", [End]"},       {0x150, ", [ArrowDown]"},
    {0x151, ", [PageDown]"},   {0x152, ", [Insert]"},    {0x153, ", [Delete]"},
    {0x15B, ", [Win]"},        {0x15C, ", [RightWin]"},  {0x15D, ", [Menu]"},
    {0x03A, ", [CapsLock]"}, // the first press only: see below
}};

constexpr int capsLockFlags = 0x03A;
constexpr int leftShiftFlags = 0x02A;
constexpr int rightShiftFlags = 0x036;

struct SymbolKey {
    int scanCode;
    std::string_view unshifted;
    std::string_view shifted;
};

constexpr std::array<SymbolKey, 21> symbolKeys{{
    {0x02, "1", "!"},  {0x03, "2", "@"}, {0x04, "3", "#"},  {0x05, "4", "$"}, {0x06, "5", "%"},
    {0x07, "6", "^"},  {0x08, "7", "&"}, {0x09, "8", "*"},  {0x0A, "9", "("}, {0x0B, "0", ")"},
    {0x0C, "-", "_"},  {0x0D, "=", "+"}, {0x1A, "[", "{"},  {0x1B, "]", "}"}, {0x27, ";", ":"},
    {0x28, "'", "\""}, {0x29, "`", "~"}, {0x2B, "\\", "|"}, {0x33, ",", "<"}, {0x34, ".", ">"},
    {0x35, "/", "?"},
}};

const NamedKey* findNamedKey(int keyFlags) {
    for (const NamedKey& key : namedKeys) {
        const bool repeats = key.flags != capsLockFlags;
        if (keyFlags == key.flags || (repeats && keyFlags == (key.flags | keyFlagBits::repeat)))
            return &key;
    }
    return nullptr;
}

constexpr bool isLetter(int virtualKey) {
    return virtualKey >= 'A' && virtualKey <= 'Z';
}

int codeFlags(const KeyEvent& key) {
    return (key.scanCode & keyFlagBits::scanCode) | (key.extended ? keyFlagBits::extended : 0);
}

} // namespace

int keyDownFlags(const KeyEvent& key) {
    return codeFlags(key) | (key.repeat ? keyFlagBits::repeat : 0);
}

int keyUpFlags(const KeyEvent& key) {
    return codeFlags(key) | keyFlagBits::repeat | keyFlagBits::released;
}

KeyDescription describeKey(int virtualKey, int keyFlags, bool testShiftHeld, bool capsLock) {
    if (const NamedKey* key = findNamedKey(keyFlags)) {
        const int code = keyFlags & ~keyFlagBits::repeat;
        return {std::string(key->text), code == leftShiftFlags || code == rightShiftFlags};
    }
    if (isLetter(virtualKey)) {
        const bool capital = capsLock != testShiftHeld;
        return {std::string(1, static_cast<char>(capital ? virtualKey : virtualKey + 32))};
    }
    return {std::string(shiftedChar(keyFlags, !testShiftHeld))};
}

std::string_view shiftedChar(int scanCode, bool unshifted) {
    for (const SymbolKey& key : symbolKeys)
        if (key.scanCode == scanCode)
            return unshifted ? key.unshifted : key.shifted;
    return {};
}

} // namespace vorn
