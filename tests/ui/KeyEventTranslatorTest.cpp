// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/KeyEventTranslator.h"

#include "editor/VirtualKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <gtest/gtest.h>

namespace vorn {
namespace {

// One key of a 105-key PC keyboard as X11 reports it through Qt, and what the typing rules
// must receive. Keys that only a native scan code tells apart (right Shift, right Ctrl, right
// Alt, the key between left Shift and Z) come out as their look-alikes without one.
struct PcKey {
    const char* name;
    int linuxCode;
    int qtKey;
    bool keypad;
    const char* text;
    int scanCode;
    bool extended;
    int virtualKey;
    bool sameWithoutScanCode = true;
};

constexpr bool kp = true;

// clang-format off
const PcKey pcKeys[] = {
    {"Esc", 1, Qt::Key_Escape, false, "\x1b", 1, false, vk::escape},
    {"F1", 59, Qt::Key_F1, false, "", 59, false, 0x70},
    {"F2", 60, Qt::Key_F2, false, "", 60, false, 0x71},
    {"F3", 61, Qt::Key_F3, false, "", 61, false, 0x72},
    {"F4", 62, Qt::Key_F4, false, "", 62, false, 0x73},
    {"F5", 63, Qt::Key_F5, false, "", 63, false, 0x74},
    {"F6", 64, Qt::Key_F6, false, "", 64, false, 0x75},
    {"F7", 65, Qt::Key_F7, false, "", 65, false, 0x76},
    {"F8", 66, Qt::Key_F8, false, "", 66, false, 0x77},
    {"F9", 67, Qt::Key_F9, false, "", 67, false, 0x78},
    {"F10", 68, Qt::Key_F10, false, "", 68, false, 0x79},
    {"F11", 87, Qt::Key_F11, false, "", 87, false, 0x7A},
    {"F12", 88, Qt::Key_F12, false, "", 88, false, 0x7B},
    {"Print", 99, Qt::Key_Print, false, "", 55, true, vk::snapshot},
    {"ScrollLock", 70, Qt::Key_ScrollLock, false, "", 70, false, vk::scroll},
    {"Pause", 119, Qt::Key_Pause, false, "", 69, false, vk::pause},
    {"Grave", 41, Qt::Key_QuoteLeft, false, "`", 41, false, vk::oem3},
    {"1", 2, Qt::Key_1, false, "1", 2, false, '1'},
    {"2", 3, Qt::Key_2, false, "2", 3, false, '2'},
    {"3", 4, Qt::Key_3, false, "3", 4, false, '3'},
    {"4", 5, Qt::Key_4, false, "4", 5, false, '4'},
    {"5", 6, Qt::Key_5, false, "5", 6, false, '5'},
    {"6", 7, Qt::Key_6, false, "6", 7, false, '6'},
    {"7", 8, Qt::Key_7, false, "7", 8, false, '7'},
    {"8", 9, Qt::Key_8, false, "8", 9, false, '8'},
    {"9", 10, Qt::Key_9, false, "9", 10, false, '9'},
    {"0", 11, Qt::Key_0, false, "0", 11, false, '0'},
    {"Minus", 12, Qt::Key_Minus, false, "-", 12, false, vk::oemMinus},
    {"Equal", 13, Qt::Key_Equal, false, "=", 13, false, vk::oemPlus},
    {"Backspace", 14, Qt::Key_Backspace, false, "\b", 14, false, vk::back},
    {"Tab", 15, Qt::Key_Tab, false, "\t", 15, false, vk::tab},
    {"Q", 16, Qt::Key_Q, false, "q", 16, false, 'Q'},
    {"W", 17, Qt::Key_W, false, "w", 17, false, 'W'},
    {"E", 18, Qt::Key_E, false, "e", 18, false, 'E'},
    {"R", 19, Qt::Key_R, false, "r", 19, false, 'R'},
    {"T", 20, Qt::Key_T, false, "t", 20, false, 'T'},
    {"Y", 21, Qt::Key_Y, false, "y", 21, false, 'Y'},
    {"U", 22, Qt::Key_U, false, "u", 22, false, 'U'},
    {"I", 23, Qt::Key_I, false, "i", 23, false, 'I'},
    {"O", 24, Qt::Key_O, false, "o", 24, false, 'O'},
    {"P", 25, Qt::Key_P, false, "p", 25, false, 'P'},
    {"BracketLeft", 26, Qt::Key_BracketLeft, false, "[", 26, false, vk::oem4},
    {"BracketRight", 27, Qt::Key_BracketRight, false, "]", 27, false, vk::oem6},
    {"Backslash", 43, Qt::Key_Backslash, false, "\\", 43, false, vk::oem5},
    {"CapsLock", 58, Qt::Key_CapsLock, false, "", 58, false, vk::capital},
    {"A", 30, Qt::Key_A, false, "a", 30, false, 'A'},
    {"S", 31, Qt::Key_S, false, "s", 31, false, 'S'},
    {"D", 32, Qt::Key_D, false, "d", 32, false, 'D'},
    {"F", 33, Qt::Key_F, false, "f", 33, false, 'F'},
    {"G", 34, Qt::Key_G, false, "g", 34, false, 'G'},
    {"H", 35, Qt::Key_H, false, "h", 35, false, 'H'},
    {"J", 36, Qt::Key_J, false, "j", 36, false, 'J'},
    {"K", 37, Qt::Key_K, false, "k", 37, false, 'K'},
    {"L", 38, Qt::Key_L, false, "l", 38, false, 'L'},
    {"Semicolon", 39, Qt::Key_Semicolon, false, ";", 39, false, vk::oem1},
    {"Apostrophe", 40, Qt::Key_Apostrophe, false, "'", 40, false, vk::oem7},
    {"Return", 28, Qt::Key_Return, false, "\r", 28, false, vk::enter},
    {"LeftShift", 42, Qt::Key_Shift, false, "", 42, false, vk::shift},
    {"Less102nd", 86, Qt::Key_Less, false, "<", 86, false, vk::oem102, false},
    {"Z", 44, Qt::Key_Z, false, "z", 44, false, 'Z'},
    {"X", 45, Qt::Key_X, false, "x", 45, false, 'X'},
    {"C", 46, Qt::Key_C, false, "c", 46, false, 'C'},
    {"V", 47, Qt::Key_V, false, "v", 47, false, 'V'},
    {"B", 48, Qt::Key_B, false, "b", 48, false, 'B'},
    {"N", 49, Qt::Key_N, false, "n", 49, false, 'N'},
    {"M", 50, Qt::Key_M, false, "m", 50, false, 'M'},
    {"Comma", 51, Qt::Key_Comma, false, ",", 51, false, vk::oemComma},
    {"Period", 52, Qt::Key_Period, false, ".", 52, false, vk::oemPeriod},
    {"Slash", 53, Qt::Key_Slash, false, "/", 53, false, vk::oem2},
    {"RightShift", 54, Qt::Key_Shift, false, "", 54, false, vk::shift, false},
    {"LeftCtrl", 29, Qt::Key_Control, false, "", 29, false, vk::control},
    {"LeftWin", 125, Qt::Key_Super_L, false, "", 91, true, vk::lwin},
    {"LeftAlt", 56, Qt::Key_Alt, false, "", 56, false, vk::menu},
    {"Space", 57, Qt::Key_Space, false, " ", 57, false, vk::space},
    {"RightAlt", 100, Qt::Key_Alt, false, "", 56, true, vk::menu, false},
    {"RightWin", 126, Qt::Key_Super_R, false, "", 92, true, vk::rwin},
    {"Menu", 127, Qt::Key_Menu, false, "", 93, true, vk::apps},
    {"RightCtrl", 97, Qt::Key_Control, false, "", 29, true, vk::control, false},
    {"Insert", 110, Qt::Key_Insert, false, "", 82, true, vk::insert},
    {"Home", 102, Qt::Key_Home, false, "", 71, true, vk::home},
    {"PageUp", 104, Qt::Key_PageUp, false, "", 73, true, vk::prior},
    {"Delete", 111, Qt::Key_Delete, false, "\x7f", 83, true, vk::del},
    {"End", 107, Qt::Key_End, false, "", 79, true, vk::end},
    {"PageDown", 109, Qt::Key_PageDown, false, "", 81, true, vk::next},
    {"Up", 103, Qt::Key_Up, false, "", 72, true, vk::up},
    {"Left", 105, Qt::Key_Left, false, "", 75, true, vk::left},
    {"Down", 108, Qt::Key_Down, false, "", 80, true, vk::down},
    {"Right", 106, Qt::Key_Right, false, "", 77, true, vk::right},
    {"NumLock", 69, Qt::Key_NumLock, false, "", 69, true, vk::numlock},
    {"KeypadSlash", 98, Qt::Key_Slash, kp, "/", 53, true, vk::divide},
    {"KeypadStar", 55, Qt::Key_Asterisk, kp, "*", 55, false, vk::multiply},
    {"KeypadMinus", 74, Qt::Key_Minus, kp, "-", 74, false, vk::subtract},
    {"KeypadPlus", 78, Qt::Key_Plus, kp, "+", 78, false, vk::add},
    {"KeypadEnter", 96, Qt::Key_Enter, kp, "\r", 28, true, vk::enter},
    {"Keypad7", 71, Qt::Key_7, kp, "7", 71, false, vk::numpad0 + 7},
    {"Keypad8", 72, Qt::Key_8, kp, "8", 72, false, vk::numpad0 + 8},
    {"Keypad9", 73, Qt::Key_9, kp, "9", 73, false, vk::numpad0 + 9},
    {"Keypad4", 75, Qt::Key_4, kp, "4", 75, false, vk::numpad0 + 4},
    {"Keypad5", 76, Qt::Key_5, kp, "5", 76, false, vk::numpad0 + 5},
    {"Keypad6", 77, Qt::Key_6, kp, "6", 77, false, vk::numpad0 + 6},
    {"Keypad1", 79, Qt::Key_1, kp, "1", 79, false, vk::numpad0 + 1},
    {"Keypad2", 80, Qt::Key_2, kp, "2", 80, false, vk::numpad0 + 2},
    {"Keypad3", 81, Qt::Key_3, kp, "3", 81, false, vk::numpad0 + 3},
    {"Keypad0", 82, Qt::Key_0, kp, "0", 82, false, vk::numpad0},
    {"KeypadPeriod", 83, Qt::Key_Period, kp, ".", 83, false, vk::decimal},
    {"KeypadHome", 71, Qt::Key_Home, kp, "", 71, false, vk::home},
    {"KeypadUp", 72, Qt::Key_Up, kp, "", 72, false, vk::up},
    {"KeypadPageUp", 73, Qt::Key_PageUp, kp, "", 73, false, vk::prior},
    {"KeypadLeft", 75, Qt::Key_Left, kp, "", 75, false, vk::left},
    {"KeypadClear", 76, Qt::Key_Clear, kp, "", 76, false, vk::clear},
    {"KeypadRight", 77, Qt::Key_Right, kp, "", 77, false, vk::right},
    {"KeypadEnd", 79, Qt::Key_End, kp, "", 79, false, vk::end},
    {"KeypadDown", 80, Qt::Key_Down, kp, "", 80, false, vk::down},
    {"KeypadPageDown", 81, Qt::Key_PageDown, kp, "", 81, false, vk::next},
    {"KeypadInsert", 82, Qt::Key_Insert, kp, "", 82, false, vk::insert},
    {"KeypadDelete", 83, Qt::Key_Delete, kp, "", 83, false, vk::del},
};
// clang-format on

// The event X11 delivers: keycode = Linux code + 8; the keysym, which is no virtual-key code,
// as the native virtual key (for printable keys their character, e.g. 0x61 for "a", which
// read as a virtual-key code would be keypad 1).
QKeyEvent x11Event(const PcKey& k, QEvent::Type type = QEvent::KeyPress, quint32 state = 0,
                   bool repeat = false) {
    const QString text = QString::fromLatin1(k.text);
    const quint32 keysym = text.size() == 1 && text[0] >= QChar(0x20) ? text[0].unicode() : 0;
    return QKeyEvent(type, k.qtKey, k.keypad ? Qt::KeypadModifier : Qt::NoModifier,
                     static_cast<quint32>(k.linuxCode + 8), keysym, state, text, repeat);
}

// The event a platform without native codes delivers.
QKeyEvent plainEvent(const PcKey& k) {
    return QKeyEvent(QEvent::KeyPress, k.qtKey, k.keypad ? Qt::KeypadModifier : Qt::NoModifier,
                     QString::fromLatin1(k.text));
}

TEST(KeyEventTranslator, EveryKeyOfAPcKeyboardUnderX11) {
    for (const PcKey& k : pcKeys) {
        const auto key = KeyEventTranslator::translate(x11Event(k));
        ASSERT_TRUE(key) << k.name;
        EXPECT_EQ(key->scanCode, k.scanCode) << k.name;
        EXPECT_EQ(key->extended, k.extended) << k.name;
        EXPECT_EQ(key->virtualKey, k.virtualKey) << k.name;
        EXPECT_EQ(key->text, k.text) << k.name;
        EXPECT_FALSE(key->repeat || key->capsLock || key->numLock) << k.name;
        EXPECT_EQ(key->altHeld, k.qtKey == Qt::Key_Alt) << k.name; // Qt adds the key's modifier
    }
}

TEST(KeyEventTranslator, EveryKeyOfAPcKeyboardWithoutNativeCodes) {
    for (const PcKey& k : pcKeys) {
        if (!k.sameWithoutScanCode)
            continue;
        const auto key = KeyEventTranslator::translate(plainEvent(k));
        ASSERT_TRUE(key) << k.name;
        EXPECT_EQ(key->scanCode, k.scanCode) << k.name;
        EXPECT_EQ(key->extended, k.extended) << k.name;
        EXPECT_EQ(key->virtualKey, k.virtualKey) << k.name;
    }
}

TEST(KeyEventTranslator, ShiftedSymbolsWithoutNativeCodesNameTheirKey) {
    const std::pair<int, int> symbols[] = {
        {Qt::Key_Exclam, 2},      {Qt::Key_ParenRight, 11}, {Qt::Key_Underscore, 12},
        {Qt::Key_BraceRight, 27}, {Qt::Key_QuoteDbl, 40},   {Qt::Key_AsciiTilde, 41},
        {Qt::Key_Bar, 43},        {Qt::Key_Question, 53},   {Qt::Key_Backtab, 15}};
    for (const auto& [qtKey, scanCode] : symbols) {
        const auto key =
            KeyEventTranslator::translate(QKeyEvent(QEvent::KeyPress, qtKey, Qt::ShiftModifier));
        ASSERT_TRUE(key) << qtKey;
        EXPECT_EQ(key->scanCode, scanCode) << qtKey;
        EXPECT_FALSE(key->extended) << qtKey;
    }
}

TEST(KeyEventTranslator, LockKeysComeFromTheNativeState) {
    const PcKey& a = pcKeys[45];
    ASSERT_STREQ(a.name, "A");
    const quint32 states[] = {0, KeyEventTranslator::capsLockBit, KeyEventTranslator::numLockBit,
                              KeyEventTranslator::capsLockBit | KeyEventTranslator::numLockBit};
    for (const quint32 state : states) {
        const auto key = KeyEventTranslator::translate(x11Event(a, QEvent::KeyPress, state));
        ASSERT_TRUE(key);
        EXPECT_EQ(key->capsLock, (state & 0x02) != 0) << state;
        EXPECT_EQ(key->numLock, (state & 0x10) != 0) << state;
    }
}

TEST(KeyEventTranslator, LockKeysWithoutNativeStateComeFromTheTypedKey) {
    const auto caps = KeyEventTranslator::translate(
        QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("A")));
    const auto shifted = KeyEventTranslator::translate(
        QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::ShiftModifier, QStringLiteral("A")));
    const auto capsShifted = KeyEventTranslator::translate(
        QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::ShiftModifier, QStringLiteral("a")));
    const auto digit = KeyEventTranslator::translate(
        QKeyEvent(QEvent::KeyPress, Qt::Key_7, Qt::KeypadModifier, QStringLiteral("7")));
    const auto cursor = KeyEventTranslator::translate(
        QKeyEvent(QEvent::KeyPress, Qt::Key_Home, Qt::KeypadModifier));
    ASSERT_TRUE(caps && shifted && capsShifted && digit && cursor);
    EXPECT_TRUE(caps->capsLock);
    EXPECT_FALSE(shifted->capsLock);
    EXPECT_TRUE(capsShifted->capsLock);
    EXPECT_TRUE(digit->numLock);
    EXPECT_FALSE(cursor->numLock);
}

