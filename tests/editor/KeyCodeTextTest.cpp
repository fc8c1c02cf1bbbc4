// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/KeyCodeText.h"

#include "editor/KeyCodeTranscript.h"
#include "editor/VirtualKeys.h"

#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace vorn {
namespace {

constexpr int repeat = keyFlagBits::repeat;

TEST(KeyCodeText, NamedKeysGiveTheirWordAlsoWhenRepeated) {
    struct Row {
        int flags;
        const char* text;
    };
    for (const Row& row : {
             Row{0x001, ", [ESC]"},        Row{0x00E, ", [Backspace]"},
             Row{0x00F, ", [Tab]"},        Row{0x01C, ", [Enter]"},
             Row{0x01D, ", [Ctrl]"},       Row{0x037, ", [PAD*]"},
             Row{0x039, ", [Space]"},      Row{0x03B, ", [F1]"},
             Row{0x03F, ", [F5]"},         Row{0x041, ", [F7]"},
             Row{0x043, ", [F9]"},         Row{0x045, ", [PauseBreak]"},
             Row{0x046, ", [ScrollLk]"},   Row{0x047, ", [PAD7]"},
             Row{0x04A, ", [PAD-]"},       Row{0x04C, ", [PAD5]"},
             Row{0x04E, ", [PAD+]"},       Row{0x051, ", [PAD3]"},
             Row{0x052, ", [PAD0]"},       Row{0x053, ", [PAD.]"},
             Row{0x057, ", [F11]"},        Row{0x058, ", [F12]"},
             Row{0x11C, ", [PADEnter]"},   Row{0x11D, ", [RightCtrl]"},
             Row{0x135, ", [PAD/]"},       Row{0x145, ", [NumLock]"},
             Row{0x147, ", [Home]"},       Row{0x148, ", [ArrowUp]"},
             Row{0x149, ", [PageUp]"},     Row{0x14B, ", [ArrowLeft]"},
             Row{0x14D, ", [ArrowRight]"}, Row{0x14F, ", [End]"},
             Row{0x150, ", [ArrowDown]"},  Row{0x151, ", [PageDown]"},
             Row{0x152, ", [Insert]"},     Row{0x153, ", [Delete]"},
             Row{0x15B, ", [Win]"},        Row{0x15C, ", [RightWin]"},
             Row{0x15D, ", [Menu]"},
         }) {
        for (int flags : {row.flags, row.flags | repeat}) {
            const KeyDescription d = describeKey(0, flags, false, false);
            EXPECT_EQ(d.text, row.text) << std::hex << flags;
            EXPECT_FALSE(d.shiftPressed);
        }
    }
}

TEST(KeyCodeText, UnnamedKeysGiveNothing) {
    // F6, F10, Alt, the keypad separator, Print Screen, a key flagged released, and
    // auto-repeated symbol keys.
    for (int flags : {0x040, 0x044, 0x038, 0x07E, 0x137, 0x802, 0x4002, 0x400C, 0x4035}) {
        EXPECT_EQ(describeKey(0x70, flags, false, false).text, "") << std::hex << flags;
        EXPECT_EQ(describeKey(0x70, flags, true, true).text, "") << std::hex << flags;
    }
}

TEST(KeyCodeText, ShiftKeysNameThemselvesAndShift) {
    for (int flags : {0x02A, 0x02A | repeat, 0x036, 0x036 | repeat}) {
        const KeyDescription d = describeKey(vk::shift, flags, false, false);
        EXPECT_EQ(d.text, (flags & 0xFF) == 0x2A ? ", [Shift]" : ", [RightShift]");
        EXPECT_TRUE(d.shiftPressed);
    }
}

TEST(KeyCodeText, CapsLockOnlyOnItsFirstPress) {
    EXPECT_EQ(describeKey(vk::capital, 0x03A, false, false).text, ", [CapsLock]");
    EXPECT_EQ(describeKey(vk::capital, 0x03A | repeat, false, true).text, "");
}

TEST(KeyCodeText, LettersFollowCapsLockAgainstShift) {
    struct Row {
        bool shift;
        bool caps;
        const char* text;
    };
    for (const Row& row : {Row{false, false, "q"}, Row{true, false, "Q"}, Row{false, true, "Q"},
                           Row{true, true, "q"}}) {
        // Auto-repeated letters repeat.
        for (int flags : {0x010, 0x010 | repeat})
            EXPECT_EQ(describeKey('Q', flags, row.shift, row.caps).text, row.text)
                << row.shift << row.caps;
    }
    EXPECT_EQ(describeKey('A', 0x01E, false, false).text, "a");
    EXPECT_EQ(describeKey('Z', 0x02C, false, false).text, "z");
}

TEST(KeyCodeText, MainBlockSymbolsFollowShiftOnly) {
    struct Row {
        int scanCode;
        const char* unshifted;
        const char* shifted;
    };
    for (const Row& row :
         {Row{0x02, "1", "!"}, Row{0x03, "2", "@"},  Row{0x04, "3", "#"}, Row{0x05, "4", "$"},
          Row{0x06, "5", "%"}, Row{0x07, "6", "^"},  Row{0x08, "7", "&"}, Row{0x09, "8", "*"},
          Row{0x0A, "9", "("}, Row{0x0B, "0", ")"},  Row{0x0C, "-", "_"}, Row{0x0D, "=", "+"},
          Row{0x1A, "[", "{"}, Row{0x1B, "]", "}"},  Row{0x27, ";", ":"}, Row{0x28, "'", "\""},
          Row{0x29, "`", "~"}, Row{0x2B, "\\", "|"}, Row{0x33, ",", "<"}, Row{0x34, ".", ">"},
          Row{0x35, "/", "?"}}) {
        EXPECT_EQ(shiftedChar(row.scanCode, true), row.unshifted);
        EXPECT_EQ(shiftedChar(row.scanCode, false), row.shifted);
        EXPECT_EQ(shiftedChar(row.scanCode | repeat, true), "");
        // Caps Lock does not touch them.
        EXPECT_EQ(describeKey(0x30, row.scanCode, false, true).text, row.unshifted);
        EXPECT_EQ(describeKey(0x30, row.scanCode, true, false).text, row.shifted);
    }
    EXPECT_EQ(shiftedChar(0x10, true), "");
    EXPECT_EQ(shiftedChar(0x37, true), "");
}

TEST(KeyCodeText, FlagsOfKeyEvents) {
    KeyEvent key;
    key.scanCode = 0x1C;
    EXPECT_EQ(keyDownFlags(key), 0x01C);
    key.extended = true;
    EXPECT_EQ(keyDownFlags(key), 0x11C);
    key.repeat = true;
    EXPECT_EQ(keyDownFlags(key), 0x411C);
    EXPECT_EQ(keyUpFlags(key), 0xC11C);
    key.scanCode = 0x2A;
    key.extended = false;
    EXPECT_EQ(keyUpFlags(key), KeyCodeTranscript::leftShiftUp);
}

// Key events by name: a letter or digit, or one of the names below; "^Name" releases it,
// "Name*N" presses it N times (the presses after the first as auto-repeats), "+" before a
// letter presses it with Caps Lock on.
KeyEvent namedKey(const std::string& name) {
    KeyEvent key;
    static const std::map<std::string, std::pair<int, int>> named{
        {"Enter", {0x1C, vk::enter}},  {"Shift", {0x2A, vk::shift}}, {"RShift", {0x36, vk::shift}},
        {"Caps", {0x3A, vk::capital}}, {"F1", {0x3B, vk::f1}},       {"Alt", {0x38, vk::menu}}};
    if (const auto it = named.find(name); it != named.end()) {
        key.scanCode = it->second.first;
        key.virtualKey = it->second.second;
        return key;
    }
    static const std::string rows[] = {"1234567890", "qwertyuiop", "asdfghjkl", "zxcvbnm"};
    static const int firsts[] = {2, 16, 30, 44};
    for (int r = 0; r < 4; ++r) {
        if (const auto at = rows[r].find(name); name.size() == 1 && at != std::string::npos) {
            key.scanCode = firsts[r] + static_cast<int>(at);
            key.virtualKey = usVirtualKey(key.scanCode, false, false);
            return key;
        }
    }
    ADD_FAILURE() << "no key named " << name;
    return key;
}

std::string transcriptOf(const std::string& steps) {
    KeyCodeTranscript transcript;
    std::istringstream in(steps);
    for (std::string step; in >> step;) {
        if (step[0] == '^') {
            transcript.keyUp(namedKey(step.substr(1)));
            continue;
        }
        int times = 1;
        if (const auto star = step.find('*'); star != std::string::npos) {
            times = std::stoi(step.substr(star + 1));
            step.resize(star);
        }
        const bool caps = step[0] == '+';
        KeyEvent key = namedKey(caps ? step.substr(1) : step);
        key.capsLock = caps;
        for (int i = 0; i < times; ++i) {
            key.repeat = i > 0;
            transcript.keyDown(key);
        }
    }
    return transcript.text();
}

TEST(KeyCodeTranscript, Sequences) {
    struct Row {
        const char* steps;
        const char* text;
    };
    for (const Row& row : {
             Row{"a b Enter 1", "ab, [Enter]1"},
             Row{"a*3", "aaa"},
             Row{"1*3", "1"},
             Row{"Caps*3", ", [CapsLock]"},
             Row{"Shift*2 a 1 ^Shift a 1", ", [Shift], [Shift]A!a1"},
             Row{"RShift +a ^RShift +a", ", [RightShift]aA"},
             Row{"Shift ^RShift b", ", [Shift]b"}, // one flag for both Shift keys
             Row{"F1 Alt", ", [F1]"},
         }) {
        EXPECT_EQ(transcriptOf(row.steps), row.text) << row.steps;
    }
}

TEST(KeyCodeTranscript, AltCombinationsBelongToTheMenuBar) {
    KeyCodeTranscript transcript;
    KeyEvent key = namedKey("a");
    key.altHeld = true;
    transcript.keyDown(key);
    EXPECT_EQ(transcript.text(), "");
}

TEST(KeyCodeTranscript, AutoRepeatReleaseKeepsTheShift) {
    KeyCodeTranscript transcript;
    KeyEvent shift = namedKey("Shift");
    transcript.keyDown(shift);
    shift.repeat = true;
    transcript.keyUp(shift);
    transcript.keyDown(namedKey("q"));
    EXPECT_EQ(transcript.text(), ", [Shift]Q");
}

TEST(KeyCodeTranscript, ClearKeepsTheShift) {
    KeyCodeTranscript transcript;
    transcript.keyDown(namedKey("Shift"));
    transcript.clear();
    transcript.keyDown(namedKey("q"));
    EXPECT_EQ(transcript.text(), "Q");
}

} // namespace
} // namespace vorn
