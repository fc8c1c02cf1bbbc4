// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CKeyCodeOutView.h"

#include "ui/KeyEventTranslator.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>

namespace vorn {

namespace {

constexpr QColor testGrey(220, 220, 220);
constexpr QColor captionColour(0, 0, 128);
constexpr auto windowText = QT_TRANSLATE_NOOP("vorn::CKeyCodeOutView", "KeyCodeTest");

// Height 16, bold, fixed pitch.
QFont testFont() {
    QFont font("DejaVu Sans Mono");
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(13);
    font.setBold(true);
    return font;
}

// Text whose top-left corner is at (x, y), as the platform's text output places it.
void drawTextAt(QPainter& painter, int x, int y, const QString& text) {
    const QFontMetrics metrics(painter.font());
    painter.drawText(QPoint(x, y + metrics.ascent()), text);
}

} // namespace

CKeyCodeOutView::CKeyCodeOutView(QWidget* mainView)
    : QWidget(mainView)
    , mainView_(mainView)
    , edit_(new QPlainTextEdit(this)) {
    setObjectName(windowText);
    setWindowTitle(tr(windowText));
    setGeometry(windowRect);
    setFont(testFont());
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    edit_->setObjectName("KeyCodeOutEdit");
    edit_->setGeometry(transcriptRect.translated(clientOrigin));
    edit_->setReadOnly(true);
    edit_->setFrameShape(QFrame::Box);
    edit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    edit_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    edit_->setFocusPolicy(Qt::ClickFocus);
    edit_->installEventFilter(this);
    hide();
}

void CKeyCodeOutView::showTest() {
    transcript_.clear();
    showTranscript();
    show();
    raise();
    outputActive_ = true;
}

void CKeyCodeOutView::hideTest() {
    hide();
    outputActive_ = false;
}

void CKeyCodeOutView::keyDown(const KeyEvent& key) {
    transcript_.keyDown(key);
    showTranscript();
}

void CKeyCodeOutView::keyUp(const KeyEvent& key) {
    transcript_.keyUp(key);
}

bool CKeyCodeOutView::insideQuitBox(QPoint client) {
    return client.x() > quitLeft && client.x() < quitRight && client.y() > quitTop &&
           client.y() < quitBottom;
}

void CKeyCodeOutView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // Frame and caption bar.
    painter.fillRect(rect(), captionColour);
    painter.setPen(Qt::white);
    drawTextAt(painter, frameWidth + 4, frameWidth + 3, tr(windowText));

    painter.translate(clientOrigin);
    const QRect client(QPoint(0, 0), size() - QSize(2 * frameWidth, clientOrigin.y() + frameWidth));
    painter.setPen(Qt::black);
    painter.setBrush(testGrey);
    painter.drawRect(client.adjusted(0, 0, -1, -1));
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(testGrey);
    drawTextAt(painter, 10, 5, tr("Key Code Test Output:"));
    // The Quit box as a raised button.
    painter.setPen(Qt::white);
    painter.drawPolyline(QPolygon(
        {QPoint(quitLeft, quitBottom), QPoint(quitLeft, quitTop), QPoint(quitRight, quitTop)}));
    painter.setPen(Qt::black);
    painter.drawPolyline(QPolygon(
        {QPoint(quitRight, quitTop), QPoint(quitRight, quitBottom), QPoint(quitLeft, quitBottom)}));
    drawTextAt(painter, 580, 7, tr("Quit"));
}

void CKeyCodeOutView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton ||
        !insideQuitBox(event->position().toPoint() - clientOrigin))
        return;
    hideTest();
    if (mainView_) {
        mainView_->setFocus();
        mainView_->update();
    }
    if (quitHook_)
        quitHook_();
}

void CKeyCodeOutView::keyPressEvent(QKeyEvent* event) {
    if (!handleKeyEvent(event))
        QWidget::keyPressEvent(event);
}

void CKeyCodeOutView::keyReleaseEvent(QKeyEvent* event) {
    if (!handleKeyEvent(event))
        QWidget::keyReleaseEvent(event);
}

bool CKeyCodeOutView::eventFilter(QObject* watched, QEvent* event) {
    if (watched != edit_)
        return QWidget::eventFilter(watched, event);
    // The window's shortcuts stay in force while the transcript box has the focus.
    if (event->type() == QEvent::ShortcutOverride)
        return true;
    return handleKeyEvent(event) || QWidget::eventFilter(watched, event);
}

bool CKeyCodeOutView::handleKeyEvent(QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    const auto* keyEvent = static_cast<QKeyEvent*>(event);
    if (const std::optional<KeyEvent> key = KeyEventTranslator::translate(*keyEvent)) {
        if (event->type() == QEvent::KeyPress)
            keyDown(*key);
        else
            keyUp(*key);
    }
    return true;
}

void CKeyCodeOutView::showTranscript() {
    const std::string& text = transcript_.text();
    const auto length = static_cast<qsizetype>(text.size());
    QTextCursor cursor(edit_->document());
    cursor.movePosition(QTextCursor::End);
    if (length >= shownLength_ && shownLength_ == edit_->document()->characterCount() - 1) {
        cursor.insertText(QString::fromLatin1(text.data() + shownLength_, length - shownLength_));
    } else {
        edit_->setPlainText(QString::fromLatin1(text.data(), length));
    }
    shownLength_ = length;
    edit_->moveCursor(QTextCursor::End);
    edit_->ensureCursorVisible();
    edit_->verticalScrollBar()->setValue(edit_->verticalScrollBar()->maximum());
}

} // namespace vorn
