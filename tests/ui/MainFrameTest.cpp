// SPDX-License-Identifier: GPL-3.0-or-later
#include "MenuLines.h"
#include "editor/CommandTable.h"
#include "editor/KeyWordListText.h"
#include "support/EditorFixture.h"
#include "ui/CAboutDlg.h"
#include "ui/CKeyLabelDlg.h"
#include "ui/CKeyWordTable.h"
#include "ui/CMainFrame.h"
#include "ui/CSelectKeyboard.h"
#include "ui/CTextFileNamePath.h"
#include "ui/CVornView.h"
#include "ui/LegendPrinting.h"
#include "ui/WindowPlacement.h"

#include <QAction>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolTip>
#include <QUrl>
#include <gtest/gtest.h>

namespace vorn::test {
namespace {

struct FrameFixture : SessionFixture {
    CMainFrame frame{*session, messages};

    FrameFixture() {
        std::string error;
        EXPECT_TRUE(frame.view()->connectKeyboard(
            KeyboardChoice{.simulatorMemoryFiles = {folder.path("kb.mem")}}, error));
        session->setInitialUpdateHook([this] { frame.view()->detectKeyboard(); });
        session->start(std::nullopt, std::nullopt);
    }
};

// The title as the window manager shows it.
QString shownTitle(const QWidget& window) {
    QString title = window.windowTitle();
    return title.replace("[*]", window.isWindowModified() ? "*" : "");
}

TEST(MainFrame, MenusAsTheUserSeesThem) {
    FrameFixture f;
    const QStringList expected = {
        "&Template",
        "  &New\tCtrl+N | Create a new Template | New Template",
        "  &Load...\tCtrl+L | Load from template file | Load Template",
        "  &Save\tCtrl+S | Save to template file | Save Template",
        "  Save &As... | Save the active Template with a new name | Save As",
        "  --",
        "  Load &Default\tCtrl+D | Load default template | Default",
        "  --",
        "  &Import Text Data\tCtrl+I | Import template data from a text file | Import text data",
        "  &Export Text Data\tCtrl+E | Export template data from a text file | Export text data",
        "  --",
        "  Recent &Templates |  | Recent Templates (disabled)",
        "  --",
        "  &Print Legends...\tCtrl+P | Print the key caps with their labels at true size | Print "
        "Legends",
        "  Export Legends as &PDF... | Save the key caps with their labels at true size as a PDF "
        "file | Export Legends as PDF",
        "  --",
        "  E&xit | Quit the application; prompts to save documents | Exit",
        "Key&board",
        "  VQ2710 | Select VQ2710 keyboard | VQ2710",
        "  VQ2930 | Select VQ2930 keyboard | VQ2930",
        "  VQ5040 | Select VQ5040 keyboard | VQ5040",
        "  TR4060 | Select TR4060 keyboard | TR4060",
        "  TR6080 | Select TR6080 keyboard | TR6080",
        "  TR3050 | Select TR3050 Keyboard | TR3050",
        "  TR3570 | Select TR3570 Keyboard | TR3570",
        "&Key Edit",
        "  &Clear Current Key | Clear current key content | Clear Key (disabled)",
        "  Set &ASCII Mode | Set key to ASCII code mode | ASCII code mode (disabled)",
        "  Set &ScanCode Mode | Set key to scan code mode | Scan code mode",
        "  Insert &Caps Code | Insert a Caps function code | Insert caps code",
        "  Insert &Delay Time | Insert inter-string delay time function code | Insert Delay time",
        "  Enter &Level Separator | Enter level-separator function code | Enter Level separator",
        "  Enter &Shift Level code | Enter multi-level function code | Multi-level code",
        "  &Enter ASCII Code | Enter ASCII code as decimal | Enter ASCII code",
        "  Switch ASCII Display mode | Switch ASCII display mode | Display mode",
        "  Select Scan Code | Enter scan code from list | Enter Scan code (disabled)",
        "  --",
        "  &Undo\tCtrl+Z | Undo the last change | Undo (disabled)",
        "  &Redo\tCtrl+Y | Redo the last undone change | Redo (disabled)",
        "  --",
        "  Key &Label... | Write the label printed on the selected key's cap | Key Label",
        "&Configuration",
        "  &Read From KB | Read data from keyboard | Read data",
        "  &Write Into KB | Write data into keyboard | Write data",
        "  Config &KB Properties | Config KB properties | Config KB",
        "  Config &MR properties | Config MR properties | Config MR",
        "  --",
        "  &Verify After Write | Read the keyboard back after every write and compare it with "
        "what was written | Verify After Write",
        "T&esting",
        "  Keyboard Output |  | Keyboard Output",
        "&View",
        "  &Toolbar | Show or hide the toolbar | Toggle ToolBar",
        "  &Status Bar | Show or hide the status bar | Toggle StatusBar",
        "  --",
        "  Zoom &In\tCtrl++ | Draw the keyboard larger | Zoom In",
        "  Zoom &Out\tCtrl+- | Draw the keyboard smaller | Zoom Out",
        "  &Actual Size\tCtrl+0 | Draw the keyboard at its actual size | Actual Size",
        "  &Fit to Window | Draw the keyboard as large as the window allows | Fit to Window",
        "  --",
        "  Show &Labels | Draw each key's label on its cap in place of the caption | Show Labels",
        "&Help",
        "  &About Vorn... | Display program information, version number and copyright | About",
        "  Key Word &List | Special Function Key Word Table | Key Word",
    };
    EXPECT_EQ(menuTexts(*f.frame.menuBar(), MenuDetail::textsAndState).join('\n').toStdString(),
              expected.join('\n').toStdString());
}

// The shortcut a menu item names after its TAB is the one that triggers it.
TEST(MainFrame, MenuShortcutsAreBound) {
    FrameFixture f;
    for (QAction* action : f.frame.findChildren<QAction*>()) {
        const QString text = action->text();
        if (text.contains('\t')) {
            EXPECT_EQ(action->shortcut(), QKeySequence(text.section('\t', 1)))
                << text.toStdString();
        }
    }
}

TEST(MainFrame, ToolbarButtonsInOrder) {
    FrameFixture f;
    QStringList buttons;
    for (QAction* action : f.frame.toolBar()->actions())
        buttons << (action->isSeparator() ? "|" : action->toolTip());
    EXPECT_EQ(buttons.join(", "),
              "New Template, Load Template, Save Template, |, Config KB, Config MR, |, Read data, "
              "Write data, |, Clear Key, ASCII code mode, Scan code mode, |, Insert caps code, "
              "Insert Delay time, Enter Level separator, Multi-level code, |, Enter Scan code, "
              "Enter ASCII code, Display mode");
    for (QAction* action : f.frame.toolBar()->actions())
        if (!action->isSeparator()) {
            EXPECT_FALSE(action->icon().isNull()) << action->toolTip().toStdString();
        }
}

TEST(MainFrame, StatusBarAndTitle) {
    FrameFixture f;
    QStringList labels;
    for (QLabel* label : f.frame.statusBar()->findChildren<QLabel*>())
        labels << label->text();
    EXPECT_EQ(labels, QStringList({"Ready", "CAP", "NUM", "SCRL"}));
    EXPECT_EQ(shownTitle(f.frame), "Untitled - Orvane  Programmable Keyboard");
    EXPECT_EQ(f.frame.view()->transferStatus().portName, "USB"); // the simulated keyboard
}

TEST(MainFrame, KeyboardMenuChecksTheCurrentModelOnly) {
    FrameFixture f;
    const auto checked = [&] {
        QStringList names;
        for (QAction* item : f.frame.menuBar()->actions()[1]->menu()->actions())
            if (item->isChecked())
                names << item->text();
        return names;
    };
    EXPECT_EQ(checked(), QStringList({"VQ5040"}));
    f.dialogs.confirmModel = true;
    f.frame.action(32823)->trigger();
    EXPECT_EQ(checked(), QStringList({"TR4060"}));
    EXPECT_EQ(shownTitle(f.frame), "Template : TR4060 - Orvane  Programmable Keyboard");
    EXPECT_FALSE(f.frame.action(32810)->isEnabled()); // no card reader on this model
    f.dialogs.confirmModel = false;
    f.frame.action(32826)->trigger();
    EXPECT_EQ(checked(), QStringList({"TR4060"}));
}

// The title marks a template whose content changed, and only such a one.
TEST(MainFrame, TitleMarksAChangedTemplate) {
    FrameFixture f;
    const QString title = "Untitled - Orvane  Programmable Keyboard";
    QWidget& view = *f.frame.view();
    for (const Qt::Key key : {Qt::Key_Control, Qt::Key_Shift, Qt::Key_Right, Qt::Key_Escape})
        QTest::keyClick(&view, key);
    EXPECT_EQ(shownTitle(f.frame), title);
    QTest::keyClick(&view, Qt::Key_A);
    EXPECT_EQ(shownTitle(f.frame), "Untitled* - Orvane  Programmable Keyboard");
    QTest::keyClick(&view, Qt::Key_Backspace);
    EXPECT_EQ(shownTitle(f.frame), title);
    f.frame.action(commandIds::capsCode)->trigger();
    EXPECT_TRUE(f.frame.isWindowModified());
    f.dialogs.savePath = f.folder.path("shop.tpl");
    f.frame.action(commandIds::saveTemplate)->trigger();
    EXPECT_EQ(shownTitle(f.frame), "shop.tpl - Orvane  Programmable Keyboard");
    QTest::keyClick(&view, Qt::Key_B);
    EXPECT_TRUE(f.frame.isWindowModified());
    f.frame.action(commandIds::saveTemplate)->trigger(); // to its file, without a dialog
    EXPECT_FALSE(f.frame.isWindowModified());

    // The card reader's settings are the template's too.
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QLineEdit*>("cardSuffix")->setText("x");
        dialog->accept();
    });
    f.frame.action(commandIds::configMr)->trigger();
    EXPECT_EQ(shownTitle(f.frame), "shop.tpl* - Orvane  Programmable Keyboard");
    EXPECT_TRUE(f.messages.questions.empty());
}

