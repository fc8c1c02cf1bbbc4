// SPDX-License-Identifier: GPL-3.0-or-later
// Real X key events reaching the keyboard output test: run under Xvfb (see CMakeLists.txt),
// keys typed with xdotool arrive at a window that hands them to the test as the layout view
// does, through the key event translator.
#include "ui/CKeyCodeOutView.h"
#include "ui/KeyEventTranslator.h"

#include <QApplication>
#include <QKeyEvent>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

namespace vorn {
namespace {

// The layout view's part: while the test is active, every key event goes to it.
class HandingView : public QWidget {
public:
    HandingView()
        : test(new CKeyCodeOutView(this)) {
        resize(750, 420);
        setFocusPolicy(Qt::StrongFocus);
    }

    CKeyCodeOutView* test;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (const auto key = KeyEventTranslator::translate(*event); key && test->active())
            test->keyDown(*key);
    }
    void keyReleaseEvent(QKeyEvent* event) override {
        const auto key = KeyEventTranslator::translate(*event);
        if (key && test->active())
            test->keyUp(*key);
    }
};

// Types the keys with xdotool, then waits until the transcript holds `expected`.
std::string typed(HandingView& view, const QStringList& keys, const std::string& expected) {
    EXPECT_EQ(QProcess::execute("xdotool", QStringList{"key", "--delay", "20"} + keys), 0);
    static_cast<void>(
        QTest::qWaitFor([&] { return view.test->transcript().text() == expected; }, 5000));
    return view.test->transcript().text();
}

TEST(RealKeys, ReachTheOutputTest) {
    HandingView view;
    view.show();
    view.activateWindow();
    view.setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    view.test->showTest();

    const std::string letters = "ab, [Enter]1, [Shift]W, [Shift]!, [F1], [PADEnter], [ArrowRight]";
    EXPECT_EQ(typed(view,
                    {"a", "b", "Return", "1", "shift+w", "shift+1", "F1", "KP_Enter", "Right"},
                    letters),
              letters);
    // Caps Lock from the key state the X server reports with each event.
    const std::string caps = letters + ", [CapsLock]Q1, [CapsLock]q";
    EXPECT_EQ(typed(view, {"Caps_Lock", "q", "1", "Caps_Lock", "q"}, caps), caps);

    // A click in the Quit box ends the test: keys no longer reach it.
    QTest::mouseClick(view.test, Qt::LeftButton, {},
                      QPoint(600, 15) + CKeyCodeOutView::clientOrigin);
    EXPECT_FALSE(view.test->active());
    EXPECT_EQ(QProcess::execute("xdotool", {"key", "z"}), 0);
    QTest::qWait(300);
    EXPECT_EQ(view.test->transcript().text(), caps);
}

} // namespace
} // namespace vorn

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
