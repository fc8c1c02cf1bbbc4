#include "view/KeySelection.h"

#include "document/SettingsStore.h"
#include "document/VornDoc.h"
#include "image/KeyTextChecks.h"
#include "image/KeyTextEncoder.h"
#include "support/RecordedMessages.h"
#include "view/VirtualKeys.h"

#include <algorithm>
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
        doc.keyText[state.selectedKey] = text;
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
    doc.keyText[key].clear();
    doc.keyText[key].assign(static_cast<std::size_t>(doc.spaceLeft() - space), 'x');
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
        EXPECT_EQ(editor.doc.keyText[key], s.expectText);
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
                [](const CVornDoc& doc) { EXPECT_FALSE(doc.keyDefined[13] || doc.keyBlank[13]); }},
        Scenario{.name = "Key160BackspaceEmptiesKey121",
                 .steps = "End BS",
                 .text = "x",
                 .slot = 123,
                 .expectText = "",
                 .check = [](const CVornDoc& doc) { EXPECT_EQ(doc.keyText[121], ""); }},
        Scenario{.name = "Key160EscBackspaceIsAWordNotADeletion",
                 .steps = "Esc BS",
                 .text = "x",
                 .slot = 123,
                 .prepare = [](CVornDoc& doc) { doc.keyText[121] = "old"; },
                 .expectText = "[Backspace]x",
                 .check = [](const CVornDoc& doc) { EXPECT_EQ(doc.keyText[121], "old"); }},
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
    editor.doc.keyText[editor.doc.layout().slotKey()[5]] = "[F1]";
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
    EXPECT_EQ(editor.doc.keyText[editor.state.selectedKey], "");
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
    EXPECT_EQ(editor.doc.keyText[editor.state.selectedKey], "[\x14]");
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
