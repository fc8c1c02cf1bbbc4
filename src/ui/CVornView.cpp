// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CVornView.h"

#include "document/SettingsStore.h"
#include "document/UserMessages.h"
#include "editor/CommandTable.h"
#include "editor/EditorSession.h"
#include "transfer/EditingFields.h"
#include "ui/CKeyCodeOutView.h"
#include "ui/KeyEventTranslator.h"
#include "ui/KeyboardWatcher.h"
#include "ui/ResponsiveClock.h"
#include "view/OemCharset.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QTimer>
#include <QToolTip>
#include <QtMath>

namespace vorn {

namespace {

constexpr std::string_view verifySection = "Transfer";
constexpr std::string_view verifyEntry = "VerifyAfterWrite";
constexpr std::string_view labelsSection = "View";
constexpr std::string_view showLabelsEntry = "ShowLabels";
// Translated where they are shown (MessageBoxMessages).
constexpr std::string_view verifiedNote =
    QT_TRANSLATE_NOOP("vorn::Messages", "Template written and verified");
constexpr std::string_view leftOutNote = QT_TRANSLATE_NOOP(
    "vorn::Messages", "Characters the keyboard cannot send were left out of the pasted text");

} // namespace

CVornView::CVornView(EditorSession& session, UserMessages& messages, QWidget* parent)
    : QWidget(parent)
    , session_(session)
    , messages_(messages)
    , host_(this)
    , documentTransfer_(session.doc())
    , editingTransfer_(session.editing())
    , keyEditDialogs_(messages, this)
    , keyEdit_(session.doc(), session.editing(), messages, keyEditDialogs_)
    , outputTest_(new CKeyCodeOutView(this))
    , progressBar_(new QProgressBar(this))
    , zoom_(session.settings())
    , verifyAfterWrite_(session.settings().readInt(verifySection, verifyEntry, 0) != 0) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    progressBar_->setTextVisible(false);
    progressBar_->hide();
    host_.setProgressBar(progressBar_);
    renderer_.setShowLabels(session.settings().readInt(labelsSection, showLabelsEntry, 0) != 0);
    followZoom();
    host_.setRedraw([this] {
        finishReadStep();
        finishReadBack();
        update();
        emit stateChanged();
    });
    host_.setPercentShown([this] {
        using namespace viewGeometry;
        repaint(shown(QRect(percentX, percentY, percentCharacters * cellWidth, lineHeight)));
    });
    host_.setTick([this](int id) {
        if (transfers_)
            activeTransfer().OnTimer(id);
    });
    host_.setAfterTick([this] {
        if (!afterStop_)
            return;
        activeTransfer().CancelTransfer();
        finishReadStep();
        std::exchange(afterStop_, nullptr)();
    });
}

// The template only changes when the read ends, many steps later: one undoable step then.
void CVornView::readFromKeyboard() {
    EditorSession::PendingStep before = session_.beginStep();
    if (transfers_)
        transfers_->ReadFromKB();
    if (transferActive())
        readStep_ = std::move(before);
    update();
    emit stateChanged();
}

void CVornView::finishReadStep() {
    if (!readStep_ || transferActive())
        return;
    session_.endStep(*readStep_, commandName(commandIds::readFromKb));
    readStep_.reset();
}

void CVornView::writeIntoKeyboard() {
    if (transfers_)
        transfers_->WriteIntoKB();
    verifyPending_ = verifyAfterWrite_ && transferActive();
    update();
    emit stateChanged();
}

void CVornView::stopTransfer(std::function<void()> then) {
    if (host_.inTick()) {
        afterStop_ = std::move(then);
        return;
    }
    if (transfers_)
        activeTransfer().CancelTransfer();
    finishReadStep();
    then();
}

// The read that checks a write: the same keyboard, found again without a search, read into a
// copy of the template, so the user's template stays as it is.
struct CVornView::ReadBack {
    ReadBack(const CVornDoc& original, KeyboardTransports& ports, TransferHost& host,
             UserMessages& messages, const TemplateImage& written)
        : doc(original)
        , document(doc)
        , editing(original.layout().slotKey()[0])
        , transfer(ports.usb(), ports.kbio(), document, editing, host, messages)
        , sent(written) {}
    bool active() const { return transfer.transferActive(); }

    CVornDoc doc;
    VornDocTransfer document;
    EditingFields editing;
    TransferController transfer;
    TemplateImage sent;
};

CVornView::~CVornView() = default;