// Undo and Redo through the window: typing, a property dialog's OK, the menu's prompts.
TEST(MainFrame, UndoRedoAndTheClipboard) {
    FrameFixture f;
    f.frame.show();
    QApplication::setActiveWindow(&f.frame);
    QWidget& view = *f.frame.view();
    view.setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.frame));
    QAction& undo = *f.frame.action(commandIds::undo);
    QAction& redo = *f.frame.action(commandIds::redo);
    const int key = f.session->editing().selectedKey;
    const std::string caption = f.session->doc().keyLabel()[0];
    QTest::keyClick(&view, Qt::Key_A);
    QTest::keyClick(&view, Qt::Key_B);
    EXPECT_TRUE(undo.isEnabled());
    EXPECT_EQ(undo.statusTip().toStdString(), "Undo the last change: Typing in " + caption);
    QTest::keySequence(&view, QKeySequence("Ctrl+Z"));
    EXPECT_EQ(f.session->doc().keyText()[key], "");
    EXPECT_FALSE(f.frame.isWindowModified());
    EXPECT_FALSE(undo.isEnabled());
    EXPECT_EQ(redo.statusTip().toStdString(), "Redo: Typing in " + caption);
    QTest::keySequence(&view, QKeySequence("Ctrl+Y"));
    EXPECT_EQ(f.session->doc().keyText()[key], "ab");

    // Copy this key, paste into the next one.
    QTest::keySequence(&view, QKeySequence("Ctrl+C"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "ab");
    QTest::keyClick(&view, Qt::Key_Down);
    const int next = f.session->editing().selectedKey;
    ASSERT_NE(next, key);
    QTest::keySequence(&view, QKeySequence("Ctrl+V"));
    EXPECT_EQ(f.session->doc().keyText()[next], "ab");
    QTest::keySequence(&view, QKeySequence("Ctrl+X"));
    EXPECT_EQ(f.session->doc().keyText()[next], "");
    EXPECT_EQ(undo.statusTip(), "Undo the last change: Cut");
    QTest::keySequence(&view, QKeySequence("Ctrl+Z"));
    EXPECT_EQ(f.session->doc().keyText()[next], "ab");

    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QLineEdit*>("cardSuffix")->setText("x");
        dialog->accept();
    });
    const TemplateImage before = f.session->doc().image();
    f.frame.action(commandIds::configMr)->trigger();
    EXPECT_NE(f.session->doc().image(), before);
    EXPECT_EQ(undo.statusTip(), "Undo the last change: Config MR properties");
    undo.trigger();
    EXPECT_EQ(f.session->doc().image(), before);
}

