// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/CommandTable.h"
#include "image/KeyTextEncoder.h"
#include "support/EditorFixture.h"
#include "support/PaintCounter.h"
#include "ui/CMainFrame.h"
#include "ui/CVornView.h"

#include <QAction>
#include <QProgressBar>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

namespace vorn::test {
namespace {

using namespace std::chrono_literals;

// The window on a simulated keyboard that answers without waits, its timers ticking fast.
struct WindowFixture : SessionFixture {
    CMainFrame frame{*session, messages};
    std::string memory = folder.path("kb.mem");

    explicit WindowFixture(std::string_view fault = {}) {
        std::string error;
        FaultPlan faults;
        if (!fault.empty()) {
            EXPECT_TRUE(faults.add(fault, error)) << error;
        }
        EXPECT_TRUE(frame.view()->connectKeyboard(KeyboardChoice{.simulatorMemoryFiles = {memory},
                                                                 .simulatedWaits = false,
                                                                 .faults = {faults}},
                                                  error));
        frame.view()->setTickInterval(2ms);
        session->setInitialUpdateHook([this] { frame.view()->detectKeyboard(); });
        session->start(std::nullopt, std::nullopt);
        frame.show();
    }
    // Runs the window until the transfer ends; the number of repaints of the view meanwhile.
    // While it runs, nothing can change the template.
    int runTransfer(int command) {
        int paints = 0;
        PaintCounter counter(paints);
        frame.view()->installEventFilter(&counter);
        frame.action(command)->trigger();
        EXPECT_TRUE(frame.view()->transferActive());
        expectOnlyHarmlessCommands();
        const KeyTexts before = session->doc().keyText();
        QTest::keyClicks(frame.view(), "typed");
        QTest::mouseClick(frame.view(), Qt::LeftButton, {}, QPoint(100, 150)); // slot 1
        EXPECT_EQ(session->doc().keyText(), before);
        EXPECT_EQ(session->editing().selectedSlot, 0);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !frame.view()->transferActive(); }, 20000));
        frame.view()->removeEventFilter(&counter);
        EXPECT_TRUE(frame.action(commandIds::newTemplate)->isEnabled());
        EXPECT_TRUE(frame.action(commandIds::configKb)->isEnabled());
        return paints;
    }
    void expectOnlyHarmlessCommands() {
        using namespace commandIds;
        for (const CommandInfo& command : commandTable()) {
            const bool available = frame.action(command.id)->isEnabled();
            if (changesTemplate(command.id) || command.id == readFromKb ||
                command.id == writeIntoKb) {
                EXPECT_FALSE(available) << command.text;
            }
        }
        for (const int id : {saveTemplate, saveTemplateAs, exportText, keyWordList, about, exitApp})
            EXPECT_TRUE(frame.action(id)->isEnabled()) << id;
    }
};

TEST(WindowTransfer, WriteThenReadGivesTheSavedTemplateBack) {
    WindowFixture f;
    CVornDoc& doc = f.session->doc();
    doc.setKeyText(0, "hello[CR]");
    doc.setKeyText(12, "[F1][Enter]");
    f.dialogs.savePath = f.folder.path("shop.tpl");
    ASSERT_TRUE(f.session->save());

    const int paints = f.runTransfer(commandIds::writeIntoKb);
    EXPECT_GT(paints, 10); // the window kept repainting
    EXPECT_TRUE(f.messages.messages.empty());
    EXPECT_EQ(f.messages.statuses, std::vector<std::string>{"Template written into the keyboard"});
    EXPECT_EQ(TestFolder::read(f.memory), TestFolder::read(f.folder.path("shop.tpl")));
    EXPECT_TRUE(f.frame.action(commandIds::readFromKb)->isEnabled());

    ASSERT_TRUE(f.session->newDocument());
    EXPECT_EQ(doc.keyText()[0], "");
    f.runTransfer(commandIds::readFromKb);
    EXPECT_EQ(doc.keyText()[0], "hello[CR]");
    EXPECT_EQ(doc.keyText()[12], "[F1][Enter]");
    EXPECT_TRUE(doc.keyDefined()[12]);
    EXPECT_TRUE(f.messages.messages.empty());
    EXPECT_EQ(f.messages.statuses.back(), "Template read from the keyboard");
    EXPECT_FALSE(doc.isModified()); // as the keyboard holds it
    EXPECT_FALSE(f.frame.isWindowModified());

    // The whole read is one step.
    QAction& undo = *f.frame.action(commandIds::undo);
    EXPECT_EQ(undo.statusTip(), "Undo the last change: Read From KB");
    undo.trigger();
    EXPECT_EQ(doc.keyText()[0], "");
    EXPECT_TRUE(f.frame.isWindowModified()); // other than what was read
    f.frame.action(commandIds::redo)->trigger();
    EXPECT_EQ(doc.keyText()[12], "[F1][Enter]");
    EXPECT_FALSE(f.frame.isWindowModified());
}

