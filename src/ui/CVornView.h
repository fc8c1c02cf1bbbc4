#pragma once

#include "device/TransferController.h"
#include "device/VornDocTransfer.h"
#include "ui/KeyboardPorts.h"
#include "ui/WindowTransferHost.h"
#include "view/EditingStateTransfer.h"
#include "view/LayoutRenderer.h"

#include <QWidget>
#include <memory>

namespace vorn {

class EditorSession;
class UserMessages;

// The layout view: draws the editor screen, passes mouse clicks on keys on, and keeps the two
// transports and the transfer controller for as long as it lives.
class CVornView : public QWidget {
    Q_OBJECT
public:
    CVornView(EditorSession& session, UserMessages& messages, QWidget* parent = nullptr);
    ~CVornView() override;

    // Connects the keyboard; false, with the reason, when the simulator cannot be used.
    bool connectKeyboard(const KeyboardChoice& choice, std::string& error);

    // The keyboard detection of every initial update.
    void detectKeyboard();

    TransferStatus transferStatus() const;
    // The screen as it is drawn now, in an image of at least LayoutRenderer::screenSize.
    QImage renderScreen(QSize size = {}) const;

    TransferController* transfers() { return transfers_.get(); }
    QSize sizeHint() const override { return LayoutRenderer::screenSize; }
    QSize minimumSizeHint() const override { return LayoutRenderer::screenSize; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    EditorSession& session_;
    UserMessages& messages_;
    LayoutRenderer renderer_;
    KeyboardPorts ports_;
    WindowTransferHost host_;
    VornDocTransfer documentTransfer_;
    EditingStateTransfer editingTransfer_;
    std::unique_ptr<TransferController> transfers_;
};

} // namespace vorn