// A template dropped on the window loads as Load does.
TEST(MainFrame, ADroppedTemplateLoads) {
    FrameFixture f;
    f.frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f.frame));
    CVornDoc other(f.settings, f.messages);
    other.onNewDocument();
    other.setKeyText(7, "dropped");
    ASSERT_EQ(other.onSaveDocument(f.folder.path("drop.tpl")), FileResult::done);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(f.folder.path("drop.tpl")))});
    const QPoint at(50, 50);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&f.frame, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&f.frame, &drop);
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.session->path() == f.folder.path("drop.tpl"); }));
    EXPECT_EQ(f.session->doc().keyText()[7], "dropped");
    EXPECT_EQ(shownTitle(f.frame), "drop.tpl - Orvane  Programmable Keyboard");
}

// A right click selects the key under it and opens the key's menu.
TEST(MainFrame, RightClickOpensTheKeyMenu) {
    FrameFixture f;
    f.frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f.frame));
    const auto [x, y] = f.session->doc().layout().slotPos()[3];
    const double scale = f.frame.view()->scale();
    QTest::mouseClick(f.frame.view(), Qt::RightButton, {}, QPoint(x + 5, y + 5) * scale);
    EXPECT_EQ(f.session->editing().selectedSlot, 3);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QStringList items;
    for (QAction* action : menu->actions())
        items << action->text();
    EXPECT_EQ(items.join(", "), "&Copy\tCtrl+C, Cu&t\tCtrl+X, &Paste\tCtrl+V, &Clear Current Key, "
                                "&Undo\tCtrl+Z, , Key &Label...");
    menu->close();
}