// Verify After Write reads the keyboard back after a write that ended well and compares.
TEST(WindowTransfer, VerifyAfterWrite) {
    for (const bool keepsWrong : {false, true}) {
        WindowFixture f(keepsWrong ? "keep-wrong:5" : "");
        f.frame.action(commandIds::verifyAfterWrite)->trigger();
        EXPECT_TRUE(f.frame.view()->verifyAfterWrite());
        f.session->doc().setKeyText(0, "hello[CR]");
        const KeyTexts texts = f.session->doc().keyText();
        f.runTransfer(commandIds::writeIntoKb);
        // The read back begins after the write's last step and locks the template too.
        ASSERT_TRUE(QTest::qWaitFor([&] { return f.frame.view()->transferActive(); }, 2000));
        EXPECT_TRUE(f.frame.view()->transferReading());
        f.expectOnlyHarmlessCommands();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !f.frame.view()->transferActive(); }, 20000));
        EXPECT_EQ(f.session->doc().keyText(), texts); // the copy was read, not the template
        EXPECT_TRUE(f.session->doc().isModified());
        // The verdict follows the read's own status line.
        QTest::qWait(50);
        if (keepsWrong) {
            EXPECT_EQ(f.messages.messages,
                      std::vector<std::string>{
                          "The keyboard holds other data than was written, first at package 5"});
        } else {
            EXPECT_TRUE(f.messages.messages.empty());
            EXPECT_EQ(f.messages.statuses.back(), "Template written and verified");
        }
        EXPECT_EQ(f.settings.readInt("Transfer", "VerifyAfterWrite", 0), 1); // remembered
    }
}

// Plugging the keyboard in and pulling it out shows while the window is open, without a
// message; New no longer looks for it.
TEST(WindowTransfer, LiveDetectionFollowsThePlugs) {
    WindowFixture f;
    CVornView& view = *f.frame.view();
    ASSERT_EQ(view.transferStatus().portName, "USB");
    f.session->setInitialUpdateHook(nullptr); // as the window does once it watches
    view.watchKeyboard(20ms);
    const std::string marker = KeyboardTransports::unpluggedMarker(f.memory);
    const auto portNameBecomes = [&](const std::string& name) {
        return QTest::qWaitFor([&] { return view.transferStatus().portName == name; }, 3000);
    };
    TestFolder::write(marker, "");
    ASSERT_TRUE(portNameBecomes("No"));
    EXPECT_EQ(view.transfers()->portKind(), TransferController::noPort);
    ASSERT_TRUE(f.session->newDocument());
    std::filesystem::remove(marker);
    ASSERT_TRUE(portNameBecomes("USB"));
    EXPECT_EQ(view.transfers()->portKind(), TransferController::usbPort);
    EXPECT_TRUE(f.messages.messages.empty());
    f.runTransfer(commandIds::writeIntoKb); // and the keyboard works
    EXPECT_TRUE(f.messages.messages.empty());
}

// Reading replaces every key: a modified template is offered for saving first.
TEST(WindowTransfer, ReadingOverUnsavedWorkAsksFirst) {
    WindowFixture f;
    CVornDoc& doc = f.session->doc();
    doc.setKeyText(3, "unsaved");
    f.messages.saveAnswer = SaveAnswer::cancel;
    f.frame.action(commandIds::readFromKb)->trigger();
    EXPECT_EQ(f.messages.questions, std::vector<std::string>{"Save changes to Untitled?"});
    EXPECT_FALSE(f.frame.view()->transferActive());
    EXPECT_EQ(doc.keyText()[3], "unsaved");

    f.messages.saveAnswer = SaveAnswer::yes;
    f.dialogs.savePath = f.folder.path("kept.tpl");
    f.runTransfer(commandIds::readFromKb);
    EXPECT_EQ(doc.keyText()[3], ""); // an empty keyboard
    CVornDoc saved(f.settings, f.messages);
    ASSERT_TRUE(saved.onOpenDocument(f.folder.path("kept.tpl")));
    EXPECT_EQ(saved.keyText()[3], "unsaved");
}

TEST(WindowTransfer, ClosingDuringATransferStopsItWhenTheUserAgrees) {
    for (const bool agree : {false, true}) {
        WindowFixture f;
        f.frame.view()->setTickInterval(20ms);
        f.messages.answer = agree;
        f.frame.action(commandIds::readFromKb)->trigger();
        QTest::qWait(100);
        f.frame.close();
        EXPECT_EQ(f.messages.questions.size(), 1u);
        EXPECT_EQ(f.frame.view()->transferActive(), !agree);
        QTest::qWait(50);
        EXPECT_EQ(f.frame.isVisible(), !agree);
        EXPECT_FALSE(f.frame.view()->findChild<QProgressBar*>()->isVisible() && agree);
        f.frame.view()->stopTransfer([] {});
    }
}

// A write stopped on closing says what the keyboard holds; when the window then stays open
// (the save question cancelled), a message says it once more.
TEST(WindowTransfer, AStoppedWriteWarnsWhenTheWindowStaysOpen) {
    WindowFixture f;
    f.frame.view()->setTickInterval(20ms);
    f.session->doc().setKeyText(0, "unsaved");
    f.messages.answer = true;
    f.messages.saveAnswer = SaveAnswer::cancel;
    f.frame.action(commandIds::writeIntoKb)->trigger();
    QTest::qWait(100);
    f.frame.close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.messages.questions.size() == 2; }, 2000));
    EXPECT_EQ(f.messages.questions[0],
              "The keyboard is being written. If you stop now it keeps an incomplete template "
              "until it is written again.\nStop the transfer and close Vorn?");
    EXPECT_EQ(f.messages.questions[1], "Save changes to Untitled?");
    EXPECT_FALSE(f.frame.view()->transferActive());
    EXPECT_TRUE(f.frame.isVisible());
    EXPECT_EQ(f.messages.messages,
              std::vector<std::string>{"The keyboard was only partly written. Write the template "
                                       "into it again before using it."});
    EXPECT_TRUE(f.messages.statuses.empty());
}

} // namespace
} // namespace vorn::test
