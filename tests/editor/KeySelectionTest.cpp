// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/KeySelection.h"

#include "document/SettingsStore.h"
#include "document/VornDoc.h"
#include "editor/VirtualKeys.h"
#include "image/KeyTextChecks.h"
#include "image/KeyTextEncoder.h"
#include "support/RecordedMessages.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace vorn {
namespace {

KeyEvent pcKey(int scanCode, bool extended = false, bool keypadDigits = true) {
    KeyEvent key;
    key.scanCode = scanCode;
    key.extended = extended;
    key.virtualKey = usVirtualKey(scanCode, extended, keypadDigits);
    return key;
}

// Keys by name as the scenarios spell them: a letter or digit stands for its key.
KeyEvent namedKey(const std::string& name) {
    static const std::map<std::string, KeyEvent> named{
        {"Esc", pcKey(1)},
        {"BS", pcKey(14)},
        {"Tab", pcKey(15)},
        {"Enter", pcKey(28)},
        {"Ctrl", pcKey(29)},
        {"RCtrl", pcKey(29, true)},
        {"Shift", pcKey(42)},
        {"RShift", pcKey(54)},
        {"Space", pcKey(57)},
        {"Caps", pcKey(58)},
        {"F1", pcKey(59)},
        {"F10", pcKey(68)},
        {"Home", pcKey(71, true)},
        {"Up", pcKey(72, true)},
        {"Left", pcKey(75, true)},
        {"Right", pcKey(77, true)},
        {"End", pcKey(79, true)},
        {"Down", pcKey(80, true)},
        {"Del", pcKey(83, true)},
        {"KP7", pcKey(71)},
        {"KP7off", pcKey(71, false, false)},
        {"KP4off", pcKey(75, false, false)},
        {"KP9off", pcKey(73, false, false)},
        {"KP5off", pcKey(76, false, false)},
        {"KPStar", pcKey(55)},
        {"Alt", pcKey(56)},
        {"Print", pcKey(55, true)},
        {"Grave", pcKey(41)},
        {"Slash", pcKey(53)},
    };
    if (const auto it = named.find(name); it != named.end())
        return it->second;
    static const std::string rows[] = {"1234567890", "qwertyuiop", "asdfghjkl", "zxcvbnm"};
    static const int firsts[] = {2, 16, 30, 44};
    for (int r = 0; r < 4; ++r)
        if (const auto at = rows[r].find(name); name.size() == 1 && at != std::string::npos)
            return pcKey(firsts[r] + static_cast<int>(at));
    ADD_FAILURE() << "no key named " << name;
    return {};
}

// Editing one document through KeySelection, as the view would.
class Editor {
public:
    explicit Editor(int model)
        : doc(settings, messages, DocumentPlaces{}, model)
        , selection(doc, state, messages) {
        doc.onNewDocument();
        selection.initialUpdate(nullptr);
    }

    void clickSlot(int slot) {
        const auto [x, y] = doc.layout().slotPos()[slot];
        const auto [w, h] = doc.layout().slotSize()[slot];
        selection.mouseDown(x + w / 2, y + h / 2);
    }
    void select(int slot, const std::string& text, bool ascii) {
        clickSlot(slot);
        doc.setKeyText(state.selectedKey, text);
        state.keyIsAscii[state.selectedKey] = ascii;
    }
    // Steps: key names pressed in turn; "^Name" releases the key; "Name*N" presses it N times;
    // "+Name" presses it with Caps Lock on; "@x,y" clicks at (x, y).
    void run(const std::string& steps) {
        std::istringstream in(steps);
        for (std::string step; in >> step;) {
            if (step[0] == '@') {
                const auto comma = step.find(',');
                selection.mouseDown(std::stoi(step.substr(1, comma - 1)),
                                    std::stoi(step.substr(comma + 1)));
                continue;
            }
            if (step[0] == '^') {
                selection.keyUp(namedKey(step.substr(1)));
                continue;
            }
            int times = 1;
            if (const auto star = step.find('*'); star != std::string::npos) {
                times = std::stoi(step.substr(star + 1));
                step.resize(star);
            }
            KeyEvent key = namedKey(step[0] == '+' ? step.substr(1) : step);
            key.capsLock = step[0] == '+';
            for (int i = 0; i < times; ++i)
                selection.keyDown(key);
        }
    }

