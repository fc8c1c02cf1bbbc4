// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/SettingsStore.h"
#include "document/VornDoc.h"
#include "editor/EditingState.h"
#include "editor/PropertyCommands.h"
#include "image/SettingsBits.h"
#include "support/RecordedMessages.h"
#include "support/TestFolder.h"
#include "ui/CMREdit.h"
#include "ui/CProperty.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace vorn {
namespace {

template <typename W> W* child(const QWidget& parent, const char* name) {
    W* w = parent.findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
}

QStringList texts(const QWidget& parent) {
    QStringList all;
    for (const QLabel* label : parent.findChildren<QLabel*>())
        all << label->text();
    for (const QGroupBox* group : parent.findChildren<QGroupBox*>())
        all << group->title();
    return all;
}

QStringList items(const QComboBox& list) {
    QStringList all;
    for (int i = 0; i < list.count(); ++i)
        all << list.itemText(i);
    return all;
}

// Top to bottom on the dialog, as laid out.
int top(const QWidget& w) {
    return w.mapTo(w.window(), QPoint(0, 0)).y();
}

// With VORN_SCREENSHOT_DIR set, the dialog's picture goes there as NAME.png.
void saveScreenshot(QWidget& dialog, const char* name) {
    const QByteArray dir = qgetenv("VORN_SCREENSHOT_DIR");
    if (dir.isEmpty())
        return;
    dialog.show();
    EXPECT_TRUE(dialog.grab().save(QString::fromUtf8(dir) + "/" + name + ".png"));
}

// Runs `act` on the next modal dialog once it is shown.
// Sets bits of one image byte, as a template on disk may hold them.
void setImageBits(CVornDoc& doc, std::size_t offset, std::uint8_t bits) {
    TemplateImage image = doc.image();
    image[offset] |= bits;
    doc.replaceImageBytes(image);
}

void onNextDialog(std::function<void(QDialog&)> act) {
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog)
            act(*dialog);
        else
            onNextDialog(act);
    });
}

TEST(CPropertyDialog, ShowsTheControlsWithTheirTexts) {
    KeyboardProperties p =
        KeyboardProperties::load(newTemplateImage(2017), ModelGroup::serialPort, -1);
    CProperty dialog(p);
    EXPECT_EQ(dialog.windowTitle(), "Config KB properties");
    const std::pair<const char*, const char*> boxes[] = {
        {"oposJpos", "OPOS/JPOS"},
        {"sendBreakCode", "Send break-code for scan code mode key"},
        {"beepOnKey", "Enable beeping when a key typed"},
        {"noBeepUndefined", "No beeping if a key is not defined"},
        {"translateSet2", "Translate scan code set#2 for PC/AT"},
        {"altNumber", "Use <Alt>+number key to make ASCII code"},
        {"typematicScan", "Enable typematic for scan code"},
        {"typematicAscii", "Enable typematic for ASCII code"},
        {"usePort", "Use port"},
    };
    dialog.show(); // lays the controls out
    int previous = -1;
    for (const auto& [name, text] : boxes) {
        const QCheckBox* box = child<QCheckBox>(dialog, name);
        EXPECT_EQ(box->text(), text);
        EXPECT_GT(top(*box), previous) << name; // in this order from top to bottom
        if (std::string_view(name) != "typematicAscii")
            previous = top(*box);
        else
            previous = -1; // the RS232 group stands beside the features
    }
    for (const char* text : {"Config", "Keyboard features", "Inter-character delay(mS)",
                             "RS232 port", "Baud rate:", "Parity check:", "Bit number:"})
        EXPECT_TRUE(texts(dialog).contains(text)) << text;
    EXPECT_EQ(items(*child<QComboBox>(dialog, "baudRate")),
              QStringList({"2400", "4800", "9600", "19200"}));
    EXPECT_EQ(items(*child<QComboBox>(dialog, "parity")), QStringList({"NONE", "EVEN", "ODD"}));
    EXPECT_EQ(items(*child<QComboBox>(dialog, "bitNumber")), QStringList({"7 Bits", "8 Bits"}));
    const QSpinBox* delay = child<QSpinBox>(dialog, "interCharDelay");
    EXPECT_EQ(delay->minimum(), 1);
    EXPECT_EQ(delay->maximum(), 250);
    EXPECT_EQ(delay->value(), 2);
    saveScreenshot(dialog, "wt11-kb-properties-serial");
}

