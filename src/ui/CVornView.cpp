// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CVornView.h"

#include "editor/EditorSession.h"
#include "ui/CKeyCodeOutView.h"
#include "ui/KeyEventTranslator.h"
#include "ui/ResponsiveClock.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>

namespace vorn {

CVornView::CVornView(EditorSession& session, UserMessages& messages, QWidget* parent)
    : QWidget(parent)
    , session_(session)
    , messages_(messages)
    , host_(this)
    , documentTransfer_(session.doc())
    , editingTransfer_(session.editing())
    , keyEditDialogs_(messages, this)
    , keyEdit_(session.doc(), session.editing(), messages, keyEditDialogs_)
    , outputTest_(new CKeyCodeOutView(this)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    auto* bar = new QProgressBar(this);
    bar->setGeometry(LayoutRenderer::rectOf(viewGeometry::progressBar));
    bar->setTextVisible(false);
    bar->hide();
    host_.setProgressBar(bar);
    host_.setRedraw([this] {
        update();
        emit stateChanged();
    });
    host_.setPercentShown([this] {
        using namespace viewGeometry;
        repaint(QRect(percentX, percentY, percentCharacters * cellWidth, lineHeight));
    });
    host_.setTick([this](int id) {
        if (transfers_)
            transfers_->OnTimer(id);
    });
    host_.setAfterTick([this] {
        if (!afterStop_)
            return;
        transfers_->CancelTransfer();
        std::exchange(afterStop_, nullptr)();
    });
}

void CVornView::readFromKeyboard() {
    if (transfers_)
        transfers_->ReadFromKB();
    update();
    emit stateChanged();
}

void CVornView::writeIntoKeyboard() {
    if (transfers_)
        transfers_->WriteIntoKB();
    update();
    emit stateChanged();
}

void CVornView::stopTransfer(std::function<void()> then) {
    if (host_.inTick()) {
        afterStop_ = std::move(then);
        return;
    }
    if (transfers_)
        transfers_->CancelTransfer();
    then();
}

CVornView::~CVornView() = default;

bool CVornView::connectKeyboard(const KeyboardChoice& choice, std::string& error) {
    // Waits keep the window drawing.
    if (!ports_.setUp(
            choice, [] { return std::make_unique<ResponsiveClock>(); }, error))
        return false;
    transfers_ = std::make_unique<TransferController>(
        ports_.usb(), ports_.kbio(), documentTransfer_, editingTransfer_, host_, messages_);
    return true;
}

void CVornView::detectKeyboard() {
    if (transfers_)
        transfers_->DetectKeyboard();
    update();
}

TransferStatus CVornView::transferStatus() const {
    if (!transfers_)
        return {};
    return {transfers_->portName(), transfers_->transferActive(), transfers_->transferReading(),
            host_.percent()};
}

QImage CVornView::renderScreen(QSize size) const {
    return renderer_.render(session_.doc(), session_.editing(), transferStatus(),
                            size.isValid() ? size : this->size());
}

void CVornView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    renderer_.paint(painter, session_.doc(), session_.editing(), transferStatus(), rect());
}

// While a transfer runs the template cannot change: its end would overwrite or send it.
void CVornView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || transferActive())
        return;
    const QPoint at = event->position().toPoint();
    repaintAfter(session_.selection().mouseDown(at.x(), at.y()));
    emit stateChanged();
}

void CVornView::keyPressEvent(QKeyEvent* event) {
    const auto key = KeyEventTranslator::translate(*event);
    if (!key)
        return;
    if (outputTest_->active()) {
        outputTest_->keyDown(*key);
        return;
    }
    if (transferActive())
        return;
    repaintAfter(session_.selection().keyDown(*key));
    emit stateChanged();
}

void CVornView::keyReleaseEvent(QKeyEvent* event) {
    const auto key = KeyEventTranslator::translate(*event);
    if (!key)
        return;
    if (outputTest_->active()) {
        outputTest_->keyUp(*key);
        return;
    }
    repaintAfter(session_.selection().keyUp(*key));
}

void CVornView::runEditCommand(int commandId) {
    if (transferActive())
        return;
    switch (keyEdit_.run(commandId)) {
    case EditRepaint::view: update(); break;
    case EditRepaint::keyTextLine:
        update(LayoutRenderer::rectOf(viewGeometry::keyTextLines));
        break;
    case EditRepaint::nothing: break;
    }
    emit stateChanged();
}

bool CVornView::editCommandEnabled(int commandId) const {
    const int portKind = transfers_ ? transfers_->portKind() : TransferController::noPort;
    return !transferActive() && keyEdit_.isEnabled(commandId, portKind);
}

void CVornView::showOutputTest() {
    outputTest_->showTest();
}

void CVornView::hideOutputTest() {
    outputTest_->hideTest();
}

void CVornView::repaintAfter(Repaint repaint) {
    switch (repaint) {
    case Repaint::view: update(); break;
    case Repaint::contentBox: update(LayoutRenderer::rectOf(viewGeometry::contentBox)); break;
    case Repaint::nothing: break;
    }
}

} // namespace vorn
