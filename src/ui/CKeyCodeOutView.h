// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/KeyCodeTranscript.h"
#include "editor/KeyEvent.h"

#include <QPoint>
#include <QRect>
#include <QWidget>
#include <functional>

class QPlainTextEdit;

namespace vorn {

// The keyboard output test: a window over the layout view with a caption bar, the text "Key
// Code Test Output:", a drawn Quit box and the read-only transcript of every key pressed while
// it is shown. The layout view hands it its key events while it is active; keys that reach
// the window or its transcript box directly are handled the same way.
class CKeyCodeOutView : public QWidget {
    Q_OBJECT
public:
    // In the layout view: (50, 50)-(700, 350).
    static constexpr QRect windowRect{QPoint(50, 50), QPoint(699, 349)};
    // The caption bar and frame around the client area.
    static constexpr int frameWidth = 2;
    static constexpr int captionHeight = 21;
    static constexpr QPoint clientOrigin{frameWidth, frameWidth + captionHeight};
    // In client coordinates, (left, top)-(right, bottom) as drawn.
    static constexpr int quitLeft = 550;
    static constexpr int quitTop = 5;
    static constexpr int quitRight = 630;
    static constexpr int quitBottom = 25;
    static constexpr QRect transcriptRect{QPoint(10, 30), QPoint(629, 274)};

    // Created hidden, not active, as a child of the layout view.
    explicit CKeyCodeOutView(QWidget* mainView);

    // outputActive: the test is shown and takes every key event.
    bool active() const { return outputActive_; }
    // The "Keyboard Output" command: an empty transcript, the window shown, the test active.
    void showTest();
    // Hidden and inactive again (a click on Quit, or the view's contents updated).
    void hideTest();
    // Runs after Quit hid the test, so the layout view takes the keyboard back.
    void setQuitHook(std::function<void()> hook) { quitHook_ = std::move(hook); }

    void keyDown(const KeyEvent& key);
    void keyUp(const KeyEvent& key);

    const KeyCodeTranscript& transcript() const { return transcript_; }
    QPlainTextEdit* transcriptBox() const { return edit_; }

    // Whether a client point lies strictly inside the Quit box.
    static bool insideQuitBox(QPoint client);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Translates and handles a key event of the window or its transcript box.
    bool handleKeyEvent(QEvent* event);
    // The transcript box shows the whole transcript and its end.
    void showTranscript();

    QWidget* mainView_;
    QPlainTextEdit* edit_;
    KeyCodeTranscript transcript_;
    bool outputActive_ = false;
    qsizetype shownLength_ = 0;
    std::function<void()> quitHook_;
};

} // namespace vorn