TEST(CPropertyDialog, GivesBackWhatItShowsAndWhatTheUserChanged) {
    KeyboardProperties p;
    p.sendBreakCode = p.noBeepUndefined = p.typematicAscii = p.oposJpos = true;
    p.baudIndex = 3;
    p.parityIndex = 2;
    p.bitsIndex = 1;
    p.showSerial = true;
    p.interCharDelay = 99;
    CProperty dialog(p);
    EXPECT_EQ(dialog.properties(), p);

    child<QCheckBox>(dialog, "beepOnKey")->setChecked(true);
    child<QCheckBox>(dialog, "usePort")->setChecked(true);
    child<QComboBox>(dialog, "baudRate")->setCurrentIndex(0);
    child<QSpinBox>(dialog, "interCharDelay")->setValue(300); // the spin keeps to 250
    p.beepOnKey = p.usePort = true;
    p.baudIndex = 0;
    p.interCharDelay = 250;
    EXPECT_EQ(dialog.properties(), p);
}

TEST(CPropertyDialog, HidesTheSerialGroupUnlessShown) {
    for (const bool shown : {false, true}) {
        const int model = shown ? 2019 : 2016;
        const KeyboardProperties p = KeyboardProperties::load(
            newTemplateImage(model), modelGroup(isCardReaderModel(model)), -1);
        ASSERT_EQ(p.showSerial, shown);
        CProperty dialog(p);
        dialog.show();
        const QGroupBox* group = child<QGroupBox>(dialog, "serialGroup");
        EXPECT_EQ(group->isVisible(), shown);
        EXPECT_EQ(group->isEnabled(), shown);
        for (const QWidget* w : group->findChildren<QWidget*>())
            EXPECT_EQ(w->isVisible(), shown);
        if (!shown)
            saveScreenshot(dialog, "wt11-kb-properties-card-reader");
    }
}

TEST(CMREditDialog, ShowsTheControlsWithTheirTexts) {
    test::RecordedMessages messages;
    CMREdit dialog(CardReaderProperties::load(newTemplateImage(2013)), messages);
    EXPECT_EQ(dialog.windowTitle(), "Config MR properties");
    for (const char* text : {"Card Data Prefix:", "Card Data Suffix:", "Track1 Properties",
                             "Track2 Properties", "Track3 Properties"})
        EXPECT_TRUE(texts(dialog).contains(text)) << text;
    EXPECT_EQ(texts(dialog).count("Prefix:"), 3);
    EXPECT_EQ(texts(dialog).count("Field Terminator:"), 3);
    EXPECT_EQ(texts(dialog).count("Suffix:"), 3);
    const std::pair<const char*, const char*> boxes[] = {
        {"beepGoodRead", "Enable beep at good read"},
        {"beepReadError", "Enable 3 beepsat card read error"},
        {"track1Separator", "Enable separator"},
        {"track2Separator", "Enable seperator"},
        {"track3Separator", "Enable seperator"},
    };
    for (const auto& [name, text] : boxes)
        EXPECT_EQ(child<QCheckBox>(dialog, name)->text(), text);
    for (const char* track : {"track1", "track2", "track3"}) {
        const std::string n = track;
        EXPECT_EQ(child<QCheckBox>(dialog, (n + "Lrc").c_str())->text(), "Enable LRC output");
        EXPECT_EQ(child<QCheckBox>(dialog, (n + "Data").c_str())->text(), "Enable data");
        EXPECT_EQ(child<QCheckBox>(dialog, (n + "End").c_str())->text(), "Enable end sentinel");
        EXPECT_EQ(child<QCheckBox>(dialog, (n + "Start").c_str())->text(), "Enable start sentinel");
    }
    EXPECT_EQ(child<QRadioButton>(dialog, "skipTrackWithError")->text(),
              "Skip output of track with error");
    EXPECT_EQ(child<QRadioButton>(dialog, "noDataWithAnyError")->text(),
              "No data output with any error");
    EXPECT_TRUE(child<QRadioButton>(dialog, "skipTrackWithError")->isChecked());
    saveScreenshot(dialog, "wt11-mr-properties");
    child<QRadioButton>(dialog, "noDataWithAnyError")->setChecked(true);
    EXPECT_FALSE(child<QRadioButton>(dialog, "skipTrackWithError")->isChecked());
    EXPECT_EQ(dialog.properties().errorPolicy, noDataWithAnyError);
}

