// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/KeyEditCommands.h"

#include "document/SettingsStore.h"
#include "document/VornDoc.h"
#include "editor/CommandTable.h"
#include "editor/EditingState.h"
#include "editor/KeyEditDialogs.h"
#include "image/KeyTextChecks.h"
#include "support/RecordedMessages.h"
#include "transfer/TransferController.h"

#include <functional>
#include <gtest/gtest.h>

namespace vorn {
namespace {

using namespace commandIds;

// Answers the value dialogs as a test says; nothing is Cancel.
class ScriptedKeyEditDialogs : public KeyEditDialogs {
public:
    std::optional<int> askDelayTime() override { return answer(delay); }
    std::optional<int> askShiftLevel() override { return answer(level); }
    std::optional<int> askAsciiCode() override { return answer(code); }
    std::optional<std::string> askScanCode() override { return answer(scan); }

    std::optional<int> delay;
    std::optional<int> level;
    std::optional<int> code;
    std::optional<std::string> scan;
    int asked = 0;

private:
    template <typename T> T answer(const T& value) {
        ++asked;
        return value;
    }
};

// One document with the view's editing state, edited through the commands.
struct KeyEdit {
    explicit KeyEdit(int model = 2013)
        : doc(settings, messages, DocumentPlaces{}, model)
        , commands(doc, state, messages, dialogs) {
        doc.onNewDocument();
        state.resetForInitialUpdate(doc.layout().slotKey()[0]);
    }
    // Selects `key` with `text` in the mode, the caret at `index` (column `column`, or the
    // index when not given).
    void select(int key, const std::string& text, bool ascii, int index = 0, int column = -1) {
        state.selectedKey = key;
        doc.setKeyText(key, text);
        doc.setKeyFlags(key, true, true);
        state.keyIsAscii[key] = ascii;
        state.caretIndex = index;
        state.caretColumn = column < 0 ? index : column;
    }
    const std::string& text() const { return doc.keyText()[state.selectedKey]; }
    bool keyChanged() const {
        return !doc.keyBlank()[state.selectedKey] && !doc.keyDefined()[state.selectedKey];
    }