// Clicks find the key under them at every scale; Fit to Window follows the window's size.
TEST(MainFrame, ZoomKeepsClicksOnTheirKeys) {
    FrameFixture f;
    f.frame.resize(1600, 1000);
    f.frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f.frame));
    CVornView& view = *f.frame.view();
    EXPECT_TRUE(f.frame.action(commandIds::fitToWindow)->isChecked());
    EXPECT_GT(view.scale(), 1.5);
    const KeyLayout& layout = f.session->doc().layout();
    for (const int percent : {50, 100, 250}) {
        view.setZoomPercent(percent);
        QCoreApplication::processEvents();
        ASSERT_DOUBLE_EQ(view.scale(), percent / 100.0);
        for (const int slot : {0, 17, layout.keyCount() - 1}) {
            const auto [x, y] = layout.slotPos()[slot];
            const auto [w, h] = layout.slotSize()[slot];
            // Just inside the cap's far corner.
            const QPointF inside(x + w - 1.5, y + h - 1.5);
            QTest::mouseClick(&view, Qt::LeftButton, {}, (inside * view.scale()).toPoint());
            EXPECT_EQ(f.session->editing().selectedSlot, slot) << percent << "% slot " << slot;
        }
    }
    f.frame.action(commandIds::zoomIn)->trigger();
    EXPECT_DOUBLE_EQ(view.scale(), 3.0);
    EXPECT_FALSE(f.frame.action(commandIds::fitToWindow)->isChecked());
    f.frame.action(commandIds::actualSize)->trigger();
    EXPECT_DOUBLE_EQ(view.scale(), 1.0);
    f.frame.action(commandIds::fitToWindow)->trigger();
    EXPECT_GT(view.scale(), 1.5);
    EXPECT_EQ(f.settings.readInt("View", "FitToWindow", 0), 1); // remembered
}