    SettingsStore settings;
    test::RecordedMessages messages;
    CVornDoc doc;
    EditingState state;
    KeySelection selection;
};

// Fills key `key` with plain characters until the template has exactly `space` bytes left.
void leaveSpace(CVornDoc& doc, int key, int space) {
    doc.setKeyText(key, {});
    doc.setKeyText(key, std::string(static_cast<std::size_t>(doc.spaceLeft() - space), 'x'));
    ASSERT_EQ(doc.spaceLeft(), space);
}

constexpr int unchecked = -1;

struct Scenario {
    const char* name;
    const char* steps;
    const char* text = ""; // the selected key's text before the steps
    bool ascii = true;     // its mode
    bool decimal = false;  // shown in the decimal display
    int model = 2013;
    int slot = 0;       // the key selected before the steps
    int caretIndex = 0; // the caret before the steps (column follows the index)
    int caretColumn = unchecked;
    std::function<void(CVornDoc&)> prepare = nullptr;
    // After the steps:
    const char* expectText = nullptr; // the first selected key's text
    int expectIndex = unchecked;
    int expectColumn = unchecked;
    int expectDisplayIndex = unchecked;
    int expectSlot = unchecked;
    bool expectWarning = false;
    int expectMessages = 0;
    std::function<void(const CVornDoc&)> check = nullptr;
};

class Typing : public ::testing::TestWithParam<Scenario> {};

TEST_P(Typing, Scenario) {
    const Scenario& s = GetParam();
    Editor editor(s.model);
    if (s.prepare)
        s.prepare(editor.doc);
    editor.select(s.slot, s.text, s.ascii);
    const int key = editor.state.selectedKey;
    editor.state.caretIndex = s.caretIndex;
    editor.state.caretColumn = s.caretColumn == unchecked ? s.caretIndex : s.caretColumn;
    editor.state.decimalDisplay = s.decimal;

    editor.run(s.steps);

    const EditingState& st = editor.state;
    if (s.expectText) {
        EXPECT_EQ(editor.doc.keyText()[key], s.expectText);
    }
    for (const auto& [expected, actual] : {std::pair{s.expectIndex, st.caretIndex},
                                           {s.expectColumn, st.caretColumn},
                                           {s.expectDisplayIndex, st.caretDisplayIndex}}) {
        if (expected != unchecked) {
            EXPECT_EQ(actual, expected) << "caret index, column, display index: " << st.caretIndex
                                        << ' ' << st.caretColumn << ' ' << st.caretDisplayIndex;
        }
    }
    EXPECT_EQ(st.selectedSlot, s.expectSlot == unchecked ? s.slot : s.expectSlot);
    EXPECT_EQ(std::ranges::count(st.slotHighlight, true), 1);
    EXPECT_TRUE(st.slotHighlight[st.selectedSlot]);
    EXPECT_EQ(st.invalidTextWarning, s.expectWarning);
    EXPECT_EQ(editor.messages.messages.size(), static_cast<std::size_t>(s.expectMessages));
    if (s.check)
        s.check(editor.doc);
}

const std::string ninety(90, 'q');
// A line longer than the 86 columns the content line shows.
const std::string hundred = [] {
    std::string line;
    for (int i = 0; i < 10; ++i)
        line += "0123456789";
    return line;
}();
const std::string hundredTypedAt90 = hundred.substr(0, 90) + "a" + hundred.substr(90);
const std::string hundredF1At84 = hundred.substr(0, 84) + "[F1]" + hundred.substr(84);
const std::string hundredWithout89 = hundred.substr(0, 89) + hundred.substr(90);
const std::string eightyFour(84, 'q');
const std::string thirtyA(30, 'A'); // 120 characters in the decimal display

INSTANTIATE_TEST_SUITE_P(
    KeySelection, Typing,
    ::testing::Values(
        Scenario{.name = "EscEscF1InScanModeGivesBothWords",
                 .steps = "Esc Esc F1",
                 .ascii = false,
                 .expectText = "[ESC][F1]",
                 .expectIndex = 9,
                 .expectColumn = 9},
        Scenario{.name = "EscShiftGivesShiftWordAndLowerCaseAfter",
                 .steps = "Esc Shift a ^Shift Shift a",
                 .expectText = "[Shift]aA"},
        Scenario{.name = "NinetyCharactersScrollTheLine",
                 .steps = "q*90",
                 .expectText = ninety.c_str(),
                 .expectIndex = 90,
                 .expectColumn = 85},
        Scenario{.name = "LeftAtColumn0Scrolls",
                 .steps = "Left",
                 .text = "abcdefghijklmnop",
                 .caretIndex = 10,
                 .caretColumn = 0,
                 .expectIndex = 9,
                 .expectColumn = 0},
        Scenario{.name = "LeftAtColumn0OfALongLineScrollsAndRightComesBack",
                 .steps = "Left Left Right",
                 .text = hundred.c_str(),
                 .caretIndex = 20,
                 .caretColumn = 0,
                 .expectIndex = 19,
                 .expectColumn = 1},
        Scenario{.name = "RightFromColumn84StopsAtColumn85",
                 .steps = "Right Right Right",
                 .text = hundred.c_str(),
                 .caretIndex = 84,
                 .expectIndex = 87,
                 .expectColumn = 85},
        Scenario{.name = "RightAtColumn85ScrollsTheLine",
                 .steps = "Right",
                 .text = hundred.c_str(),
                 .caretIndex = 90,
                 .caretColumn = 85,
                 .expectIndex = 91,
                 .expectColumn = 85},
        Scenario{.name = "RightAtTheEndOfAScrolledLineStays",
                 .steps = "Right",
                 .text = hundred.c_str(),
                 .caretIndex = 100,
                 .caretColumn = 85,
                 .expectIndex = 100,
                 .expectColumn = 85},
        Scenario{.name = "EndOfALongLineIsColumn85",
                 .steps = "End Right",
                 .text = hundred.c_str(),
                 .expectIndex = 100,
                 .expectColumn = 85},
        Scenario{.name = "EndOfALineOf84IsColumn84",
                 .steps = "End",
                 .text = eightyFour.c_str(),
                 .expectIndex = 84,
                 .expectColumn = 84},
        Scenario{.name = "TypingAtColumn85KeepsTheColumn",
                 .steps = "a",
                 .text = hundred.c_str(),
                 .caretIndex = 90,
                 .caretColumn = 85,
                 .expectText = hundredTypedAt90.c_str(),
                 .expectIndex = 91,
                 .expectColumn = 85},
        Scenario{.name = "AWordTypedAtColumn83StopsTheColumnAt85",
                 .steps = "Esc F1",
                 .text = hundred.c_str(),
                 .caretIndex = 84,
                 .caretColumn = 83,
                 .expectText = hundredF1At84.c_str(),
                 .expectIndex = 88,
                 .expectColumn = 85},
        Scenario{.name = "BackspaceAtColumn85",
                 .steps = "BS",
                 .text = hundred.c_str(),
                 .caretIndex = 90,
                 .caretColumn = 85,
                 .expectText = hundredWithout89.c_str(),
                 .expectIndex = 89,
                 .expectColumn = 84},
        Scenario{.name = "DecimalRightAtColumn85ScrollsByTokens",
                 .steps = "@694,340 Right Right",
                 .text = thirtyA.c_str(),
                 .decimal = true,
                 .expectIndex = 23,
                 .expectColumn = 85,
                 .expectDisplayIndex = 92},
        Scenario{.name = "BackspaceAtColumn0RemovesNothing",
                 .steps = "Left BS",
                 .text = "abcdefghijklmnop",
                 .caretIndex = 10,
                 .caretColumn = 0,
                 .expectText = "abcdefghijklmnop",
                 .expectIndex = 9,
                 .expectColumn = 0},
        Scenario{.name = "ClickOnEnterUpperPartSelectsItsLowerPart",
                 .steps = "@500,180",
                 .model = 2014,
                 .expectSlot = 41},
        Scenario{.name = "UnknownModelTakesTheEnterRuleToo",
                 .steps = "@475,185",
                 .model = 2077,
                 .expectSlot = 41},
        Scenario{
            .name = "TrModelHasNoEnterRule", .steps = "@150,180", .model = 2018, .expectSlot = 28},
        Scenario{.name = "InvalidTextKeepsSelectionWithBoxOnClick",
                 .steps = "@68,152",
                 .text = "[Nope]",
                 .ascii = false,
                 .expectMessages = 1},
        Scenario{.name = "InvalidTextKeepsSelectionWithRedLineOnArrow",
                 .steps = "Up",
                 .text = "[Nope]",
                 .ascii = false,
                 .expectWarning = true},
        Scenario{
            .name = "NextKeyClearsTheRedLine", .steps = "Up End", .text = "[Nope]", .ascii = false},
        Scenario{.name = "DecimalDisplayIgnoresLetters",
                 .steps = "a b Enter",
                 .text = "Ab",
                 .decimal = true,
                 .expectText = "Ab",
                 .expectIndex = 0,
                 .expectDisplayIndex = 0},
        Scenario{.name = "DecimalRightMovesByTokens",
                 .steps = "Right",
                 .text = "Ab[CR]",
                 .decimal = true,
                 .expectIndex = 1,
                 .expectColumn = 4,
                 .expectDisplayIndex = 4},
        Scenario{.name = "DecimalLeftFromTheEndStopsAtTheLastToken",
                 .steps = "End Left",
                 .text = "Ab[CR]",
                 .decimal = true,
                 .expectIndex = 2,
                 .expectColumn = 8,
                 .expectDisplayIndex = 8},
        Scenario{.name = "DecimalBackspaceRemovesAWholeFunctionWord",
                 .steps = "End BS",
                 .text = "Ab[CR]",
                 .decimal = true,
                 .expectText = "Ab",
                 .expectIndex = 2,
                 .expectColumn = 8,
                 .expectDisplayIndex = 8},
        Scenario{.name = "DecimalDeleteRemovesTheTokenAtTheCaret",
                 .steps = "Right Del Del",
                 .text = "A[CR]b",
                 .decimal = true,
                 .expectText = "A",
                 .expectIndex = 1,
                 .expectDisplayIndex = 4},
        Scenario{.name = "SpaceLeft1StillInsertsALongWord",
                 .steps = "Esc RCtrl",
                 .ascii = false,
                 .prepare = [](CVornDoc& doc) { leaveSpace(doc, 100, 1); },
                 .expectText = "[RightCtrl]",
                 .check = [](const CVornDoc& doc) { EXPECT_LT(doc.spaceLeft(), 0); }},
        Scenario{
            .name = "NoSpaceDropsTyping",
            .steps = "a Esc F1",
            .prepare = [](CVornDoc& doc) { leaveSpace(doc, 100, 0); },
            .expectText = "",
            .check =
                [](const CVornDoc& doc) {
                    EXPECT_FALSE(doc.keyDefined()[13] || doc.keyBlank()[13]);
                }},
        Scenario{.name = "Key160BackspaceEmptiesKey121",
                 .steps = "End BS",
                 .text = "x",
                 .slot = 123,
                 .expectText = "",
                 .check = [](const CVornDoc& doc) { EXPECT_EQ(doc.keyText()[121], ""); }},
        Scenario{.name = "Key160EscBackspaceIsAWordNotADeletion",
                 .steps = "Esc BS",
                 .text = "x",
                 .slot = 123,
                 .prepare = [](CVornDoc& doc) { doc.setKeyText(121, "old"); },
                 .expectText = "[Backspace]x",
                 .check = [](const CVornDoc& doc) { EXPECT_EQ(doc.keyText()[121], "old"); }},
        Scenario{.name = "UpWithoutShiftMovesTheSelection", .steps = "Up", .expectSlot = 77},
        Scenario{.name = "LeftWithoutShiftMovesOnlyTheCaret",
                 .steps = "Left",
                 .text = "ab",
                 .caretIndex = 2,
                 .expectIndex = 1,
                 .expectColumn = 1},
        Scenario{.name = "ShiftLeftMovesTheSelection",
                 .steps = "Shift Left",
                 .expectIndex = 0,
                 .expectSlot = 119},
        Scenario{.name = "EscShiftLeavesShiftUnheld",
                 .steps = "Esc Shift Left",
                 .text = "ab",
                 .caretIndex = 2,
                 .expectText = "ab[Shift]",
                 .expectIndex = 8},
        Scenario{.name = "CapsLockAndShiftCancelOnLetters",
                 .steps = "+a Shift +a 1 ^Shift 1",
                 .expectText = "Aa!1"},
        Scenario{.name = "AsciiModeTableA",
                 .steps = "Shift Grave Slash ^Shift Grave Enter KPStar Space",
                 .expectText = "~?`[CR]* "},
        Scenario{.name = "ScanModeTableB",
                 .steps = "Shift a 1 Grave Enter Space KPStar KP9off",
                 .ascii = false,
                 .expectText = "[A][1][`][Enter][Space][PAD*][!]"},
        Scenario{.name = "EscEAndEscFGiveTheirCodes",
                 .steps = "Esc e Esc f e",
                 .ascii = false,
                 .expectText = "[0E0][0F0][E]"},
        Scenario{.name = "KeypadDigitsKeepEscPending",
                 .steps = "Esc KP7 F1",
                 .ascii = false,
                 .expectText = "[PAD7][F1]"},
        Scenario{.name = "KeypadWithoutNumLockMovesTheCaret",
                 .steps = "KP7off KP4off KP5off",
                 .text = "ab",
                 .caretIndex = 2,
                 .expectText = "5ab",
                 .expectIndex = 1},
        Scenario{.name = "KeysWithoutMeaningTypeNothing",
                 .steps = "Tab Ctrl F1 KP9off Caps",
                 .text = "ab",
                 .expectText = "ab",
                 .expectIndex = 0},
        Scenario{.name = "PlatformKeysDoNothing",
                 .steps = "Esc Alt F10 Print F1",
                 .ascii = false,
                 .expectText = "[F1]"},
        Scenario{.name = "DeleteAndEnd",
                 .steps = "Del End",
                 .text = "abc",
                 .expectText = "bc",
                 .expectIndex = 2,
                 .expectColumn = 2},
        Scenario{.name = "ClickInTheBoxPlacesTheCaretAtTheEnd",
                 .steps = "@400,340",
                 .text = "abcdef",
                 .expectIndex = 6,
                 .expectColumn = 6},
        Scenario{.name = "ClickInTheBoxPlacesTheCaretOnACell",
                 .steps = "@120,340",
                 .text = "abcdef",
                 .caretIndex = 5,
                 .expectIndex = 3,
                 .expectColumn = 3},
        Scenario{.name = "ClickBehindAScrolledLineStaysInTheText",
                 .steps = "@172,340",
                 .text = "abcdefghijklmnop",
                 .caretIndex = 10,
                 .caretColumn = 2,
                 .expectIndex = 16,
                 .expectColumn = 8},
        Scenario{.name = "DecimalClickSnapsToATokenStart",
                 .steps = "@120,340",
                 .text = "Ab",
                 .decimal = true,
                 .expectIndex = 0,
                 .expectColumn = 0,
                 .expectDisplayIndex = 0},
        Scenario{.name = "DecimalClickOnTheSecondToken",
                 .steps = "@134,340",
                 .text = "Ab",
                 .decimal = true,
                 .expectIndex = 1,
                 .expectColumn = 4,
                 .expectDisplayIndex = 4}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(KeySelection, SelectingAKeyResetsTheCaretAndSetsItsMode) {
    Editor editor(2013);
    editor.doc.setKeyText(editor.doc.layout().slotKey()[5], "[F1]");
    editor.state.caretIndex = editor.state.caretColumn = 3;
    editor.state.decimalDisplay = true;
    editor.clickSlot(0); // the selected key again keeps the decimal display
    EXPECT_TRUE(editor.state.decimalDisplay);
    EXPECT_EQ(editor.state.caretIndex + editor.state.caretColumn, 0);
    editor.clickSlot(5);
    EXPECT_EQ(editor.state.selectedKey, editor.doc.layout().slotKey()[5]);
    EXPECT_FALSE(editor.state.keyIsAscii[editor.state.selectedKey]);
    EXPECT_FALSE(editor.state.decimalDisplay);
}

TEST(KeySelection, RepaintsWhatChanged) {
    Editor editor(2013);
    EXPECT_EQ(editor.selection.mouseDown(200, 340), Repaint::contentBox);
    EXPECT_EQ(editor.selection.mouseDown(10, 10), Repaint::nothing);
    // Edges of a key cap are not inside it: slot 0 spans x 55..82.
    EXPECT_EQ(editor.selection.mouseDown(55, 150), Repaint::nothing);
    EXPECT_EQ(editor.selection.mouseDown(95, 340), Repaint::nothing);
    EXPECT_EQ(editor.selection.mouseDown(100, 150), Repaint::view);
    EXPECT_EQ(editor.state.selectedSlot, 1);
    EXPECT_EQ(editor.selection.keyDown(namedKey("Tab")), Repaint::view);
    EXPECT_EQ(editor.selection.keyUp(namedKey("Shift")), Repaint::nothing);
    EXPECT_EQ(editor.selection.keyDown(namedKey("Alt")), Repaint::nothing);
}

// Modified means a key text changed: keys that change no text leave the template as it was,
// and a character typed and deleted again leaves it unmodified.
TEST(KeySelection, OnlyAChangedTextMakesTheTemplateModified) {
    struct Case {
        const char* steps;
        bool modified;
    };
    for (const Case& c : {Case{"Ctrl ^Ctrl Shift ^Shift Right Left Up Down Home End Esc", false},
                          Case{"a BS", false}, Case{"a b Left Del", true}, Case{"Enter", true}}) {
        Editor editor(2013);
        editor.run(c.steps);
        EXPECT_EQ(editor.doc.isModified(), c.modified) << c.steps;
        EXPECT_TRUE(editor.messages.messages.empty()) << c.steps;
    }
}

TEST(KeySelection, TypingWithoutSpaceBeepsAndSaysSo) {
    Editor editor(2013);
    leaveSpace(editor.doc, 100, 0);
    editor.run("a Esc F1 Left BS");
    EXPECT_EQ(editor.doc.keyText()[editor.state.selectedKey], "");
    const std::string refusal = "beep: No space left in the template";
    EXPECT_EQ(editor.messages.statuses, (std::vector<std::string>{refusal, refusal}));
}

TEST(KeySelection, AutoRepeatedCapsLockIsAnOrdinaryKey) {
    Editor editor(2013);
    editor.state.keyIsAscii[editor.state.selectedKey] = false;
    KeyEvent caps = namedKey("Caps");
    editor.selection.keyDown(caps);
    caps.repeat = true;
    editor.selection.keyDown(caps);
    EXPECT_EQ(editor.doc.keyText()[editor.state.selectedKey], "[\x14]");
}

TEST(KeySelection, UpdatesResetTheSelection) {
    Editor editor(2016);
    editor.select(9, "abc", false);
    editor.run("End Esc Shift");
    editor.state.decimalDisplay = true;
    editor.selection.documentUpdated();
    EXPECT_EQ(editor.state.selectedSlot, 0);
    EXPECT_EQ(editor.state.selectedKey, editor.doc.layout().slotKey()[0]);
    EXPECT_EQ(editor.state.caretIndex, 0);
    EXPECT_FALSE(editor.state.escPending || editor.state.shiftHeld);
    EXPECT_TRUE(editor.state.decimalDisplay);
    EXPECT_FALSE(editor.state.keyIsAscii[editor.doc.layout().slotKey()[9]]);

    bool detected = false;
    editor.selection.initialUpdate([&] {
        detected = true;
        EXPECT_FALSE(editor.state.decimalDisplay); // the resets come first
    });
    EXPECT_TRUE(detected);
    EXPECT_TRUE(editor.state.keyIsAscii[editor.doc.layout().slotKey()[9]]);
}

// What a key did to "abcd" with the caret at 2, on slot 0 of VQ5040.
struct KeyOutcome {
    const char* text = "abcd";
    int caretIndex = 2;
    int slot = 0;
    bool shiftHeld = false;
    bool escPending = false;
};

constexpr KeyOutcome unchanged{};
constexpr KeyOutcome caretStart{.caretIndex = 0};
constexpr KeyOutcome caretEnd{.caretIndex = 4};
constexpr KeyOutcome caretLeft{.caretIndex = 1};
constexpr KeyOutcome caretRight{.caretIndex = 3};
constexpr KeyOutcome selectionUp{.caretIndex = 0, .slot = 77};
constexpr KeyOutcome selectionDown{.caretIndex = 0, .slot = 15};

void expectOutcome(const Editor& editor, const KeyOutcome& expected) {
    EXPECT_EQ(editor.doc.keyText()[editor.doc.layout().slotKey()[0]], expected.text);
    EXPECT_EQ(editor.state.caretIndex, expected.caretIndex);
    EXPECT_EQ(editor.state.selectedSlot, expected.slot);
    EXPECT_EQ(editor.state.shiftHeld, expected.shiftHeld);
    EXPECT_EQ(editor.state.escPending, expected.escPending);
}

// Presses `keys` on "abcd" with the caret at 2, in ASCII or scan-code mode.
void expectKeysGive(std::initializer_list<KeyEvent> keys, bool ascii, const KeyOutcome& expected) {
    Editor editor(2013);
    editor.select(0, "abcd", ascii);
    editor.state.caretIndex = editor.state.caretColumn = 2;
    for (const KeyEvent& key : keys)
        editor.selection.keyDown(key);
    expectOutcome(editor, expected);
}

// Every special key: after Esc it inserts its key word, without Esc it acts.
TEST(TypingTables, SpecialKeysGiveTheirWordAfterEscAndActWithout) {
    struct Row {
        int scanCode;
        bool extended;
        const char* word;
        KeyOutcome action;
    };
    const Row rows[] = {
        {1, false, "[ESC]", {.escPending = true}},
        {14, false, "[Backspace]", {.text = "acd", .caretIndex = 1}},
        {15, false, "[Tab]", unchanged},
        {29, false, "[Ctrl]", unchanged},
        {29, true, "[RightCtrl]", unchanged},
        {42, false, "[Shift]", {.shiftHeld = true}},
        {54, false, "[RightShift]", {.shiftHeld = true}},
        {58, false, "[CapsLock]", unchanged},
        {59, false, "[F1]", unchanged},
        {60, false, "[F2]", unchanged},
        {61, false, "[F3]", unchanged},
        {62, false, "[F4]", unchanged},
        {63, false, "[F5]", unchanged},
        {64, false, "[F6]", unchanged},
        {65, false, "[F7]", unchanged},
        {66, false, "[F8]", unchanged},
        {67, false, "[F9]", unchanged},
        {87, false, "[F11]", unchanged},
        {88, false, "[F12]", unchanged},
        {69, false, "[PauseBreak]", unchanged},
        {70, false, "[ScrollLk]", unchanged},
        {69, true, "[NumLock]", unchanged},
        {71, true, "[Home]", caretStart},
        {79, true, "[End]", caretEnd},
        {73, true, "[PageUp]", unchanged},
        {81, true, "[PageDown]", unchanged},
        {82, true, "[Insert]", unchanged},
        {83, true, "[Delete]", {.text = "abd"}},
        {72, true, "[ArrowUp]", selectionUp},
        {80, true, "[ArrowDown]", selectionDown},
        {75, true, "[ArrowLeft]", caretLeft},
        {77, true, "[ArrowRight]", caretRight},
        {91, true, "[Win]", unchanged},
        {92, true, "[RightWin]", unchanged},
        {93, true, "[Menu]", unchanged},
    };
    const KeyEvent esc = pcKey(1);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.word);
        const KeyEvent key = pcKey(row.scanCode, row.extended);
        const std::string typed = std::string("ab") + row.word + "cd";
        // Esc stays pending after its own word.
        const KeyOutcome inserted{.text = typed.c_str(),
                                  .caretIndex = static_cast<int>(2 + std::strlen(row.word)),
                                  .escPending = row.scanCode == 1};
        for (const bool ascii : {true, false}) {
            expectKeysGive({esc, key}, ascii, inserted);
            expectKeysGive({key}, ascii, row.action);
        }
    }
}

// The keypad keys that double as cursor keys: the digit in ASCII mode, the keypad word in
// scan-code mode (Esc staying pending either way), else the cursor function.
TEST(TypingTables, KeypadCursorKeysGiveTheirDigitOrWordOrMove) {
    struct Row {
        int scanCode;
        const char* asciiText;
        const char* scanText;
        KeyOutcome cursor;
    };
    const Row rows[] = {
        {71, "ab7cd", "ab[PAD7]cd", caretStart}, {72, "ab8cd", "ab[PAD8]cd", selectionUp},
        {75, "ab4cd", "ab[PAD4]cd", caretLeft},  {77, "ab6cd", "ab[PAD6]cd", caretRight},
        {79, "ab1cd", "ab[PAD1]cd", caretEnd},   {80, "ab2cd", "ab[PAD2]cd", selectionDown},
    };
    const KeyEvent esc = pcKey(1);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.scanCode);
        const KeyEvent digit = pcKey(row.scanCode, false, true);
        const KeyEvent cursor = pcKey(row.scanCode, false, false);
        expectKeysGive({digit}, true, {.text = row.asciiText, .caretIndex = 3});
        expectKeysGive({esc, digit}, true,
                       {.text = row.asciiText, .caretIndex = 3, .escPending = true});
        const int wordEnd = static_cast<int>(std::strlen(row.scanText)) - 2;
        expectKeysGive({esc, digit}, false,
                       {.text = row.scanText, .caretIndex = wordEnd, .escPending = true});
        for (const bool ascii : {true, false})
            expectKeysGive({cursor}, ascii, row.cursor);
    }
}