TEST(KeyEventTranslator, RepeatAltAndReleaseArePassedOn) {
    const PcKey& a = pcKeys[45];
    const auto repeated =
        KeyEventTranslator::translate(x11Event(a, QEvent::KeyPress, 0, /*repeat=*/true));
    ASSERT_TRUE(repeated);
    EXPECT_TRUE(repeated->repeat);
    const auto released = KeyEventTranslator::translate(x11Event(a, QEvent::KeyRelease));
    ASSERT_TRUE(released);
    EXPECT_EQ(released->scanCode, 30);
    const auto alt = KeyEventTranslator::translate(QKeyEvent(
        QEvent::KeyPress, Qt::Key_Q, Qt::AltModifier, 24 + 8, 'q', 0x08, QStringLiteral("q")));
    ASSERT_TRUE(alt);
    EXPECT_TRUE(alt->altHeld);
}

TEST(KeyEventTranslator, KeysOfNoPcKeyboardGiveNothing) {
    EXPECT_FALSE(KeyEventTranslator::translate(
        QKeyEvent(QEvent::KeyPress, Qt::Key_VolumeMute, Qt::NoModifier)));
    // Linux code 113 (mute) has no set-1 code of ours: Qt's key decides, and names nothing.
    EXPECT_FALSE(KeyEventTranslator::translate(
        QKeyEvent(QEvent::KeyPress, Qt::Key_VolumeMute, Qt::NoModifier, 113 + 8, 0, 0)));
    EXPECT_FALSE(KeyEventTranslator::fromLinuxCode(0));
    EXPECT_FALSE(KeyEventTranslator::fromLinuxCode(120));
    EXPECT_EQ(KeyEventTranslator::fromLinuxCode(121), (SetOneCode{126, false}));
}

