#include "UiTestSupport.h"
#include "image/KeyTextEncoder.h"
#include "support/PaintCounter.h"
#include "ui/CMainFrame.h"
#include "ui/CVornView.h"
#include "ui/CommandTable.h"

#include <QAction>
#include <QProgressBar>
#include <QTest>
#include <gtest/gtest.h>

namespace vorn::test {
namespace {

using namespace std::chrono_literals;

// The window on a simulated keyboard that answers without waits, its timers ticking fast.
struct WindowFixture : SessionFixture {
    CMainFrame frame{*session, messages};
    std::string memory = folder.path("kb.mem");

    WindowFixture() {
        std::string error;
        EXPECT_TRUE(frame.view()->connectKeyboard(KeyboardChoice{memory, false, true}, error));
        frame.view()->setTickInterval(2ms);
        session->setInitialUpdateHook([this] { frame.view()->detectKeyboard(); });
        session->start(std::nullopt, std::nullopt);
        frame.show();
    }
    // Runs the window until the transfer ends; the number of repaints of the view meanwhile.
    int runTransfer(int command) {
        int paints = 0;
        PaintCounter counter(paints);
        frame.view()->installEventFilter(&counter);
        frame.action(command)->trigger();
        EXPECT_TRUE(frame.view()->transferActive());
        EXPECT_FALSE(frame.action(commandIds::readFromKb)->isEnabled());
        EXPECT_FALSE(frame.action(commandIds::writeIntoKb)->isEnabled());
        EXPECT_TRUE(QTest::qWaitFor([&] { return !frame.view()->transferActive(); }, 20000));
        frame.view()->removeEventFilter(&counter);
        return paints;
    }
};

TEST(WindowTransfer, WriteThenReadGivesTheSavedTemplateBack) {
    WindowFixture f;
    CVornDoc& doc = f.session->doc();
    doc.keyText[0] = "hello[CR]";
    doc.keyText[12] = "[F1][Enter]";
    f.dialogs.savePath = f.folder.path("shop.tpl");
    ASSERT_TRUE(f.session->save());

    const int paints = f.runTransfer(commandIds::writeIntoKb);
    EXPECT_GT(paints, 10); // the window kept repainting
    EXPECT_TRUE(f.messages.messages.empty());
    EXPECT_EQ(TestFolder::read(f.memory), TestFolder::read(f.folder.path("shop.tpl")));
    EXPECT_TRUE(f.frame.action(commandIds::readFromKb)->isEnabled());

    ASSERT_TRUE(f.session->newDocument());
    EXPECT_EQ(doc.keyText[0], "");
    f.runTransfer(commandIds::readFromKb);
    EXPECT_EQ(doc.keyText[0], "hello[CR]");
    EXPECT_EQ(doc.keyText[12], "[F1][Enter]");
    EXPECT_TRUE(doc.keyDefined[12]);
    EXPECT_TRUE(f.messages.messages.empty());
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

} // namespace
} // namespace vorn::test