bool CVornView::transferActive() const {
    return (transfers_ && transfers_->transferActive()) || (readBack_ && readBack_->active());
}

bool CVornView::transferReading() const {
    return transferActive() && activeTransfer().transferReading();
}

TransferController& CVornView::activeTransfer() const {
    return readBack_ && readBack_->active() ? readBack_->transfer : *transfers_;
}

void CVornView::setVerifyAfterWrite(bool verify) {
    verifyAfterWrite_ = verify;
    session_.settings().writeInt(verifySection, verifyEntry, verify ? 1 : 0);
}

void CVornView::startReadBack() {
    if (!transfers_ || transfers_->outcome() != TransferOutcome::completed)
        return;
    readBack_ = std::make_unique<ReadBack>(session_.doc(), ports_, host_, messages_,
                                           transfers_->transferBuffer());
    if (transfers_->portKind() == TransferController::usbPort)
        readBack_->transfer.StartUSBRead();
    else
        readBack_->transfer.StartDriverRead();
    update();
    emit stateChanged();
}

// A difference is told with the first package that differs; an aborted read has said why.
void CVornView::finishReadBack() {
    if (verifyPending_ && transfers_ && !transfers_->transferActive()) {
        verifyPending_ = false;
        // Begun after the write's last step has returned.
        QTimer::singleShot(0, this, [this] { startReadBack(); });
        return;
    }
    if (!readBack_ || readBack_->active())
        return;
    std::shared_ptr<ReadBack> done = std::move(readBack_);
    if (done->transfer.outcome() != TransferOutcome::completed)
        return;
    // Told after the read's own status line.
    QTimer::singleShot(0, this, [this, done] {
        if (const auto package =
                TransferController::firstDifferentPackage(done->sent, done->doc.image())) {
            messages_.showMessage(
                tr("The keyboard holds other data than was written, first at package %1")
                    .arg(*package)
                    .toStdString());
            return;
        }
        messages_.showStatus(verifiedNote, StatusKind::note);
    });
}

bool CVornView::connectKeyboard(const KeyboardChoice& choice, std::string& error) {
    // Waits keep the window drawing.
    if (!ports_.setUp(
            choice, [] { return std::make_unique<ResponsiveClock>(); }, error))
        return false;
    transfers_ = std::make_unique<TransferController>(
        ports_.usb(), ports_.kbio(), documentTransfer_, editingTransfer_, host_, messages_);
    return true;
}

void CVornView::watchKeyboard(std::chrono::milliseconds interval) {
    if (!transfers_)
        return;
    watcher_ = std::make_unique<KeyboardWatcher>(ports_.presenceProbe(), interval);
    connect(watcher_.get(), &KeyboardWatcher::answered, this, &CVornView::followKeyboard);
    connect(this, &CVornView::stateChanged, watcher_.get(),
            [this] { watcher_->setPaused(transferActive()); });
}

void CVornView::followKeyboard(bool present) {
    if (!transfers_ || transferActive() || keyboardPresent_ == present)
        return;
    keyboardPresent_ = present;
    ports_.followSimulatedPlugs();
    transfers_->RefreshPort();
    update();
    emit stateChanged();
}

void CVornView::detectKeyboard() {
    if (transfers_)
        transfers_->DetectKeyboard();
    update();
}

TransferStatus CVornView::transferStatus() const {
    if (!transfers_)
        return {};
    return {transfers_->portName(), transferActive(), activeTransfer().transferReading(),
            host_.percent()};
}

QImage CVornView::renderScreen(QSize size, double scale) const {
    return renderer_.render(session_.doc(), session_.editing(), transferStatus(),
                            size.isValid() ? size : this->size(), scale);
}

void CVornView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const double factor = scale();
    painter.scale(factor, factor);
    const QRect area(0, 0, qCeil(width() / factor), qCeil(height() / factor));
    renderer_.paint(painter, session_.doc(), session_.editing(), transferStatus(), area);
}

QRect CVornView::shown(const QRect& screenRect) const {
    const double factor = scale();
    return QRectF(QPointF(screenRect.topLeft()) * factor, QSizeF(screenRect.size()) * factor)
        .toAlignedRect()
        .adjusted(-1, -1, 1, 1);
}

QSize CVornView::sizeHint() const {
    return zoom_.fitToWindow() ? LayoutRenderer::screenSize : minimumSizeHint();
}