TEST(MainFrame, FirstPlaceFitsTheScreenCentred) {
    using windowPlacement::firstGeometry;
    EXPECT_EQ(firstGeometry(QRect(0, 0, 1600, 1000), QSize(750, 500)), QRect(200, 125, 1200, 750));
    EXPECT_EQ(firstGeometry(QRect(0, 30, 800, 570), QSize(900, 500)), QRect(0, 65, 800, 500));
    EXPECT_EQ(firstGeometry(QRect(1920, 0, 1024, 768), QSize(1000, 700)),
              QRect(1932, 34, 1000, 700));
}

// The window comes back where it was closed; the template's settings stay apart from it.
TEST(MainFrame, RemembersItsPlace) {
    FrameFixture f;
    f.frame.showInPlace(f.settings);
    f.frame.showNormal();
    f.frame.setGeometry(40, 50, 900, 700);
    ASSERT_TRUE(f.frame.close());
    EXPECT_FALSE(f.settings.readBytes("MainWindow", "geometry").empty());
    EXPECT_EQ(f.settings.readInt("QenKeyboard", "Zemlat", 0), 0);

    CMainFrame again(*f.session, f.messages);
    again.showInPlace(f.settings);
    EXPECT_EQ(again.geometry(), QRect(40, 50, 900, 700));
    EXPECT_FALSE(again.isMaximized());
}

// The shortcuts the menus show work; the consumed ones do nothing and reach no view.
TEST(MainFrame, Shortcuts) {
    FrameFixture f;
    f.frame.show();
    QApplication::setActiveWindow(&f.frame);
    f.frame.view()->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.frame));
    const struct {
        int id;
        QKeySequence keys;
    } bound[] = {{57600, QKeySequence("Ctrl+N")},    {57601, QKeySequence("Ctrl+O")},
                 {57601, QKeySequence("Ctrl+L")},    {57603, QKeySequence("Ctrl+S")},
                 {32795, QKeySequence("Ctrl+D")},    {32774, QKeySequence("Ctrl+I")},
                 {32798, QKeySequence("Ctrl+E")},    {33102, QKeySequence("Ctrl+C")},
                 {33102, QKeySequence("Ctrl+Ins")},  {33103, QKeySequence("Ctrl+X")},
                 {33103, QKeySequence("Shift+Del")}, {33104, QKeySequence("Ctrl+V")},
                 {33104, QKeySequence("Shift+Ins")}};
    for (const auto& b : bound) {
        QSignalSpy spy(f.frame.action(b.id), &QAction::triggered);
        f.frame.action(b.id)->setEnabled(true);
        // Keep the command from doing its work: only whether it fires matters here.
        f.frame.action(b.id)->blockSignals(false);
        QTest::keySequence(f.frame.view(), b.keys);
        EXPECT_EQ(spy.count(), 1) << b.keys.toString().toStdString();
    }
    int consumed = 0;
    for (QAction* action : f.frame.actions())
        if (action->objectName() == "consumed") {
            QSignalSpy spy(action, &QAction::triggered);
            QTest::keySequence(f.frame.view(), action->shortcut());
            EXPECT_EQ(spy.count(), 1) << action->shortcut().toString().toStdString();
            ++consumed;
        }
    EXPECT_EQ(consumed, 2);
}