TEST(CMREditDialog, EditsTakeNoMoreCharactersThanTheirFields) {
    test::RecordedMessages messages;
    TemplateImage image = newTemplateImage(2013);
    image[offsets::track1Terminator] = 0x0D;
    CMREdit dialog(CardReaderProperties::load(image), messages);
    for (const CardEditField& field : cardEditFields()) {
        QLineEdit* edit = dialog.edit(field.edit);
        if (field.edit == CardEdit::track1Terminator)
            continue;
        QTest::keyClicks(edit, "ABCDEFGHIJ");
        EXPECT_EQ(edit->text().size(), static_cast<qsizetype>(field.size)) << field.name;
    }
    // A longer text loaded from the image stays whole, may shrink, but does not grow.
    QLineEdit* terminator = dialog.edit(CardEdit::track1Terminator);
    EXPECT_EQ(terminator->text(), "[CR]");
    QTest::keyClick(terminator, Qt::Key_End);
    QTest::keyClicks(terminator, "x");
    EXPECT_EQ(terminator->text(), "[CR]");
    QTest::keyClick(terminator, Qt::Key_Backspace);
    EXPECT_EQ(terminator->text(), "[CR");
    EXPECT_EQ(dialog.properties().text(CardEdit::track1Prefix), "ABCDEFGH");
    EXPECT_EQ(dialog.properties().text(CardEdit::cardSuffix), "ABCD");
}

TEST(CMREditDialog, LeavingAnEditWarnsAboutItsText) {
    test::RecordedMessages messages;
    CMREdit dialog(CardReaderProperties::load(newTemplateImage(2013)), messages);
    const std::pair<CardEdit, const char*> cases[] = {
        {CardEdit::cardPrefix, "Card data prefix string error!"},
        {CardEdit::cardSuffix, "Card data suffix string error!"},
        {CardEdit::track1Prefix, "Track1 prefix string error!"},
        {CardEdit::track1Suffix, "Track1 suffix string error!"},
        {CardEdit::track1Terminator, "Track1 field terminator error!"},
        {CardEdit::track2Prefix, "Track2 prefix string error!"},
        {CardEdit::track2Suffix, "Track2 suffix string error!"},
        {CardEdit::track2Terminator, "Track2 field terminator error!"},
        {CardEdit::track3Prefix, "Track3 prefix string error!"},
        {CardEdit::track3Suffix, "Track3 suffix string error!"},
        {CardEdit::track3Terminator, "Track3 field terminator error!"},
    };
    for (const auto& [which, message] : cases) {
        QLineEdit* edit = dialog.edit(which);
        edit->setText("[");
        messages.messages.clear();
        dialog.leaveEdit(which);
        EXPECT_EQ(messages.messages, std::vector<std::string>{message});
        edit->setText("");
        messages.messages.clear();
        dialog.leaveEdit(which);
        EXPECT_TRUE(messages.messages.empty()) << message;
    }
}