    SettingsStore settings;
    test::RecordedMessages messages;
    ScriptedKeyEditDialogs dialogs;
    CVornDoc doc;
    EditingState state;
    KeyEditCommands commands;
};

// Fills `key` with plain characters until the template has exactly `space` bytes left.
void leaveSpace(CVornDoc& doc, int key, int space) {
    doc.setKeyText(key, {});
    doc.setKeyText(key, std::string(static_cast<std::size_t>(doc.spaceLeft() - space), 'x'));
    ASSERT_EQ(doc.spaceLeft(), space);
}

constexpr int usb = TransferController::usbPort;
constexpr int driver = TransferController::driverPort;
constexpr int none = TransferController::noPort;

TEST(KeyEditCommands, EnablingFollowsTextModeAndPort) {
    struct Row {
        const char* text;
        bool ascii;
        int port;
        // Clear, ASCII mode, scan mode, Caps, delay, separator, shift level, ASCII code,
        // display mode, scan code.
        const char* enabled;
    };
    for (const Row& row : {
             Row{"", true, usb, "0011111110"},
             Row{"a", true, usb, "1011110110"},
             Row{"a", true, none, "1011110110"},
             Row{"", false, usb, "0100110001"},
             Row{"[A]", false, driver, "1100110001"},
             Row{"[A]", false, none, "1110110001"}, // no keyboard yet: scan mode always
             Row{"[A]", false, 3, "1110110001"},
         }) {
        std::string enabled;
        for (int id : KeyEditCommands::allIds())
            enabled += KeyEditCommands::isEnabled(id, row.text, row.ascii, row.port) ? '1' : '0';
        EXPECT_EQ(enabled, row.enabled)
            << '"' << row.text << "\" ascii " << row.ascii << " port " << row.port;
    }
    EXPECT_FALSE(KeyEditCommands::isEnabled(keyboardOutput, "a", true, usb));
    EXPECT_EQ(KeyEditCommands::allIds(),
              (std::array{clearKey, asciiMode, scanMode, capsCode, delayTime, levelSeparator,
                          shiftLevel, asciiCode, displayMode, scanCode}));

    KeyEdit edit;
    edit.select(5, "", true);
    EXPECT_TRUE(edit.commands.isEnabled(shiftLevel, usb));
    edit.commands.run(levelSeparator);
    EXPECT_FALSE(edit.commands.isEnabled(shiftLevel, usb)); // the key has text now
    EXPECT_TRUE(edit.commands.isEnabled(clearKey, usb));
}

struct Insertion {
    const char* name;
    int command;
    std::function<void(ScriptedKeyEditDialogs&)> answer;
    const char* before;
    bool ascii;
    int index;
    int column;
    const char* after;
    int afterIndex;
    int afterColumn;
};

class InsertCommand : public ::testing::TestWithParam<Insertion> {};

TEST_P(InsertCommand, PutsItsTextAtTheCaret) {
    const Insertion& s = GetParam();
    KeyEdit edit;
    edit.select(7, s.before, s.ascii, s.index, s.column);
    if (s.answer)
        s.answer(edit.dialogs);
    EXPECT_EQ(edit.commands.run(s.command), EditRepaint::view);
    EXPECT_EQ(edit.text(), s.after);
    EXPECT_EQ(edit.state.caretIndex, s.afterIndex);
    EXPECT_EQ(edit.state.caretColumn, s.afterColumn);
    EXPECT_TRUE(edit.doc.isModified());
    EXPECT_TRUE(edit.keyChanged());
    EXPECT_EQ(edit.state.keyIsAscii[7], s.ascii);
}

const std::string ninety(90, 'q');
const std::string ninetyWithCaps = ninety + "[Caps]";

INSTANTIATE_TEST_SUITE_P(
    KeyEditCommands, InsertCommand,
    ::testing::Values(Insertion{"Caps", capsCode, nullptr, "ab", true, 1, 1, "a[Caps]b", 7, 7},
                      Insertion{"DelayOneAndAHalfSeconds", delayTime, [](auto& d) { d.delay = 15; },
                                "", true, 0, 0, "[Delay15]", 9, 9},
                      Insertion{"DelayHighest", delayTime, [](auto& d) { d.delay = 100; }, "x",
                                true, 1, 1, "x[Delay100]", 11, 11},
                      Insertion{"DelayLowest", delayTime, [](auto& d) { d.delay = 1; }, "", false,
                                0, 0, "[Delay1]", 8, 8},
                      Insertion{"Separator", levelSeparator, nullptr, "[A]", false, 3, 3,
                                "[A][Separator]", 14, 14},
                      Insertion{"ShiftLevel", shiftLevel, [](auto& d) { d.level = 9; }, "", true, 0,
                                0, "[ShiftLevel9]", 13, 13},
                      Insertion{"AsciiCodeIsOneCharacter", asciiCode, [](auto& d) { d.code = 65; },
                                "xy", true, 1, 1, "xAy", 2, 2},
                      Insertion{"AsciiCodeAbove127", asciiCode, [](auto& d) { d.code = 240; }, "",
                                true, 0, 0, "\xF0", 1, 1},
                      Insertion{"ScanCodeFromTheList", scanCode, [](auto& d) { d.scan = "[F6]"; },
                                "[A]", false, 0, 0, "[F6][A]", 4, 4},
                      Insertion{"ScanCodeTypedIsTakenAsItIs", scanCode,
                                [](auto& d) { d.scan = "[Nope"; }, "", false, 0, 0, "[Nope", 5, 5},
                      Insertion{"EmptyScanCodeOnlyMarksTheKey", scanCode,
                                [](auto& d) { d.scan = ""; }, "[A]", false, 3, 3, "[A]", 3, 3},
                      Insertion{"ColumnStopsAt85", capsCode, nullptr, ninety.c_str(), true, 90, 85,
                                ninetyWithCaps.c_str(), 96, 85}),
    [](const auto& info) { return info.param.name; });

TEST(KeyEditCommands, CancelledDialogsChangeNothing) {
    for (int id : {delayTime, shiftLevel, asciiCode, scanCode}) {
        KeyEdit edit;
        edit.select(7, "", id != scanCode);
        EXPECT_EQ(edit.commands.run(id), EditRepaint::nothing) << id;
        EXPECT_EQ(edit.dialogs.asked, 1) << id;
        EXPECT_EQ(edit.text(), "") << id;
        EXPECT_FALSE(edit.doc.isModified()) << id;
        EXPECT_FALSE(edit.keyChanged()) << id;
    }
}

TEST(KeyEditCommands, NoFreeSpaceInsertsNothingButMarksTheKey) {
    KeyEdit edit;
    edit.select(7, "ab", true, 2);
    leaveSpace(edit.doc, 20, 0);
    edit.dialogs.code = 65;
    for (int id : {capsCode, levelSeparator, asciiCode}) {
        edit.doc.setKeyFlags(7, true, true);
        edit.doc.resetBaseline();
        EXPECT_EQ(edit.commands.run(id), EditRepaint::view);
        EXPECT_EQ(edit.text(), "ab") << id;
        EXPECT_EQ(edit.state.caretIndex, 2) << id;
        EXPECT_TRUE(edit.keyChanged()) << id;
        EXPECT_FALSE(edit.doc.isModified()) << id; // nothing went in
    }
    // One byte left is room enough: the space check does not count what is inserted.
    leaveSpace(edit.doc, 20, 1);
    edit.commands.run(capsCode);
    EXPECT_EQ(edit.text(), "ab[Caps]");
    EXPECT_LT(edit.doc.spaceLeft(), 0);
}

TEST(KeyEditCommands, DecimalDisplayInsertionsReturnTheCaretHome) {
    for (int id : {capsCode, delayTime, levelSeparator}) {
        KeyEdit edit;
        edit.select(7, "Ab", true, 1, 4);
        edit.state.caretDisplayIndex = 4;
        edit.state.decimalDisplay = true;
        edit.dialogs.delay = 5;
        edit.commands.run(id);
        EXPECT_EQ(edit.text().substr(0, 2), "A[") << id;
        EXPECT_EQ(edit.text().back(), 'b') << id;
        EXPECT_EQ(edit.state.caretIndex, 0) << id;
        EXPECT_EQ(edit.state.caretColumn, 0) << id;
        EXPECT_EQ(edit.state.caretDisplayIndex, 0) << id;
        EXPECT_TRUE(edit.state.decimalDisplay) << id;
    }
}

TEST(KeyEditCommands, AsciiCodeInDecimalDisplayKeepsTheCaretBeforeIt) {
    struct Row {
        int index, displayIndex; // caret before; the column follows the display index
        const char* after;
    };
    // "Ab" shows as "[65][98]".
    for (const Row& row : {Row{0, 0, "CAb"}, Row{1, 4, "ACb"}, Row{2, 8, "AbC"}}) {
        KeyEdit edit;
        edit.select(7, "Ab", true, row.index, row.displayIndex);
        edit.state.caretDisplayIndex = row.displayIndex;
        edit.state.decimalDisplay = true;
        edit.dialogs.code = 67;
        edit.commands.run(asciiCode);
        EXPECT_EQ(edit.text(), row.after);
        EXPECT_EQ(edit.state.caretIndex, row.index) << row.after;
        EXPECT_EQ(edit.state.caretDisplayIndex, row.displayIndex) << row.after;
        EXPECT_EQ(edit.state.caretColumn, row.displayIndex) << row.after;
        EXPECT_TRUE(edit.keyChanged());
    }
}

TEST(KeyEditCommands, ShiftLevelInDecimalDisplayKeepsBothCaretsTogether) {
    KeyEdit edit;
    edit.select(7, "", true);
    edit.state.decimalDisplay = true;
    edit.dialogs.level = 2;
    edit.commands.run(shiftLevel);
    EXPECT_EQ(edit.text(), "[ShiftLevel2]");
    EXPECT_EQ(edit.state.caretIndex, 13);
    EXPECT_EQ(edit.state.caretDisplayIndex, 13);
    EXPECT_EQ(edit.state.caretColumn, 13);
}

TEST(KeyEditCommands, ClearEmptiesTheKeyAndItsPartnerOnVq5040) {
    for (int model : {2013, 2018}) {
        KeyEdit edit(model);
        edit.doc.setKeyText(121, "x");
        edit.select(160, "x", false, 1);
        edit.doc.resetBaseline();
        edit.state.caretDisplayIndex = 3;
        EXPECT_EQ(edit.commands.run(clearKey), EditRepaint::keyTextLine);
        EXPECT_EQ(edit.text(), "");
        EXPECT_EQ(edit.doc.keyText()[121], model == 2013 ? "" : "x");
        EXPECT_EQ(edit.state.caretIndex + edit.state.caretColumn + edit.state.caretDisplayIndex, 0);
        EXPECT_TRUE(edit.doc.isModified());
        // Its colour and mode stay.
        EXPECT_TRUE(edit.doc.keyBlank()[160]);
        EXPECT_TRUE(edit.doc.keyDefined()[160]);
        EXPECT_FALSE(edit.state.keyIsAscii[160]);
    }
}

TEST(KeyEditCommands, ModeSwitchesEmptyTheTextOfTheOtherMode) {
    struct Row {
        int command;
        bool asciiBefore;
        const char* before;
        const char* after;
    };
    for (const Row& row : {Row{scanMode, true, "ab", ""}, Row{scanMode, false, "[A]", "[A]"},
                           Row{asciiMode, false, "[A]", ""}, Row{asciiMode, true, "ab", "ab"}}) {
        KeyEdit edit;
        edit.select(7, row.before, row.asciiBefore, 2);
        edit.doc.resetBaseline();
        edit.state.decimalDisplay = true;
        EXPECT_EQ(edit.commands.run(row.command), EditRepaint::view);
        EXPECT_EQ(edit.text(), row.after) << row.before;
        EXPECT_EQ(edit.state.keyIsAscii[7], row.command == asciiMode);
        EXPECT_EQ(edit.state.caretIndex, 0);
        EXPECT_EQ(edit.state.caretColumn, 0);
        EXPECT_FALSE(edit.state.decimalDisplay);
        EXPECT_EQ(edit.doc.isModified(), std::string_view(row.before) != row.after);
    }
}

// The encoder fills an empty key 160 from key 121, so emptying 160 empties 121 as well.
TEST(KeyEditCommands, ModeSwitchOnVq5040Key160EmptiesItsPartner) {
    KeyEdit edit;
    edit.doc.setKeyText(121, "ab");
    edit.select(160, "ab", true);
    edit.commands.run(scanMode);
    EXPECT_EQ(edit.doc.keyText()[160], "");
    EXPECT_EQ(edit.doc.keyText()[121], "");
}

TEST(KeyEditCommands, DisplayModeSwitchChecksTheAsciiText) {
    KeyEdit edit;
    edit.select(7, "[Nope]", true, 3);
    EXPECT_EQ(edit.commands.run(displayMode), EditRepaint::nothing);
    EXPECT_EQ(edit.messages.messages, std::vector<std::string>{std::string(wrongAsciiTextMessage)});
    EXPECT_FALSE(edit.state.decimalDisplay);
    EXPECT_EQ(edit.state.caretIndex, 3);

    edit.select(7, "ab[CR]", true, 3);
    edit.state.caretDisplayIndex = 9;
    EXPECT_EQ(edit.commands.run(displayMode), EditRepaint::view);
    EXPECT_TRUE(edit.state.decimalDisplay);
    EXPECT_EQ(edit.state.caretIndex + edit.state.caretColumn + edit.state.caretDisplayIndex, 0);
    edit.commands.run(displayMode);
    EXPECT_FALSE(edit.state.decimalDisplay);
    EXPECT_EQ(edit.messages.messages.size(), 1u);
}

} // namespace
} // namespace vorn