TEST(Dialogs, TextsOfTheSmallDialogs) {
    CAboutDlg about;
    EXPECT_EQ(about.windowTitle(), "About Vorn");
    QStringList aboutTexts;
    for (QLabel* label : about.findChildren<QLabel*>())
        aboutTexts << label->text();
    EXPECT_TRUE(aboutTexts.contains("Keyboard Editor Version 1.2.0.3"));
    EXPECT_EQ(about.findChildren<QPushButton*>().front()->text(), "OK");

    CSelectKeyboard select;
    QStringList selectTexts;
    for (QLabel* label : select.findChildren<QLabel*>())
        selectTexts << label->text();
    EXPECT_EQ(selectTexts, QStringList({"Are you sure to select another keyboard?",
                                        "This will clear the active template data !!!"}));
    QTimer::singleShot(0, &select, [&] { QTest::keyClick(&select, Qt::Key_Escape); });
    EXPECT_EQ(select.exec(), QDialog::Rejected); // Esc answers No

    for (const bool exporting : {false, true}) {
        CTextFileNamePath dialog(exporting);
        EXPECT_EQ(dialog.windowTitle(), "Text File Template Import/Export");
        // An import opens an existing file; an export may name a new one.
        EXPECT_EQ(dialog.fileMode(), exporting ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        EXPECT_EQ(dialog.acceptMode(),
                  exporting ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        EXPECT_EQ(dialog.nameFilters(), QStringList({"Text file template(*.txt)"}));
        EXPECT_EQ(dialog.labelText(QFileDialog::Accept), exporting ? "Export" : "Import");
    }
}

TEST(Dialogs, KeyWordList) {
    const std::string text = keyWordListText();
    EXPECT_TRUE(text.starts_with(" Symbol:\t\tFunction Key's Name\n " + std::string(41, '=') +
                                 "\n [F1]\t\t\tFunction key <F1>\n"));
    for (const char* line :
         {"\n [Ctrl+PrintScreen]\tFunction key <Ctrl>+<Print Screen>\n",
          "\n\n [ESC]\t\t\tFunction key <Esc>\n", "\n [PADEnter]\t\tnumber key <Enter> in keypad\n",
          "\n [WWWFavorites]\t\tWWW Favorites\n",
          "\n [0F0]\t\t\tscan code used for generating break codes\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
    EXPECT_TRUE(text.ends_with(
        "\n\n Note:\tNormal alpha-numeric characters and symbols are represented in scan code as\n"
        "\tthe character itself enclosed in square brackets.  For example [A] [B] [C]\n"
        "\t[1] [2] [3] [-] [;] [,] [/].\n"));

    CKeyWordTable table;
    EXPECT_EQ(table.windowTitle(), "Special Function Key Word Table");
    EXPECT_TRUE(table.textView()->isReadOnly());
    QString shown = table.textView()->toPlainText();
    if (!shown.endsWith('\n'))
        shown += '\n';
    EXPECT_EQ(shown.toStdString(), text);
}

} // namespace
} // namespace vorn::test

namespace vorn::test {
namespace {

// The Key Edit commands follow the selected key, and run through the view.
TEST(MainFrame, KeyEditCommandsFollowTheSelectedKey) {
    FrameFixture f;
    const int key = f.session->editing().selectedKey;
    EXPECT_FALSE(f.frame.action(commandIds::clearKey)->isEnabled());
    EXPECT_TRUE(f.frame.action(commandIds::shiftLevel)->isEnabled());
    f.frame.action(commandIds::capsCode)->trigger();
    EXPECT_EQ(f.session->doc().keyText()[key], "[Caps]");
    EXPECT_TRUE(f.frame.action(commandIds::clearKey)->isEnabled());
    EXPECT_FALSE(f.frame.action(commandIds::shiftLevel)->isEnabled());
    f.frame.action(commandIds::clearKey)->trigger();
    EXPECT_EQ(f.session->doc().keyText()[key], "");
    EXPECT_FALSE(f.frame.action(commandIds::clearKey)->isEnabled());
}

} // namespace
} // namespace vorn::test

namespace vorn::test {
namespace {

// A double click on a key cap asks for its label; the label is a step; Show Labels is kept.
TEST(MainFrame, KeyLabelDialogAndShowLabels) {
    FrameFixture f;
    f.frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f.frame));
    CVornView& view = *f.frame.view();
    const auto [x, y] = f.session->doc().layout().slotPos()[3];
    const QPoint at = QPoint(x + 5, y + 5) * view.scale();
    f.dialogs.keyLabel = "Tea\npot";
    QTest::mouseClick(&view, Qt::LeftButton, {}, at);
    QTest::mouseDClick(&view, Qt::LeftButton, {}, at);
    const int key = f.session->doc().layout().slotKey()[3];
    EXPECT_EQ(f.dialogs.labelAsked.first, f.session->doc().keyLabel()[3]);
    EXPECT_EQ(f.session->doc().capLabel()[key], "Tea\npot");
    EXPECT_TRUE(f.frame.isWindowModified());
    EXPECT_EQ(f.frame.action(commandIds::undo)->statusTip().toStdString(),
              "Undo the last change: Label of " + f.session->doc().keyLabel()[3]);

    // The tooltip: caption, label, key text.
    f.session->doc().setKeyText(key, "Tea\x81[CR]");
    QHelpEvent help(QEvent::ToolTip, at, view.mapToGlobal(at));
    QApplication::sendEvent(&view, &help);
    EXPECT_EQ(QToolTip::text().toStdString(),
              f.session->doc().keyLabel()[3] + "\nTea\npot\nTea\u00fc[CR]");

    QAction* show = f.frame.action(commandIds::showLabels);
    EXPECT_FALSE(show->isChecked());
    const QImage captions = view.renderScreen();
    show->trigger();
    EXPECT_TRUE(view.showLabels());
    EXPECT_NE(view.renderScreen(), captions);
    EXPECT_EQ(f.settings.readInt("View", "ShowLabels", 0), 1);
}

// The dialog says why a label cannot be kept and cannot be confirmed then.
TEST(MainFrame, KeyLabelDialogRefusesWhatCannotBeKept) {
    CKeyLabelDlg dialog("F1", "Tea");
    EXPECT_EQ(dialog.windowTitle(), "Key Label");
    auto* text = dialog.findChild<QPlainTextEdit*>("label");
    auto* ok = dialog.findChild<QPushButton*>("ok");
    auto* problem = dialog.findChild<QLabel*>("problem");
    EXPECT_EQ(text->toPlainText(), "Tea");
    const std::pair<QString, QString> cases[] = {
        {"Tea\tpot", "This label cannot be kept: a label cannot hold a TAB"},
        {"1\n2\n3\n4", "This label cannot be kept: a label has at most 3 lines"},
        {"Käse\n\n", ""},
    };
    for (const auto& [typed, why] : cases) {
        text->setPlainText(typed);
        EXPECT_EQ(problem->text(), why) << typed.toStdString();
        EXPECT_EQ(ok->isEnabled(), why.isEmpty());
    }
    EXPECT_EQ(dialog.label(), "Käse\n\n");
}

} // namespace
} // namespace vorn::test