TEST(CMREditDialog, FocusLeavingAnEditRunsItsCheckOnlyWithinTheDialog) {
    test::RecordedMessages messages;
    CMREdit dialog(CardReaderProperties::load(newTemplateImage(2013)), messages);
    dialog.show();
    QLineEdit* edit = dialog.edit(CardEdit::track1Prefix);
    QTest::keyClicks(edit, "AB[CD");
    QFocusEvent toWindow(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(edit, &toWindow);
    QApplication::processEvents();
    EXPECT_TRUE(messages.messages.empty());

    QFocusEvent byTab(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(edit, &byTab);
    QApplication::processEvents();
    EXPECT_EQ(messages.messages, std::vector<std::string>{"Track1 prefix string error!"});
    EXPECT_EQ(edit->text(), "AB[CD"); // the check only warns

    TemplateImage image = newTemplateImage(2013);
    dialog.properties().store(image);
    const std::uint8_t expected[] = {'A', 'B', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_TRUE(std::equal(std::begin(expected), std::end(expected),
                           image.begin() + offsets::track1Prefix));
}

TEST(CMREditDialog, OkStaysOpenWhileATextIsTooLong) {
    test::RecordedMessages messages;
    TemplateImage image = newTemplateImage(2013);
    image[offsets::track2Terminator] = 0x0D;
    CMREdit dialog(CardReaderProperties::load(image), messages);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    dialog.accept();
    EXPECT_EQ(messages.messages, std::vector<std::string>{"Enter no more than 1 characters."});
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    QLineEdit* terminator = dialog.edit(CardEdit::track2Terminator);
    EXPECT_TRUE(terminator->hasFocus());
    EXPECT_EQ(terminator->selectedText(), "[CR]");

    QTest::keyClicks(terminator, ";"); // replaces the selection
    messages.messages.clear();
    dialog.accept();
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.properties().text(CardEdit::track2Terminator), ";");
}

// OK (Return) stores exactly what the dialog shows: a text its field cannot take keeps the
// dialog open, with the edit's message and the focus in it, and nothing is stored.
TEST(CMREditDialog, OkRefusesATextItsFieldCannotTake) {
    struct Case {
        CardEdit edit;
        const char* text;
        const char* message;
    };
    for (const Case& c : {Case{CardEdit::track2Prefix, "a[Xb", "Track2 prefix string error!"},
                          Case{CardEdit::track1Terminator, "[", "Track1 field terminator error!"},
                          Case{CardEdit::cardPrefix, "[TB", "Card data prefix string error!"}}) {
        test::RecordedMessages messages;
        CMREdit dialog(CardReaderProperties::load(newTemplateImage(2013)), messages);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        QLineEdit* edit = dialog.edit(c.edit);
        edit->setFocus();
        QTest::keyClicks(edit, c.text);
        QTest::keyClick(edit, Qt::Key_Return);
        EXPECT_EQ(messages.messages, std::vector<std::string>{c.message});
        EXPECT_TRUE(dialog.isVisible()) << c.text;
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_TRUE(edit->hasFocus()) << c.text;
        EXPECT_EQ(edit->selectedText(), c.text);

        QTest::keyClicks(edit, "x"); // replaces the selection
        QTest::keyClick(edit, Qt::Key_Return);
        EXPECT_EQ(dialog.result(), QDialog::Accepted) << c.text;
        EXPECT_EQ(dialog.properties().text(c.edit), "x");
    }
}

TEST(CMREditDialog, TextsLeftAloneComeBackByteForByte) {
    test::RecordedMessages messages;
    TemplateImage image = newTemplateImage(2013);
    const std::uint8_t odd[] = {0x00, 0x20, 0x01, 0xB3, 0x0D, '[', 0x7F, 0xFE};
    std::copy(std::begin(odd), std::end(odd), image.begin() + offsets::track1Suffix);
    const CardReaderProperties loaded = CardReaderProperties::load(image);
    CMREdit dialog(loaded, messages);
    EXPECT_EQ(dialog.properties(), loaded);
    TemplateImage stored = image;
    dialog.properties().store(stored);
    EXPECT_EQ(stored, image);
    // What is typed goes back as the bytes of its glyphs.
    dialog.edit(CardEdit::track1Suffix)->setText(QString::fromUtf16(u"é│ ☺"));
    EXPECT_EQ(dialog.properties().text(CardEdit::track1Suffix), "\x82\xB3 \x01");
}

class PropertyCommandsTest : public ::testing::Test {
protected:
    std::unique_ptr<CVornDoc> makeDoc(int model) {
        auto doc = std::make_unique<CVornDoc>(settings, messages,
                                              DocumentPlaces{folder.path(""), {}}, model);
        doc->onNewDocument();
        return doc;
    }

    test::TestFolder folder;
    test::RecordedMessages messages;
    SettingsStore settings;
    EditingState editing;
};

TEST_F(PropertyCommandsTest, EnabledByModelAndNotDuringATransfer) {
    for (int model = 2013; model <= 2019; ++model) {
        const auto doc = makeDoc(model);
        EXPECT_TRUE(keyboardPropertiesEnabled(*doc, false)) << model;
        EXPECT_FALSE(keyboardPropertiesEnabled(*doc, true)) << model;
        EXPECT_EQ(cardReaderPropertiesEnabled(*doc, false), model <= 2016) << model;
        EXPECT_FALSE(cardReaderPropertiesEnabled(*doc, true)) << model;
    }
}

TEST_F(PropertyCommandsTest, KeyboardPropertiesOkStoresMarksModifiedAndPutsTheCaretHome) {
    const auto doc = makeDoc(2014);
    setImageBits(*doc, offsets::optionFlags, 0x20);
    TemplateImage expected = doc->image();
    expected[offsets::optionFlags] &= 0xDF;
    expected[offsets::featureFlags] ^= 0x01; // Alt+number switched on
    editing.caretIndex = editing.caretColumn = editing.caretDisplayIndex = 7;
    onNextDialog([](QDialog& dialog) {
        child<QCheckBox>(dialog, "altNumber")->setChecked(true);
        dialog.accept();
    });
    EXPECT_TRUE(runKeyboardProperties(*doc, editing, 0, nullptr));
    EXPECT_EQ(doc->image(), expected);
    EXPECT_TRUE(doc->isModified());
    EXPECT_EQ(editing.caretIndex, 0);
    EXPECT_EQ(editing.caretColumn, 0);
}

TEST_F(PropertyCommandsTest, KeyboardPropertiesHideThePortAfterAUsbDetection) {
    const auto doc = makeDoc(2018);
    setImageBits(*doc, offsets::featureFlags, 0x10);
    TemplateImage expected = doc->image();
    expected[offsets::featureFlags] &= 0xEF;
    onNextDialog([](QDialog& dialog) {
        EXPECT_FALSE(child<QGroupBox>(dialog, "serialGroup")->isVisible());
        dialog.accept();
    });
    EXPECT_TRUE(runKeyboardProperties(*doc, editing, 5, nullptr));
    EXPECT_EQ(doc->image(), expected);
}

TEST_F(PropertyCommandsTest, CancelChangesNothing) {
    const auto doc = makeDoc(2013);
    setImageBits(*doc, offsets::optionFlags, 0x20);
    doc->resetBaseline();
    const TemplateImage before = doc->image();
    editing.caretIndex = editing.caretColumn = 3;
    onNextDialog([](QDialog& dialog) {
        child<QCheckBox>(dialog, "altNumber")->setChecked(true);
        dialog.reject();
    });
    EXPECT_FALSE(runKeyboardProperties(*doc, editing, -1, nullptr));
    onNextDialog([](QDialog& dialog) {
        child<QCheckBox>(dialog, "beepGoodRead")->setChecked(false);
        dialog.reject();
    });
    EXPECT_FALSE(runCardReaderProperties(*doc, messages, nullptr));
    EXPECT_EQ(doc->image(), before);
    EXPECT_FALSE(doc->isModified());
    EXPECT_EQ(editing.caretIndex, 3);
}

TEST_F(PropertyCommandsTest, CardReaderOkWithABadTextStoresNothing) {
    const auto doc = makeDoc(2013);
    const TemplateImage before = doc->image();
    onNextDialog([](QDialog& dialog) {
        child<QLineEdit>(dialog, "track2Prefix")->setText("a[Xb");
        dialog.accept();
        EXPECT_TRUE(dialog.isVisible());
        dialog.reject();
    });
    EXPECT_FALSE(runCardReaderProperties(*doc, messages, nullptr));
    EXPECT_EQ(doc->image(), before);
    EXPECT_EQ(messages.messages, std::vector<std::string>{"Track2 prefix string error!"});
}

TEST_F(PropertyCommandsTest, CardReaderOkStoresAndMarksModified) {
    const auto doc = makeDoc(2015);
    TemplateImage expected = doc->image();
    expected[offsets::optionFlags] &= 0xBF; // no beep at good read
    expected[offsets::track3Flags] &= 0x7F; // LRC on
    expected[offsets::cardSuffix] = 0x0D;
    onNextDialog([](QDialog& dialog) {
        child<QCheckBox>(dialog, "beepGoodRead")->setChecked(false);
        child<QCheckBox>(dialog, "track3Lrc")->setChecked(true);
        child<QLineEdit>(dialog, "cardSuffix")->setText("[CR]");
        dialog.accept();
    });
    EXPECT_TRUE(runCardReaderProperties(*doc, messages, nullptr));
    EXPECT_EQ(doc->image(), expected);
    EXPECT_TRUE(doc->isModified());
    EXPECT_TRUE(messages.messages.empty());
}

} // namespace
} // namespace vorn