// A widget that keeps what the translator made of the events sent to it.
class KeyRecorder : public QWidget {
public:
    std::vector<KeyEvent> pressed;
    std::vector<KeyEvent> released;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (const auto key = KeyEventTranslator::translate(*event))
            pressed.push_back(*key);
    }
    void keyReleaseEvent(QKeyEvent* event) override {
        if (const auto key = KeyEventTranslator::translate(*event))
            released.push_back(*key);
    }
};

TEST(KeyEventTranslator, SentEventsKeepTheirNativeCodes) {
    KeyRecorder widget;
    const PcKey& rightShift = pcKeys[69];
    ASSERT_STREQ(rightShift.name, "RightShift");
    QKeyEvent press = x11Event(rightShift, QEvent::KeyPress, KeyEventTranslator::capsLockBit);
    QKeyEvent release = x11Event(rightShift, QEvent::KeyRelease);
    QApplication::sendEvent(&widget, &press);
    QApplication::sendEvent(&widget, &release);
    ASSERT_EQ(widget.pressed.size(), 1u);
    ASSERT_EQ(widget.released.size(), 1u);
    EXPECT_EQ(widget.pressed[0].scanCode, 54);
    EXPECT_TRUE(widget.pressed[0].capsLock);
    EXPECT_EQ(widget.released[0].scanCode, 54);
}

} // namespace
} // namespace vorn