namespace vorn::test {
namespace {

QString pdfText(const QString& path) {
    QProcess pdftotext;
    pdftotext.start("pdftotext", {path, "-"});
    pdftotext.waitForFinished();
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

// The legend sheet holds the labels as they stand, unsaved ones too; the PDF is named after
// the template; a file that cannot be written is named in a message.
TEST(LegendPrinting, ExportsThePdfAndPrintsThroughThePreview) {
    FrameFixture f;
    LegendPrinting legends(*f.session, f.messages);
    EXPECT_EQ(legends.suggestedPdfPath().toStdString(), f.folder.path("Untitled.pdf"));
    f.session->doc().setCapLabel(f.session->doc().layout().slotKey()[3], "Flat white");
    const std::string tpl = f.folder.path("cafe.tpl");
    f.dialogs.savePath = tpl;
    ASSERT_TRUE(f.session->saveAs());
    EXPECT_EQ(legends.suggestedPdfPath().toStdString(), f.folder.path("cafe.pdf"));

    ASSERT_TRUE(legends.exportPdf(legends.suggestedPdfPath()));
    const QString text = pdfText(legends.suggestedPdfPath());
    EXPECT_TRUE(text.simplified().contains("Flat white")) << text.toStdString();
    EXPECT_TRUE(text.contains("cafe.tpl")) << text.toStdString();

    EXPECT_FALSE(legends.exportPdf(QString::fromStdString(f.folder.path("none/x.pdf"))));
    ASSERT_EQ(f.messages.messages.size(), 1u);
    EXPECT_TRUE(f.messages.messages[0].starts_with("The PDF file: <" + f.folder.path("none/x.pdf") +
                                                   "> can't be written !! "));

    bool previewed = false;
    QTimer::singleShot(0, [&] {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(preview, nullptr);
        previewed = preview->windowTitle() == "Print Legends";
        preview->reject();
    });
    f.frame.action(commandIds::printLegends)->trigger();
    EXPECT_TRUE(previewed);
}

} // namespace
} // namespace vorn::test
