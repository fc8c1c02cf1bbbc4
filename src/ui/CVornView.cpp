#include "ui/CVornView.h"

#include "ui/EditorSession.h"

#include <QMouseEvent>
#include <QPainter>

namespace vorn {

CVornView::CVornView(EditorSession& session, UserMessages& messages, QWidget* parent)
    : QWidget(parent)
    , session_(session)
    , messages_(messages)
    , host_(this)
    , documentTransfer_(session.doc())
    , editingTransfer_(session.editing()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    host_.setRedraw([this] { update(); });
    host_.setTick([this](int id) {
        if (transfers_)
            transfers_->OnTimer(id);
    });
}

CVornView::~CVornView() = default;

bool CVornView::connectKeyboard(const KeyboardChoice& choice, std::string& error) {
    if (!ports_.setUp(choice, error))
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

void CVornView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint at = event->position().toPoint();
    if (session_.clickKeyAt(at.x(), at.y()))
        update();
}

} // namespace vorn
