// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/VirtualKeys.h"
#include "ui/CKeyCodeOutView.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace vorn {
namespace {

KeyEvent pcKey(int scanCode, bool extended = false) {
    KeyEvent key;
    key.scanCode = scanCode;
    key.extended = extended;
    key.virtualKey = usVirtualKey(scanCode, extended, true);
    return key;
}

// The layout view's stand-in with the test window on it.
struct OutputTest {
    OutputTest() {
        view.resize(750, 420);
        view.setAutoFillBackground(true);
        view.show();
        test = new CKeyCodeOutView(&view);
    }
    void press(std::initializer_list<int> scanCodes) {
        for (int code : scanCodes)
            test->keyDown(pcKey(code));
    }
    void clickClient(QPoint at) {
        QTest::mouseClick(test, Qt::LeftButton, {}, at + CKeyCodeOutView::clientOrigin);
    }
    QString shown() const { return test->transcriptBox()->toPlainText(); }

    QWidget view;
    CKeyCodeOutView* test;
};

TEST(KeyCodeOutView, ShownOverTheLayoutWithAnEmptyTranscript) {
    OutputTest t;
    EXPECT_FALSE(t.test->isVisible());
    EXPECT_FALSE(t.test->active());
    EXPECT_EQ(t.test->geometry(), QRect(50, 50, 650, 300));
    EXPECT_EQ(t.test->windowTitle(), "KeyCodeTest");
    EXPECT_TRUE(t.test->transcriptBox()->isReadOnly());
    EXPECT_EQ(t.test->transcriptBox()->geometry().topLeft(),
              QPoint(10, 30) + CKeyCodeOutView::clientOrigin);

    t.test->showTest();
    EXPECT_TRUE(t.test->isVisible());
    EXPECT_TRUE(t.test->active());
    t.press({0x1E, 0x30, 0x1C, 0x02}); // a b Enter 1
    EXPECT_EQ(t.shown(), "ab, [Enter]1");

    t.clickClient({600, 15});
    EXPECT_FALSE(t.test->active());
    t.test->showTest();
    EXPECT_EQ(t.shown(), "");
    EXPECT_EQ(t.test->transcript().text(), "");
}

TEST(KeyCodeOutView, OnlyAClickStrictlyInsideTheQuitBoxQuits) {
    struct Row {
        QPoint at;
        bool quits;
    };
    for (const Row& row : {Row{{550, 15}, false}, Row{{551, 15}, true}, Row{{630, 15}, false},
                           Row{{629, 15}, true}, Row{{600, 5}, false}, Row{{600, 6}, true},
                           Row{{600, 25}, false}, Row{{600, 24}, true}, Row{{100, 100}, false}}) {
        OutputTest t;
        int quitHooks = 0;
        t.test->setQuitHook([&] { ++quitHooks; });
        t.test->showTest();
        t.clickClient(row.at);
        EXPECT_EQ(!t.test->isVisible(), row.quits) << row.at.x() << ',' << row.at.y();
        EXPECT_EQ(!t.test->active(), row.quits);
        EXPECT_EQ(quitHooks, row.quits ? 1 : 0);
    }
}

TEST(KeyCodeOutView, KeysAtTheTranscriptBoxGoToTheTranscript) {
    OutputTest t;
    t.test->showTest();
    QPlainTextEdit* box = t.test->transcriptBox();
    QTest::keyClick(box, Qt::Key_Q);
    QTest::keyClick(box, Qt::Key_F1);
    QTest::keyPress(box, Qt::Key_Shift);
    QTest::keyClick(box, Qt::Key_W); // the shift comes from the Shift key seen
    QTest::keyRelease(box, Qt::Key_Shift);
    QTest::keyClick(box, Qt::Key_W);
    EXPECT_EQ(t.shown(), "q, [F1], [Shift]Ww");
}

TEST(KeyCodeOutView, TranscriptScrollsToItsEnd) {
    OutputTest t;
    t.test->showTest();
    for (int i = 0; i < 200; ++i)
        t.press({0x1C}); // Enter
    QCoreApplication::processEvents();
    const QScrollBar* bar = t.test->transcriptBox()->verticalScrollBar();
    EXPECT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());
    EXPECT_EQ(t.shown().size(), 200 * 9);
}

TEST(KeyCodeOutView, Drawing) {
    OutputTest t;
    t.test->showTest();
    t.press({0x1E, 0x30, 0x1C, 0x02, 0x3B, 0x2A, 0x10});
    QCoreApplication::processEvents();
    const QImage picture = t.view.grab().toImage();
    picture.save("/tmp/wt12-keycodeout.png");
    const QPoint client = QPoint(50, 50) + CKeyCodeOutView::clientOrigin;
    EXPECT_EQ(picture.pixelColor(client + QPoint(300, 15)), QColor(220, 220, 220));
    EXPECT_EQ(picture.pixelColor(client + QPoint(550, 15)), QColor(Qt::white));
    EXPECT_EQ(picture.pixelColor(client + QPoint(590, 5)), QColor(Qt::white));
    EXPECT_EQ(picture.pixelColor(client + QPoint(630, 15)), QColor(Qt::black));
    EXPECT_EQ(picture.pixelColor(client + QPoint(590, 25)), QColor(Qt::black));
}

} // namespace
} // namespace vorn