// Fit to Window draws down to half size; a factor of its own needs the whole screen.
QSize CVornView::minimumSizeHint() const {
    const double factor =
        zoom_.fitToWindow() ? ViewZoom::minPercent / 100.0 : zoom_.factor(width(), height());
    return (QSizeF(LayoutRenderer::screenSize) * factor).toSize();
}

void CVornView::resizeEvent(QResizeEvent*) {
    progressBar_->setGeometry(shown(LayoutRenderer::rectOf(viewGeometry::progressBar)));
}

void CVornView::followZoom() {
    setMinimumSize(minimumSizeHint());
    updateGeometry();
    progressBar_->setGeometry(shown(LayoutRenderer::rectOf(viewGeometry::progressBar)));
    update();
}

void CVornView::zoomIn() {
    zoom_.zoomIn(scale());
    followZoom();
}

void CVornView::zoomOut() {
    zoom_.zoomOut(scale());
    followZoom();
}

void CVornView::actualSize() {
    zoom_.actualSize();
    followZoom();
}

void CVornView::setZoomPercent(int percent) {
    zoom_.setPercent(percent);
    followZoom();
}

void CVornView::setShowLabels(bool show) {
    renderer_.setShowLabels(show);
    session_.settings().writeInt(labelsSection, showLabelsEntry, show ? 1 : 0);
    update();
}

void CVornView::setFitToWindow(bool fit) {
    zoom_.setFitToWindow(fit);
    followZoom();
}

// While a transfer runs the template cannot change: its end would overwrite or send it.
// A right click selects as a left click does, then asks for the key's menu.
void CVornView::mousePressEvent(QMouseEvent* event) {
    const bool right = event->button() == Qt::RightButton;
    if ((event->button() != Qt::LeftButton && !right) || transferActive())
        return;
    const QPointF at = event->position() / scale();
    repaintAfter(session_.mouseDown(qFloor(at.x()), qFloor(at.y())));
    emit stateChanged();
    if (right)
        emit keyMenuRequested(event->globalPosition().toPoint());
}

void CVornView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || transferActive())
        return;
    const int slot = slotUnder(event->position());
    if (slot >= 0 && slot == session_.editing().selectedSlot)
        emit keyLabelRequested();
}

int CVornView::slotUnder(QPointF position) const {
    const QPointF at = position / scale();
    return session_.selection().keySlotAt(qFloor(at.x()), qFloor(at.y()));
}

bool CVornView::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const int slot = slotUnder(help->pos());
    if (slot < 0 || outputTest_->active()) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    QToolTip::showText(help->globalPos(), LayoutRenderer::keyCapTip(session_.doc(), slot), this);
    return true;
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
    repaintAfter(session_.keyDown(*key));
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
    EditRepaint repaint = EditRepaint::nothing;
    session_.recordStep(commandName(commandId), [&] { repaint = keyEdit_.run(commandId); });
    switch (repaint) {
    case EditRepaint::view: update(); break;
    case EditRepaint::keyTextLine:
        update(shown(LayoutRenderer::rectOf(viewGeometry::keyTextLines)));
        break;
    case EditRepaint::nothing: break;
    }
    emit stateChanged();
}

bool CVornView::editCommandEnabled(int commandId) const {
    const int portKind = transfers_ ? transfers_->portKind() : TransferController::noPort;
    return !transferActive() && keyEdit_.isEnabled(commandId, portKind);
}

void CVornView::undo() {
    if (!transferActive() && session_.undo())
        update();
    emit stateChanged();
}

void CVornView::redo() {
    if (!transferActive() && session_.redo())
        update();
    emit stateChanged();
}

void CVornView::copyKey() {
    QGuiApplication::clipboard()->setText(oemToClipboard(session_.selectedKeyText()));
}

void CVornView::cutKey() {
    if (transferActive())
        return;
    copyKey();
    EditRepaint ignored = EditRepaint::nothing;
    session_.recordStep(commandName(commandIds::cutKey),
                        [&] { ignored = keyEdit_.run(commandIds::clearKey); });
    update();
    emit stateChanged();
}

void CVornView::pasteKey() {
    if (transferActive())
        return;
    int leftOut = 0;
    const std::string text = clipboardToOem(QGuiApplication::clipboard()->text(), leftOut);
    session_.paste(text);
    if (leftOut > 0)
        messages_.showStatus(leftOutNote, StatusKind::refusal);
    update();
    emit stateChanged();
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
    case Repaint::contentBox:
        update(shown(LayoutRenderer::rectOf(viewGeometry::contentBox)));
        break;
    case Repaint::nothing: break;
    }
}

} // namespace vorn
