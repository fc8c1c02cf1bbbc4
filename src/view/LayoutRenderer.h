// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/EditingState.h"
#include "editor/ViewGeometry.h"
#include "transfer/PortName.h"
#include "view/LabelFit.h"

#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QRawFont>
#include <QRect>
#include <QSize>
#include <QStaticText>
#include <string>

class QPainter;

namespace vorn {

class CVornDoc;

// What the screen shows of the keyboard connection and a running transfer.
struct TransferStatus {
    std::string portName = noPortName;
    bool active = false;
    bool reading = false;
    std::string percent; // drawn while a transfer runs, e.g. "50%"
};

// Paints the editor screen: legend, help line, the model's key caps with their captions
// coloured by state, the selected key's name, mode and the free space, the content line with
// its caret, the warning line and the transfer texts. Reads the document, the layout and the
// editing state; changes nothing but the keys' blank flags (refreshed with the free space).
class LayoutRenderer {
    Q_DECLARE_TR_FUNCTIONS(vorn::LayoutRenderer)

public:
    // The smallest area that shows everything.
    static constexpr QSize screenSize{viewGeometry::screenWidth, viewGeometry::screenHeight};
    // A box of the screen as a rectangle.
    static constexpr QRect rectOf(const viewGeometry::Box& box) {
        return {box.left, box.top, box.width(), box.height()};
    }

    LayoutRenderer();

    void paint(QPainter& painter, CVornDoc& doc, const EditingState& state,
               const TransferStatus& transfer, const QRect& clientArea) const;
    // The screen in an image of `size` (at least screenSize), drawn at `scale`: the image is
    // that much larger.
    QImage render(CVornDoc& doc, const EditingState& state, const TransferStatus& transfer,
                  QSize size = screenSize, double scale = 1.0) const;

    // The bytes of the selected key's text that the content line shows, from the window start.
    static std::string contentLine(const CVornDoc& doc, const EditingState& state);

    // A key cap's tooltip: its caption, then its label and its key text where it has them.
    static QString keyCapTip(const CVornDoc& doc, int slot);

    const QFont& font() const { return font_; }

    // Key caps show their labels (shrunk to fit, centred) in place of their captions.
    void setShowLabels(bool show) { showLabels_ = show; }
    bool showLabels() const { return showLabels_; }

private:
    struct Context;

    void drawText(Context& context, int x, int y, const QString& text) const;
    void drawLegendAndStatus(Context& context, CVornDoc& doc, const EditingState& state) const;
    void drawContentBox(Context& context, const CVornDoc& doc, const EditingState& state) const;
    void drawKeyCaps(Context& context, const CVornDoc& doc, const EditingState& state) const;
    void drawKeyboardFrame(Context& context) const;
    void drawTransferTexts(Context& context, const TransferStatus& transfer) const;

    const QStaticText& laidOut(const QString& text) const;
    // A label in the largest font that fits `box`, wrapped at spaces and elided where even
    // the smallest does not fit, as the printed legends fit theirs; kept for the next repaint.
    const FittedLabel& fitted(const QString& label, QSize box, const QPaintDevice* device) const;
    void drawCapLabel(Context& context, const QRect& box, const QString& label) const;

    QFont font_;
    QFontMetrics metrics_;
    QRawFont rawFont_;
    int baseline_ = 12;
    // Texts laid out once: captions and labels repeat on every repaint.
    mutable QHash<QString, QStaticText> laidOut_;
    mutable QHash<QString, FittedLabel> fittedLabels_;
    bool showLabels_ = false;
};

} // namespace vorn
