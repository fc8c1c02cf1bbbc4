// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/RecordedMessages.h"
#include "ui/CDelayTime.h"
#include "ui/CInputASCIICode.h"
#include "ui/CInputSCanCode.h"
#include "ui/CShiftLevel.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

namespace vorn {
namespace {

QStringList labelsOf(const QWidget& dialog) {
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        texts << label->text();
    return texts;
}

QPushButton* button(const QWidget& dialog, const char* name) {
    return dialog.findChild<QPushButton*>(name);
}

// Shows the dialog as the window would and keeps a picture of it for looking at.
void showAndKeep(QDialog& dialog, const char* name) {
    dialog.show();
    QCoreApplication::processEvents();
    dialog.grab().save(QString("/tmp/wt12-%1.png").arg(name));
}

TEST(KeyEditDialogs, SpinDialogsAskWithinTheirRange) {
    struct Row {
        CSpinValueDialog* dialog;
        const char* title;
        QStringList labels;
        int maximum;
        const char* picture;
    };
    CDelayTime delay;
    CShiftLevel level;
    for (const Row& row :
         {Row{&delay, "Put Delay Time", {"Time:", " x 0.1 second"}, 100, "delay"},
          Row{&level, "Put Shift Level Code", {"Level No:", "(1--9)"}, 9, "shift-level"}}) {
        CSpinValueDialog& dialog = *row.dialog;
        EXPECT_EQ(dialog.windowTitle(), row.title);
        EXPECT_EQ(labelsOf(dialog), row.labels);
        EXPECT_EQ(button(dialog, "ok")->text(), "OK");
        EXPECT_EQ(button(dialog, "cancel")->text(), "Cancel");
        showAndKeep(dialog, row.picture);
        // Wide enough for a title bar that shows the title whole beside its buttons.
        QFont bold = dialog.font();
        bold.setBold(true);
        EXPECT_GT(dialog.width(), QFontMetrics(bold).horizontalAdvance(row.title) + 100);
        QSpinBox* spin = dialog.spinBox();
        EXPECT_EQ(dialog.value(), 1);
        QTest::keyClick(spin, Qt::Key_Down); // stays at the lowest
        EXPECT_EQ(dialog.value(), 1);
        QTest::keyClick(spin, Qt::Key_Up);
        EXPECT_EQ(dialog.value(), 2);
        spin->setValue(row.maximum);
        QTest::keyClick(spin, Qt::Key_Up);
        EXPECT_EQ(dialog.value(), row.maximum);
        // A number typed into the box counts when the dialog closes.
        spin->findChild<QLineEdit*>()->setText("7");
        button(dialog, "ok")->click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.value(), 7);
    }
}

TEST(KeyEditDialogs, AsciiCodeRefusals) {
    struct Row {
        const char* text;
        const char* refusal; // empty: accepted
    };
    const char* byteRange = "Enter an integer between 0 and 255.";
    const char* codeRange = "Enter an integer between 1 and 240.";
    for (const Row& row :
         {Row{"65", ""}, Row{"1", ""}, Row{"240", ""}, Row{" 32 ", ""}, Row{"0", codeRange},
          Row{"241", codeRange}, Row{"255", codeRange}, Row{"256", byteRange}, Row{"-1", byteRange},
          Row{"", byteRange}, Row{"6 5", byteRange}, Row{"A", byteRange}, Row{"+5", byteRange},
          Row{"99999999999", byteRange}}) {
        EXPECT_EQ(CInputASCIICode::refusal(row.text).value_or(""), row.refusal) << row.text;
    }
}

TEST(KeyEditDialogs, AsciiCodeOkStaysOpenUntilTheCodeIsGood) {
    test::RecordedMessages messages;
    CInputASCIICode dialog(messages);
    EXPECT_EQ(dialog.windowTitle(), "Input ASCII Code");
    EXPECT_EQ(labelsOf(dialog), (QStringList{"ASCII code:", "(1--240)"}));
    EXPECT_EQ(dialog.codeBox()->text(), "32");
    showAndKeep(dialog, "ascii-code");

    QLineEdit* box = dialog.codeBox();
    for (const char* refused : {"0", "x"}) {
        button(dialog, "cancel")->setFocus();
        box->setText(refused);
        button(dialog, "ok")->click();
        EXPECT_TRUE(dialog.isVisible()) << refused;
        EXPECT_EQ(dialog.focusWidget(), box) << refused;
        EXPECT_EQ(box->selectedText(), refused);
    }
    EXPECT_EQ(messages.messages, (std::vector<std::string>{"Enter an integer between 1 and 240.",
                                                           "Enter an integer between 0 and 255."}));
    box->setText("65");
    button(dialog, "ok")->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.value(), 65);
    EXPECT_EQ(messages.messages.size(), 2u);
}

// The scan-code list, entry by entry.
QStringList scanCodeChoices() {
    QStringList choices =
        QString("[F1] [F2] [F3] [F4] [F5] [F6] [F7] [F8] [F9] [F10] [F11] [F12] "
                "[ESC] [Backspace] [Tab] [CapsLock] [Enter] [Shift] [RightShift] [Ctrl] "
                "[RightCtrl] [Alt] [RightAlt] [Space] [Insert] [Delete] [Home] [End] [PageUp] "
                "[PageDown] [ArrowUp] [ArrowLeft] [ArrowRight] [ArrowDown] [NumLock] [ScrollLk] "
                "[PrintScreen] [PauseBreak] [Win] [RightWin] [Menu] [Ctrl+PauseBreak] "
                "[Ctrl+PrintScreen] [Alt+PrintScreen] [PAD0] [PAD1] [PAD2] [PAD3] [PAD4] [PAD5] "
                "[PAD6] [PAD7] [PAD8] [PAD9] [PAD+] [PAD-] [PAD*] [PAD/] [PAD.] [PADEnter]")
            .split(' ');
    choices << ""; // one empty entry between the keys and the system and media words
    choices << QString("[SystemPower] [SystemSleep] [SystemWake] [Stop] [PlayPause] [Mute] "
                       "[VolumeUp] [VolumeDown] [MediaSelect] [Mail] [Calculator] [MyComputer] "
                       "[WWWSearch] [WWWHome] [WWWBack] [WWWForward] [WWWStop] [WWWRefresh] "
                       "[WWWFavorites]")
                   .split(' ');
    return choices;
}

TEST(KeyEditDialogs, ScanCodeListInOrderStartingAtF6) {
    CInputSCanCode dialog;
    EXPECT_EQ(dialog.windowTitle(), "Input Scan Code");
    EXPECT_EQ(labelsOf(dialog), QStringList{"Scan Code:"});
    QComboBox* list = dialog.list();
    EXPECT_TRUE(list->isEditable());
    const QStringList choices = scanCodeChoices();
    ASSERT_EQ(choices.size(), 80);
    ASSERT_EQ(list->count(), choices.size());
    for (int i = 0; i < list->count(); ++i) {
        EXPECT_EQ(list->itemText(i), choices[i]) << i;
        EXPECT_EQ(QString::fromLatin1(CInputSCanCode::choices()[i]), choices[i]) << i;
    }
    EXPECT_EQ(dialog.value(), "[F6]");
    showAndKeep(dialog, "scan-code");

    list->setCurrentIndex(60);
    EXPECT_EQ(dialog.value(), "");
    list->setEditText("[Bogus");
    button(dialog, "ok")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.value(), "[Bogus");
    EXPECT_EQ(list->count(), 80); // typing adds no entry
}

} // namespace
} // namespace vorn