// What the ordinary keys type: the character of each key unshifted and shifted in ASCII mode
// (letters shifted by exactly one of Shift and Caps Lock), and its key word in scan-code mode.
TEST(TypingTables, OrdinaryKeysTypeTheirCharacterOrWord) {
    struct Row {
        int scanCode;
        bool extended;
        bool numLock;
        std::string plain;
        std::string shifted;
        std::string word;
    };
    std::vector<Row> rows = {
        {2, false, true, "1", "!", "[1]"},
        {3, false, true, "2", "@", "[2]"},
        {4, false, true, "3", "#", "[3]"},
        {5, false, true, "4", "$", "[4]"},
        {6, false, true, "5", "%", "[5]"},
        {7, false, true, "6", "^", "[6]"},
        {8, false, true, "7", "&", "[7]"},
        {9, false, true, "8", "*", "[8]"},
        {10, false, true, "9", "(", "[9]"},
        {11, false, true, "0", ")", "[0]"},
        {12, false, true, "-", "_", "[-]"},
        {13, false, true, "=", "+", "[=]"},
        {26, false, true, "[", "{", "[{]"},
        {27, false, true, "]", "}", "[}]"},
        {39, false, true, ";", ":", "[;]"},
        {40, false, true, "'", "\"", "[']"},
        {41, false, true, "`", "~", "[`]"},
        {43, false, true, "\\", "|", "[\\]"},
        {51, false, true, ",", "<", "[,]"},
        {52, false, true, ".", ">", "[.]"},
        {53, false, true, "/", "?", "[/]"},
        {57, false, true, " ", " ", "[Space]"},
        {28, false, true, "[CR]", "[CR]", "[Enter]"},
        {28, true, true, "[CR]", "[CR]", "[Enter]"},
        // The keypad with Num Lock on, and its keys that type the same in every state.
        {82, false, true, "0", "0", "[PAD0]"},
        {79, false, true, "1", "1", "[PAD1]"},
        {80, false, true, "2", "2", "[PAD2]"},
        {81, false, true, "3", "3", "[PAD3]"},
        {75, false, true, "4", "4", "[PAD4]"},
        {76, false, true, "5", "5", "[PAD5]"},
        {77, false, true, "6", "6", "[PAD6]"},
        {71, false, true, "7", "7", "[PAD7]"},
        {72, false, true, "8", "8", "[PAD8]"},
        {73, false, true, "9", "9", "[PAD9]"},
        {55, false, true, "*", "*", "[PAD*]"},
        {78, false, true, "+", "+", "[PAD+]"},
        {74, false, true, "-", "-", "[PAD-]"},
        {83, false, true, ".", ".", "[PAD.]"},
        {53, true, true, "/", "/", "[PAD/]"},
        {76, false, false, "5", "5", "[PAD5]"},
    };
    for (const auto& [letters, first] :
         {std::pair{"qwertyuiop", 16}, {"asdfghjkl", 30}, {"zxcvbnm", 44}}) {
        for (int i = 0; letters[i]; ++i) {
            const char upper = static_cast<char>(letters[i] - 'a' + 'A');
            rows.push_back({first + i, false, true, std::string(1, letters[i]),
                            std::string(1, upper), std::string("[") + upper + "]"});
        }
    }
    for (const Row& row : rows) {
        KeyEvent key = pcKey(row.scanCode, row.extended, row.numLock);
        SCOPED_TRACE(row.word);
        const bool letter = row.plain.size() == 1 && row.plain[0] >= 'a' && row.plain[0] <= 'z';
        for (const bool caps : {false, true}) {
            key.capsLock = caps;
            const bool capsShifts = letter && caps;
            EXPECT_EQ(asciiModeText(key, false), capsShifts ? row.shifted : row.plain);
            EXPECT_EQ(asciiModeText(key, true), capsShifts ? row.plain : row.shifted);
            EXPECT_EQ(scanModeWord(key), row.word);
        }
    }
}

TEST(TypingTables, EveryKeyWordTypedIsAScanCodeWord) {
    for (int code = 1; code < 128; ++code) {
        for (const bool extended : {false, true}) {
            if (const SpecialKey* special = findSpecialKey(code, extended)) {
                EXPECT_TRUE(isScanText(special->word)) << special->word;
            }
            if (const KeypadCursorKey* keypad = findKeypadCursorKey(code, extended)) {
                EXPECT_TRUE(isScanText(keypad->word)) << keypad->word;
            }
            // Keys of Table A have words of Table B; the others stand for their code. The
            // keypad separator's "[PAD,]" names no scan code: leaving the key refuses it.
            const KeyEvent key = pcKey(code, extended);
            if (!asciiModeText(key, false).empty() && key.virtualKey != vk::separator) {
                EXPECT_TRUE(isScanText(scanModeWord(key))) << code << ' ' << scanModeWord(key);
            }
        }
    }
}

} // namespace
} // namespace vorn
