// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/KeyWords.h"

#include "image/KeyWordIndex.h"
#include "image/TextMark.h"

#include <cstring>

namespace vorn {

namespace {

// The scan-code key word vocabulary: every user of key words reads this one table.
// clang-format off
constexpr KeyWord keyWords[] = {
    {"[ESC]", "", {0x01}, 1, "Esc key", 201, VORN_TRANSLATE_NOOP("vorn::KeyWords", "Function key <Esc>")},
    {"[1]", "[!]", {0x02}, 1, "main block 1", 0, ""},
    {"[2]", "[@]", {0x03}, 1, "main block 2", 0, ""},
    {"[3]", "[#]", {0x04}, 1, "main block 3", 0, ""},
    {"[4]", "[$]", {0x05}, 1, "main block 4", 0, ""},
    {"[5]", "[%]", {0x06}, 1, "main block 5", 0, ""},
    {"[6]", "[^]", {0x07}, 1, "main block 6", 0, ""},
    {"[7]", "[&]", {0x08}, 1, "main block 7", 0, ""},
    {"[8]", "[*]", {0x09}, 1, "main block 8", 0, ""},
    {"[9]", "[(]", {0x0A}, 1, "main block 9", 0, ""},
    {"[0]", "[)]", {0x0B}, 1, "main block 0", 0, ""},
    {"[-]", "[_]", {0x0C}, 1, "minus key", 0, ""},
    {"[=]", "[+]", {0x0D}, 1, "equals key", 0, ""},
    {"[Backspace]", "", {0x0E}, 1, "Backspace", 202, VORN_TRANSLATE_NOOP("vorn::KeyWords", "key <Backspace>")},
    {"[Tab]", "", {0x0F}, 1, "Tab", 203, VORN_TRANSLATE_NOOP("vorn::KeyWords", "key <Tab>")},
    {"[Q]", "[q]", {0x10}, 1, "letter key of the upper row", 0, ""},
    {"[W]", "[w]", {0x11}, 1, "letter key of the upper row", 0, ""},
    {"[E]", "[e]", {0x12}, 1, "letter key of the upper row", 0, ""},
    {"[R]", "[r]", {0x13}, 1, "letter key of the upper row", 0, ""},
    {"[T]", "[t]", {0x14}, 1, "letter key of the upper row", 0, ""},
    {"[Y]", "[y]", {0x15}, 1, "letter key of the upper row", 0, ""},
    {"[U]", "[u]", {0x16}, 1, "letter key of the upper row", 0, ""},
    {"[I]", "[i]", {0x17}, 1, "letter key of the upper row", 0, ""},
    {"[O]", "[o]", {0x18}, 1, "letter key of the upper row", 0, ""},
    {"[P]", "[p]", {0x19}, 1, "letter key of the upper row", 0, ""},
    {"[{]", "", {0x1A}, 1, "left bracket key", 0, ""},
    {"[}]", "", {0x1B}, 1, "right bracket key", 0, ""},
    {"[Enter]", "", {0x1C}, 1, "Enter", 205, VORN_TRANSLATE_NOOP("vorn::KeyWords", "key <Enter>")},
    {"[Ctrl]", "", {0x1D}, 1, "left Ctrl", 208, VORN_TRANSLATE_NOOP("vorn::KeyWords", "key <Ctrl> in left")},
    {"[A]", "[a]", {0x1E}, 1, "letter key of the middle row", 0, ""},
    {"[S]", "[s]", {0x1F}, 1, "letter key of the middle row", 0, ""},
    {"[D]", "[d]", {0x20}, 1, "letter key of the middle row", 0, ""},
    {"[F]", "[f]", {0x21}, 1, "letter key of the middle row", 0, ""},
    {"[G]", "[g]", {0x22}, 1, "letter key of the middle row", 0, ""},
    {"[H]", "[h]", {0x23}, 1, "letter key of the middle row", 0, ""},
    {"[J]", "[j]", {0x24}, 1, "letter key of the middle row", 0, ""},
    {"[K]", "[k]", {0x25}, 1, "letter key of the middle row", 0, ""},
    {"[L]", "[l]", {0x26}, 1, "letter key of the middle row", 0, ""},
    {"[;]", "[:]", {0x27}, 1, "semicolon key", 0, ""},
    {"[']", "[\"]", {0x28}, 1, "apostrophe key", 0, ""},
    {"[`]", "[~]", {0x29}, 1, "grave accent key", 0, ""},
    {"[Shift]", "", {0x2A}, 1, "left Shift", 206, VORN_TRANSLATE_NOOP("vorn::KeyWords", "key <Shift> in left")},
    {"[\\]", "[|]", {0x2B}, 1, "backslash key", 0, ""},
    {"[Z]", "[z]", {0x2C}, 1, "letter key of the lower row", 0, ""},
    {"[X]", "[x]", {0x2D}, 1, "letter key of the lower row", 0, ""},
    {"[C]", "[c]", {0x2E}, 1, "letter key of the lower row", 0, ""},
    {"[V]", "[v]", {0x2F}, 1, "letter key of the lower row", 0, ""},
    {"[B]", "[b]", {0x30}, 1, "letter key of the lower row", 0, ""},
    {"[N]", "[n]", {0x31}, 1, "letter key of the lower row", 0, ""},
    {"[M]", "[m]", {0x32}, 1, "letter key of the lower row", 0, ""},
    {"[,]", "[<]", {0x33}, 1, "comma key", 0, ""},
    {"[.]", "[>]", {0x34}, 1, "period key", 0, ""},
    {"[/]", "[?]", {0x35}, 1, "slash key", 0, ""},
    {"[RightShift]", "", {0x36}, 1, "right Shift", 207, VORN_TRANSLATE_NOOP("vorn::KeyWords", "key <Shift> in right")},
    {"[PAD*]", "", {0x37}, 1, "keypad *", 513, VORN_TRANSLATE_NOOP("vorn::KeyWords", "number key <*> in keypad")},
    {"[Alt]", "", {0x38}, 1, "left Alt", 210, VORN_TRANSLATE_NOOP("vorn::KeyWords", "key <Alt> in left")},
    {"[Space]", "", {0x39}, 1, "space bar", 212, VORN_TRANSLATE_NOOP("vorn::KeyWords", "key <space bar>")},
    {"[CapsLock]", "", {0x3A}, 1, "Caps Lock", 204, VORN_TRANSLATE_NOOP("vorn::KeyWords", "key <Caps Lock>")},
    {"[F1]", "", {0x3B}, 1, "function key F1", 101, VORN_TRANSLATE_NOOP("vorn::KeyWords", "Function key <F1>")},
    {"[F2]", "", {0x3C}, 1, "function key F2", 102, VORN_TRANSLATE_NOOP("vorn::KeyWords", "Function key <F2>")},
    {"[F3]", "", {0x3D}, 1, "function key F3", 103, VORN_TRANSLATE_NOOP("vorn::KeyWords", "Function key <F3>")},
    {"[F4]", "", {0x3E}, 1, "function key F4", 104, VORN_TRANSLATE_NOOP("vorn::KeyWords", "Function key <F4>")},
    {"[F5]", "", {0x3F}, 1, "function key F5", 105, VORN_TRANSLATE_NOOP("vorn::KeyWords", "Function key <F5>")},
    {"[F6]", "", {0x40}, 1, "function key F6", 106, VORN_TRANSLATE_NOOP("vorn::KeyWords", "Function key <F6>")},
    {"[F7]", "", {0x41}, 1, "function key F7", 107, VORN_TRANSLATE_NOOP("vorn::KeyWords", "Function key <F7>")},
    {"[F8]", "", {0x42}, 1, "function key F8", 108, VORN_TRANSLATE_NOOP("vorn::KeyWords", "Function key <F8>")},
    {"[F9]", "", {0x43}, 1, "function key F9", 109, VORN_TRANSLATE_NOOP("vorn::KeyWords", "Function key <F9>")},
    {"[F10]", "", {0x44}, 1, "function key F10", 110, VORN_TRANSLATE_NOOP("vorn::KeyWords", "Function key <F10>")},
    {"[NumLock]", "", {0x45}, 1, "Num Lock", 311, VORN_TRANSLATE_NOOP("vorn::KeyWords", "Function key <Num Lock>")},
    {"[ScrollLk]", "", {0x46}, 1, "Scroll Lock", 312, VORN_TRANSLATE_NOOP("vorn::KeyWords", "Function key <Scroll Lock>")},
    {"[PAD7]", "", {0x47}, 1, "keypad 7", 508, VORN_TRANSLATE_NOOP("vorn::KeyWords", "number key <7> in keypad")},
    {"[PAD8]", "", {0x48}, 1, "keypad 8", 509, VORN_TRANSLATE_NOOP("vorn::KeyWords", "number key <8> in keypad")},
    {"[PAD9]", "", {0x49}, 1, "keypad 9", 510, VORN_TRANSLATE_NOOP("vorn::KeyWords", "number key <9> in keypad")},
    {"[PAD-]", "", {0x4A}, 1, "keypad -", 512, VORN_TRANSLATE_NOOP("vorn::KeyWords", "number key <-> in keypad")},
    {"[PAD4]", "", {0x4B}, 1, "keypad 4", 505, VORN_TRANSLATE_NOOP("vorn::KeyWords", "number key <4> in keypad")},
    {"[PAD5]", "", {0x4C}, 1, "keypad 5", 506, VORN_TRANSLATE_NOOP("vorn::KeyWords", "number key <5> in keypad")},
    {"[PAD6]", "", {0x4D}, 1, "keypad 6", 507, VORN_TRANSLATE_NOOP("vorn::KeyWords", "number key <6> in keypad")},
    {"[PAD+]", "", {0x4E}, 1, "keypad +", 511, VORN_TRANSLATE_NOOP("vorn::KeyWords", "number key <+> in keypad")},
    {"[PAD1]", "", {0x4F}, 1, "keypad 1", 502, VORN_TRANSLATE_NOOP("vorn::KeyWords", "number key <1> in keypad")},
    {"[PAD2]", "", {0x50}, 1, "keypad 2", 503, VORN_TRANSLATE_NOOP("vorn::KeyWords", "number key <2> in keypad")},
    {"[PAD3]", "", {0x51}, 1, "keypad 3", 504, VORN_TRANSLATE_NOOP("vorn::KeyWords", "number key <3> in keypad")},
    {"[PAD0]", "", {0x52}, 1, "keypad 0", 501, VORN_TRANSLATE_NOOP("vorn::KeyWords", "number key <0> in keypad")},
    {"[PAD.]", "", {0x53}, 1, "keypad .", 515, VORN_TRANSLATE_NOOP("vorn::KeyWords", "number key <.> in keypad")},
    {"[Alt+PrintScreen]", "", {0x54}, 1, "Alt + Print Screen", 403, VORN_TRANSLATE_NOOP("vorn::KeyWords", "Function key <Alt>+<Print Screen>")},
    {"[F11]", "", {0x57}, 1, "F11", 111, VORN_TRANSLATE_NOOP("vorn::KeyWords", "Function key <F11>")},
    {"[F12]", "", {0x58}, 1, "F12", 112, VORN_TRANSLATE_NOOP("vorn::KeyWords", "Function key <F12>")},
    {"[0E0]", "", {0xE0}, 1, "prefix byte used for generating break codes of special keys", 701, VORN_TRANSLATE_NOOP("vorn::KeyWords", "scan code used for generating break codes of special keys")},
    {"[0F0]", "", {0xF0}, 1, "prefix byte used for generating break codes", 702, VORN_TRANSLATE_NOOP("vorn::KeyWords", "scan code used for generating break codes")},
    {"[PADEnter]", "", {0xE0, 0x1C}, 2, "keypad Enter", 516, VORN_TRANSLATE_NOOP("vorn::KeyWords", "number key <Enter> in keypad")},
    {"[RightCtrl]", "", {0xE0, 0x1D}, 2, "right Ctrl", 209, VORN_TRANSLATE_NOOP("vorn::KeyWords", "key <Ctrl> in right")},
    {"[PAD/]", "", {0xE0, 0x35}, 2, "keypad /", 514, VORN_TRANSLATE_NOOP("vorn::KeyWords", "number key </> in keypad")},
    {"[Ctrl+PrintScreen]", "", {0xE0, 0x37}, 2, "Ctrl + Print Screen", 402, VORN_TRANSLATE_NOOP("vorn::KeyWords", "Function key <Ctrl>+<Print Screen>")},
    {"[RightAlt]", "", {0xE0, 0x38}, 2, "right Alt", 211, VORN_TRANSLATE_NOOP("vorn::KeyWords", "key <Alt> in right")},
    {"[Ctrl+PauseBreak]", "", {0xE0, 0x46}, 2, "Ctrl + Pause Break", 401, VORN_TRANSLATE_NOOP("vorn::KeyWords", "Function key <Ctrl>+<Pause Break>")},
    {"[Home]", "", {0xE0, 0x47}, 2, "Home", 303, VORN_TRANSLATE_NOOP("vorn::KeyWords", "Function key <Home>")},
    {"[ArrowUp]", "", {0xE0, 0x48}, 2, "Up Arrow", 307, VORN_TRANSLATE_NOOP("vorn::KeyWords", "Function key <Up Arrow>")},
    {"[PageUp]", "", {0xE0, 0x49}, 2, "Page Up", 305, VORN_TRANSLATE_NOOP("vorn::KeyWords", "Function key <Page Up>")},
    {"[ArrowLeft]", "", {0xE0, 0x4B}, 2, "Left Arrow", 308, VORN_TRANSLATE_NOOP("vorn::KeyWords", "Function key <Left Arrow>")},
    {"[ArrowRight]", "", {0xE0, 0x4D}, 2, "Right Arrow", 309, VORN_TRANSLATE_NOOP("vorn::KeyWords", "Function key <Right Arrow>")},
    {"[End]", "", {0xE0, 0x4F}, 2, "End", 304, VORN_TRANSLATE_NOOP("vorn::KeyWords", "Function key <End>")},
    {"[ArrowDown]", "", {0xE0, 0x50}, 2, "Down Arrow", 310, VORN_TRANSLATE_NOOP("vorn::KeyWords", "Function key <Down Arrow>")},
    {"[PageDown]", "", {0xE0, 0x51}, 2, "Page Down", 306, VORN_TRANSLATE_NOOP("vorn::KeyWords", "Function key <Page Down>")},
    {"[Insert]", "", {0xE0, 0x52}, 2, "Insert", 301, VORN_TRANSLATE_NOOP("vorn::KeyWords", "Function key <Insert>")},
    {"[Delete]", "", {0xE0, 0x53}, 2, "Delete", 302, VORN_TRANSLATE_NOOP("vorn::KeyWords", "Function key <Delete>")},
    {"[Win]", "", {0xE0, 0x5B}, 2, "left Windows key", 315, VORN_TRANSLATE_NOOP("vorn::KeyWords", "Function key <Win> in left")},
    {"[RightWin]", "", {0xE0, 0x5C}, 2, "right Windows key", 316, VORN_TRANSLATE_NOOP("vorn::KeyWords", "Function key <Win> in right")},
    {"[Menu]", "", {0xE0, 0x5D}, 2, "Menu key", 317, VORN_TRANSLATE_NOOP("vorn::KeyWords", "Function key <Menu>")},
    {"[PauseBreak]", "", {0xE1, 0x1D, 0x45}, 3, "Pause Break", 314, VORN_TRANSLATE_NOOP("vorn::KeyWords", "Function key <Pause Break>")},
    {"[PrintScreen]", "", {0xE0, 0x2A, 0xE0, 0x37}, 4, "Print Screen", 313, VORN_TRANSLATE_NOOP("vorn::KeyWords", "Function key <Print Screen>")},
    {"[SystemPower]", "", {0xE0, 0x5E}, 2, "turn system power on or off", 601, VORN_TRANSLATE_NOOP("vorn::KeyWords", "Turn on/off system power")},
    {"[SystemSleep]", "", {0xE0, 0x5F}, 2, "make the system sleep", 602, VORN_TRANSLATE_NOOP("vorn::KeyWords", "make system sleep")},
    {"[SystemWake]", "", {0xE0, 0x63}, 2, "make the system wake", 603, VORN_TRANSLATE_NOOP("vorn::KeyWords", "make system wake")},
    {"[Forward]", "", {0xE0, 0x19}, 2, "next track", 604, VORN_TRANSLATE_NOOP("vorn::KeyWords", "goto next track")},
    {"[Backward]", "", {0xE0, 0x10}, 2, "previous track", 605, VORN_TRANSLATE_NOOP("vorn::KeyWords", "goto previous track")},
    {"[Stop]", "", {0xE0, 0x24}, 2, "stop", 606, VORN_TRANSLATE_NOOP("vorn::KeyWords", "stop")},
    {"[PlayPause]", "", {0xE0, 0x22}, 2, "play/pause", 607, VORN_TRANSLATE_NOOP("vorn::KeyWords", "play/pause")},
    {"[Mute]", "", {0xE0, 0x20}, 2, "mute", 608, VORN_TRANSLATE_NOOP("vorn::KeyWords", "mute")},
    {"[VolumeUp]", "", {0xE0, 0x30}, 2, "volume up", 609, VORN_TRANSLATE_NOOP("vorn::KeyWords", "volume up")},
    {"[VolumeDown]", "", {0xE0, 0x2E}, 2, "volume down", 610, VORN_TRANSLATE_NOOP("vorn::KeyWords", "volume down")},
    {"[MediaSelect]", "", {0xE0, 0x6D}, 2, "media select", 611, VORN_TRANSLATE_NOOP("vorn::KeyWords", "media select")},
    {"[Mail]", "", {0xE0, 0x6C}, 2, "mail", 612, VORN_TRANSLATE_NOOP("vorn::KeyWords", "mail")},
    {"[Calculator]", "", {0xE0, 0x21}, 2, "calculator", 613, VORN_TRANSLATE_NOOP("vorn::KeyWords", "calculator")},
    {"[MyComputer]", "", {0xE0, 0x6B}, 2, "My Computer", 614, VORN_TRANSLATE_NOOP("vorn::KeyWords", "My computer")},
    {"[WWWSearch]", "", {0xE0, 0x65}, 2, "web search", 615, VORN_TRANSLATE_NOOP("vorn::KeyWords", "WWW Search")},
    {"[WWWHome]", "", {0xE0, 0x32}, 2, "web home", 616, VORN_TRANSLATE_NOOP("vorn::KeyWords", "WWW Home")},
    {"[WWWBack]", "", {0xE0, 0x6A}, 2, "web back", 617, VORN_TRANSLATE_NOOP("vorn::KeyWords", "WWW Back")},
    {"[WWWForward]", "", {0xE0, 0x69}, 2, "web forward", 618, VORN_TRANSLATE_NOOP("vorn::KeyWords", "WWW Forward")},
    {"[WWWStop]", "", {0xE0, 0x68}, 2, "web stop", 619, VORN_TRANSLATE_NOOP("vorn::KeyWords", "WWW Stop")},
    {"[WWWRefresh]", "", {0xE0, 0x67}, 2, "web refresh", 620, VORN_TRANSLATE_NOOP("vorn::KeyWords", "WWW Refresh")},
    {"[WWWFavorites]", "", {0xE0, 0x66}, 2, "web favourites", 621, VORN_TRANSLATE_NOOP("vorn::KeyWords", "WWW Favorites")},
};
// clang-format on

} // namespace

namespace keyWordIndex {

namespace {

constexpr std::size_t spellingCount = [] {
    std::size_t count = 0;
    for (const KeyWord& k : keyWords)
        count += k.synonym.empty() ? 1 : 2;
    return count;
}();

constexpr std::array<Spelling, spellingCount + 1> allSpellings = [] {
    std::array<Spelling, spellingCount + 1> all{};
    std::size_t next = 1;
    for (const KeyWord& k : keyWords) {
        all[next++] = {CodeName::of(k.word), &k, k.bytes, k.byteCount};
        if (!k.synonym.empty())
            all[next++] = {CodeName::of(k.synonym), &k, k.bytes, k.byteCount};
    }
    return all;
}();

constexpr bool spreadsAll(std::uint32_t multiplier) {
    std::array<bool, slotCount> taken{};
    for (std::size_t i = 1; i < allSpellings.size(); ++i) {
        const std::size_t slot = slotOf(hashKey(allSpellings[i].name.view()), multiplier);
        if (taken[slot])
            return false;
        taken[slot] = true;
    }
    return true;
}

} // namespace

constexpr std::uint32_t slotMultiplier = [] {
    for (std::uint32_t multiplier = 0x9E3779B1u;; multiplier += 0x10000002u)
        if (spreadsAll(multiplier))
            return multiplier;
}();

constexpr std::array<std::uint8_t, slotCount> spellingInSlot = [] {
    static_assert(spellingCount < 256);
    std::array<std::uint8_t, slotCount> slots{};
    for (std::size_t i = 1; i < allSpellings.size(); ++i)
        slots[slotOf(hashKey(allSpellings[i].name.view()), slotMultiplier)] =
            static_cast<std::uint8_t>(i);
    return slots;
}();

constexpr const Spelling* spellings = allSpellings.data();

} // namespace keyWordIndex

namespace {

constexpr CodeNameTables codeNames = [] {
    CodeNameTables n{};
    for (const KeyWord& k : keyWords) {
        if (k.byteCount == 1)
            n.single[k.bytes[0]] = CodeName::of(k.word);
        else if (k.byteCount == 2 && k.bytes[0] == 0xE0)
            n.extended[k.bytes[1]] = CodeName::of(k.word);
    }
    return n;
}();

constexpr bool namesFitTheirCells() {
    for (const KeyWord& k : keyWords)
        if (k.word.size() > CodeName{}.chars.size())
            return false;
    return true;
}
static_assert(namesFitTheirCells());

// The encoder looks a word up in the table before it tries the function words.
constexpr bool spelledLikeFunctionWord(std::string_view word) {
    return word == functionWords::carriageReturn || word == functionWords::caps ||
           word == functionWords::separator || word.starts_with(functionWords::delayPrefix) ||
           word.starts_with(functionWords::shiftLevelPrefix);
}
constexpr bool keyWordsDifferFromFunctionWords() {
    for (const KeyWord& k : keyWords)
        if (spelledLikeFunctionWord(k.word) || spelledLikeFunctionWord(k.synonym))
            return false;
    return true;
}
static_assert(keyWordsDifferFromFunctionWords());

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::span<const KeyWord> keyWordTable() {
    return keyWords;
}

std::optional<int> delayWordValue(std::string_view word) {
    if (!word.starts_with(functionWords::delayPrefix))
        return std::nullopt;
    std::size_t pos = functionWords::delayPrefix.size();
    int value = 0;
    int digits = 0;
    while (pos < word.size() && isDigit(word[pos]) && digits < 3) {
        value = value * 10 + (word[pos] - '0');
        ++digits;
        ++pos;
    }
    if (digits == 0 || pos + 1 != word.size() || word[pos] != ']')
        return std::nullopt;
    if (value < 1 || value > maxDelay)
        return std::nullopt;
    return value;
}

const KeyWord* findKeyWord(std::string_view word) {
    return keyWordIndex::find(word);
}

std::string scanWordBytes(std::string_view word) {
    if (word == functionWords::separator)
        return std::string(1, static_cast<char>(separatorCode));
    if (word.starts_with(functionWords::delayPrefix)) {
        const auto delay = delayWordValue(word);
        if (!delay)
            return {};
        return {static_cast<char>(functionPrefixCode), static_cast<char>(*delay)};
    }
    const KeyWord* k = findKeyWord(word);
    if (!k)
        return {};
    return {k->bytes.begin(), k->bytes.begin() + k->byteCount};
}

int scanWordByteCount(std::string_view word) {
    const KeyWord* k = findKeyWord(word);
    return k ? k->byteCount : 0;
}

const CodeNameTables& codeNameTables() {
    return codeNames;
}

std::string_view scanCodeWord(std::uint8_t code) {
    return codeNames.single[code].view();
}

std::string_view extendedCodeWord(std::uint8_t code) {
    return codeNames.extended[code].view();
}

} // namespace vorn
