// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/EditingStateTransfer.h"
#include "editor/EditorSession.h"
#include "editor/KeyEditCommands.h"
#include "editor/KeySelection.h"
#include "editor/ViewZoom.h"
#include "transfer/KeyboardTransports.h"
#include "transfer/TransferController.h"
#include "transfer/VornDocTransfer.h"
#include "ui/WindowKeyEditDialogs.h"
#include "ui/WindowTransferHost.h"
#include "view/LayoutRenderer.h"

#include <QWidget>

class QProgressBar;
#include <functional>
#include <memory>
#include <optional>

namespace vorn {

class CKeyCodeOutView;
class KeyboardWatcher;
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
    // From now on a keyboard plugged in or pulled out shows within two probes, asked every
    // `interval` off the window's thread and never during a transfer.
    void watchKeyboard(std::chrono::milliseconds interval = std::chrono::seconds(1));
    // A probe's answer: the port is found again when it changed.
    void followKeyboard(bool present);

    TransferStatus transferStatus() const;
    // The screen as it is drawn now, in an image of at least LayoutRenderer::screenSize.
    QImage renderScreen(QSize size = {}, double scale = 1.0) const;

    TransferController* transfers() { return transfers_.get(); }
    // The commands "Read From KB" and "Write Into KB".
    void readFromKeyboard();
    void writeIntoKeyboard();
    // A transfer runs: a read, a write or the read that checks a write.
    bool transferActive() const;
    bool transferReading() const;
    // Verify After Write: a write that ends well is read back and compared (remembered).
    bool verifyAfterWrite() const { return verifyAfterWrite_; }
    void setVerifyAfterWrite(bool verify);
    // The Key Edit commands (ids of the Key Edit menu) and whether one is available now.
    void runEditCommand(int commandId);
    bool editCommandEnabled(int commandId) const;
    // Undo and redo, and the clipboard commands on the selected key's content.
    void undo();
    void redo();
    void copyKey();
    void cutKey();
    void pasteKey();
    // "Keyboard Output": the output test over the layout; it takes the keys while shown.
    void showOutputTest();
    void hideOutputTest();
    // Every transfer timer ticks at `interval` instead of its own (tests); zero for their own.
    void setTickInterval(std::chrono::milliseconds interval) { host_.setTickInterval(interval); }
    // Ends a running transfer cleanly, between two of its steps, then calls `then`.
    void stopTransfer(std::function<void()> then);

    // Zoom: the whole screen drawn scaled; clicks and repaints follow the scale.
    double scale() const { return zoom_.factor(width(), height()); }
    const ViewZoom& zoom() const { return zoom_; }
    void zoomIn();
    void zoomOut();
    void actualSize();
    void setFitToWindow(bool fit);
    void setZoomPercent(int percent);
    // Show Labels: key caps show their labels in place of their captions (remembered).
    bool showLabels() const { return renderer_.showLabels(); }
    void setShowLabels(bool show);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // A key, a click, a command or a transfer changed what the commands may do.
    void stateChanged();
    // A right click selected a key: the window shows the key's menu at `globalPos`.
    void keyMenuRequested(QPoint globalPos);
    // A double click on a key cap selected it: the window asks for its label.
    void keyLabelRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    // A key cap's tooltip: its caption, its label and its key text.
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Tab is a key of the template, not a move to the next widget.
    bool focusNextPrevChild(bool) override { return false; }

private:
    void repaintAfter(Repaint repaint);
    // The key cap slot under a point of the widget, -1 for none.
    int slotUnder(QPointF position) const;
    // A rectangle of the screen as the widget shows it now.
    QRect shown(const QRect& screenRect) const;
    void followZoom();
    // A read that has ended becomes one undoable step.
    void finishReadStep();
    // After a write that ended well: the keyboard read back into a copy of the template.
    void startReadBack();
    void finishReadBack();
    TransferController& activeTransfer() const;

    EditorSession& session_;
    UserMessages& messages_;
    LayoutRenderer renderer_;
    KeyboardTransports ports_;
    WindowTransferHost host_;
    VornDocTransfer documentTransfer_;
    EditingStateTransfer editingTransfer_;
    std::unique_ptr<TransferController> transfers_;
    std::function<void()> afterStop_; // a stop asked for during a step
    std::optional<EditorSession::PendingStep> readStep_;
    struct ReadBack;
    std::unique_ptr<ReadBack> readBack_;
    bool verifyPending_ = false; // the running write is to be read back
    WindowKeyEditDialogs keyEditDialogs_;
    KeyEditCommands keyEdit_;
    CKeyCodeOutView* outputTest_;
    QProgressBar* progressBar_;
    ViewZoom zoom_;
    bool verifyAfterWrite_ = false;
    std::optional<bool> keyboardPresent_;
    // Last: it stops before the transports it asks go.
    std::unique_ptr<KeyboardWatcher> watcher_;
};

} // namespace vorn
