// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/LayoutRenderer.h"

#include "document/Translation.h"
#include "document/VornDoc.h"
#include "image/KeyTextChecks.h"
#include "view/BundledFont.h"
#include "view/LabelFit.h"
#include "view/OemCharset.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QPainter>
#include <QPolygon>
#include <QtMath>
#include <algorithm>

namespace vorn {

using namespace viewGeometry;

namespace {

const QColor background(220, 220, 220);
const QColor blue(0, 0, 255);
const QColor green(30, 150, 0);
const QColor black(0, 0, 0);
const QColor red(255, 0, 0);
const QColor white(255, 255, 255);

const QPen whitePen(white, 1);
const QPen blackPen(black, 1);
const QPen thickPen(black, 2);

constexpr auto fontFile = ":/fonts/DejaVuSansMono-Bold.ttf";
constexpr int fontPixelSize = 12;

// The glyph byte a content byte is drawn as: control bytes and the bytes the screen cannot
// show become the placeholder, which is byte 157's glyph; byte 248 shares it.
unsigned char contentGlyphByte(unsigned char byte) {
    constexpr unsigned char placeholder = 157;
    if ((byte >= 1 && byte <= 31) || byte == 248)
        return placeholder;
    switch (byte) {
    case 129:
    case 141:
    case 143:
    case 144:
    case 157:
    case 162:
    case 173: return placeholder;
    default: return byte;
    }
}

QFont loadFont() {
    QFont font(bundledFontFamily(fontFile, "monospace"));
    font.setPixelSize(fontPixelSize);
    font.setBold(true);
    font.setStyleHint(QFont::TypeWriter);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

// Labels on the caps: whole pixels from 12 down to 5, whatever the zoom.
constexpr LabelSizes labelPixels{12, 5, 1, true};

QFont labelFont() {
    QFont font(bundledFontFamily(":/fonts/DejaVuSans.ttf", "sans-serif"));
    font.setStyleHint(QFont::SansSerif);
    return font;
}

// Where the lower part's top edge of the L-shaped Enter key starts, from its right end.
int enterTopIndent(int modelId) {
    return modelId >= 2013 && modelId <= 2015 ? 40 : 38;
}

} // namespace

struct LayoutRenderer::Context {
    QPainter& painter;
    QColor textColor = black;
    QColor textBackground = background;
};

LayoutRenderer::LayoutRenderer()
    : font_(loadFont())
    , metrics_(font_)
    , rawFont_(QRawFont::fromFont(font_)) {
    baseline_ = metrics_.ascent() + std::max(0, (lineHeight - metrics_.height()) / 2);
}

const QStaticText& LayoutRenderer::laidOut(const QString& text) const {
    auto found = laidOut_.find(text);
    if (found == laidOut_.end()) {
        QStaticText staticText(text);
        staticText.setTextFormat(Qt::PlainText);
        staticText.setPerformanceHint(QStaticText::AggressiveCaching);
        staticText.prepare(QTransform(), font_);
        found = laidOut_.insert(text, staticText);
    }
    return *found;
}

QImage LayoutRenderer::render(CVornDoc& doc, const EditingState& state,
                              const TransferStatus& transfer, QSize size, double scale) const {
    size = size.expandedTo(screenSize);
    QImage image((QSizeF(size) * scale).toSize(), QImage::Format_RGB32);
    QPainter painter(&image);
    painter.scale(scale, scale);
    paint(painter, doc, state, transfer, QRect(QPoint(0, 0), size));
    return image;
}

void LayoutRenderer::paint(QPainter& painter, CVornDoc& doc, const EditingState& state,
                           const TransferStatus& transfer, const QRect& clientArea) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setFont(font_);
    Context context{painter};

    painter.setPen(blackPen);
    painter.setBrush(background);
    painter.drawRect(clientArea.adjusted(0, 0, -1, -1));
    painter.setBrush(Qt::NoBrush);

    drawLegendAndStatus(context, doc, state);
    drawContentBox(context, doc, state);
    drawKeyCaps(context, doc, state);
    drawKeyboardFrame(context);

    const bool scanMode = !state.keyIsAscii[state.selectedKey];
    drawText(context, 35, 25,
             scanMode ? tr("Use Mouse or <Shift> + <Arrow> to Select Key. Use <ESC> then "
                           "<Func Key> to Input Function Key Code.")
                      : tr("Use Mouse or <Shift> + <Arrow> to Select Key.  "));
    const QString port =
        transfer.portName == noPortName ? tr("No", "no port") : oemToUnicode(transfer.portName);
    drawText(context, 620, 2, tr("Port Name: %1").arg(port));

    const std::array<std::pair<int, QColor>, 5> legendColours{
        {{35, black}, {230, blue}, {290, black}, {405, green}, {470, black}}};
    const std::array<const char*, 5> legend{
        QT_TRANSLATE_NOOP("vorn::LayoutRenderer", "Black Key: blank key"),
        QT_TRANSLATE_NOOP("vorn::LayoutRenderer", "Blue Key"),
        QT_TRANSLATE_NOOP("vorn::LayoutRenderer", ": defined key"),
        QT_TRANSLATE_NOOP("vorn::LayoutRenderer", "Green Key"),
        QT_TRANSLATE_NOOP("vorn::LayoutRenderer", ": modified key")};
    for (std::size_t i = 0; i < legend.size(); ++i) {
        context.textColor = legendColours[i].second;
        drawText(context, legendColours[i].first, 2, tr(legend[i]));
    }

    if (state.invalidTextWarning) {
        context.textColor = red;
        drawText(context, 100, 350,
                 QString::fromStdString(translateText("vorn::Messages", wrongKeyTextMessage)));
    } else {
        drawText(context, 100, 350, QString(99, ' '));
    }
    drawTransferTexts(context, transfer);
    painter.restore();
}

QString LayoutRenderer::keyCapTip(const CVornDoc& doc, int slot) {
    const auto key = static_cast<std::size_t>(doc.layout().slotKey()[slot]);
    QString tip = oemToUnicode(doc.keyLabel()[static_cast<std::size_t>(slot)]);
    if (!doc.capLabel()[key].empty())
        tip += "\n" + QString::fromStdString(doc.capLabel()[key]);
    if (!doc.keyText()[key].empty())
        tip += "\n" + oemToClipboard(doc.keyText()[key]);
    return tip;
}

const FittedLabel& LayoutRenderer::fitted(const QString& label, QSize box,
                                          const QPaintDevice* device) const {
    const QString cacheKey =
        QString::number(box.width()) + 'x' + QString::number(box.height()) + ':' + label;
    auto found = fittedLabels_.find(cacheKey);
    if (found == fittedLabels_.end())
        found = fittedLabels_.insert(
            cacheKey, LabelFit(labelFont(), device, labelPixels).fit(label, QSizeF(box)));
    return *found;
}

void LayoutRenderer::drawCapLabel(Context& context, const QRect& box, const QString& label) const {
    QPainter& painter = context.painter;
    painter.save();
    painter.setPen(context.textColor);
    painter.setClipRect(box);
    drawFitted(painter, box, fitted(label, box.size(), painter.device()));
    painter.restore();
}

void LayoutRenderer::drawText(Context& context, int x, int y, const QString& text) const {
    QPainter& painter = context.painter;
    const QStaticText& staticText = laidOut(text);
    painter.fillRect(x, y, qCeil(staticText.size().width()), lineHeight, context.textBackground);
    painter.setPen(context.textColor);
    painter.drawStaticText(x, y + baseline_ - metrics_.ascent(), staticText);
}

void LayoutRenderer::drawLegendAndStatus(Context& context, CVornDoc& doc,
                                         const EditingState& state) const {
    drawText(context, 10, 310, tr("Key Name:"));
    drawText(context, 10, 330, tr("Key content:"));
    drawText(context, 490, 310, tr("Total space left (bytes):"));

    context.textColor = blue;
    drawText(context, 80, 310, oemToUnicode(doc.keyLabel()[state.selectedSlot]));
    const QString mode = !state.keyIsAscii[state.selectedKey] ? tr("ScanCode Mode")
                         : state.decimalDisplay               ? tr("ASCII Decimal Mode")
                                                              : tr("ASCII Mode");
    drawText(context, 280, 310, mode);
    drawText(context, 670, 310, QString::number(doc.measureSpaceLeft()));
}

std::string LayoutRenderer::contentLine(const CVornDoc& doc, const EditingState& state) {
    const std::string& text = doc.keyText()[state.selectedKey];
    std::string source;
    int start = 0;
    if (!state.decimalDisplay) {
        source = text;
        start = state.caretIndex - state.caretColumn;
    } else if (isAsciiText(text)) {
        source = decimalDisplayForm(text);
        start = state.caretDisplayIndex - state.caretColumn;
    }
    const auto from = static_cast<std::size_t>(std::clamp<int>(start, 0, int(source.size())));
    return source.substr(from, visibleCharacters);
}

void LayoutRenderer::drawContentBox(Context& context, const CVornDoc& doc,
                                    const EditingState& state) const {
    QPainter& painter = context.painter;
    painter.fillRect(rectOf(contentBox), white);
    painter.setPen(blackPen);
    painter.drawRect(rectOf(contentBox).adjusted(0, 0, -1, -1));

    context.textColor = black;
    context.textBackground = white;
    const std::string line = contentLine(doc, state);
    constexpr int left = contentTextLeft;
    constexpr int top = contentTextTop;
    painter.fillRect(left, top, cellWidth * int(line.size()), lineHeight, white);
    // One glyph per 7-pixel cell, whatever the font's own advance.
    QString glyphs;
    for (const char c : line)
        glyphs.append(QChar(oemGlyph(contentGlyphByte(static_cast<unsigned char>(c)))));
    QList<quint32> indexes = rawFont_.glyphIndexesForString(glyphs);
    QList<QPointF> positions;
    for (qsizetype i = 0; i < indexes.size(); ++i)
        positions.append(QPointF(left + cellWidth * i, top + baseline_));
    QGlyphRun run;
    run.setRawFont(rawFont_);
    run.setGlyphIndexes(indexes);
    run.setPositions(positions);
    painter.setPen(black);
    painter.drawGlyphRun(QPointF(0, 0), run);

    const int caretLeft = firstCellX + cellWidth * state.caretColumn;
    painter.setPen(thickPen);
    painter.drawLine(caretLeft, caretLineY, caretLeft + 5, caretLineY);
}

void LayoutRenderer::drawKeyCaps(Context& context, const CVornDoc& doc,
                                 const EditingState& state) const {
    QPainter& painter = context.painter;
    const KeyLayout& layout = doc.layout();
    const int modelId = doc.modelId();
    // The L-shaped Enter key: its upper part, none on models without one.
    const int enterUpper = modelGeometry(modelId).enterUpperSlot;
    const bool composite = enterUpper >= 0;
    context.textBackground = background;

    for (int s = 0; s < layout.keyCount(); ++s) {
        const auto [x, y] = layout.slotPos()[s];
        const auto [w, h] = layout.slotSize()[s];
        const bool highlighted = state.slotHighlight[s];

        const int topFrom =
            composite && s == enterLowerSlot ? x + w - enterTopIndent(modelId) : x + w;
        painter.setPen(highlighted ? thickPen : whitePen);
        painter.drawPolyline(QPolygon({QPoint(topFrom, y), QPoint(x, y), QPoint(x, y + h)}));

        painter.setPen(highlighted ? thickPen : blackPen);
        if (composite && s == enterUpper)
            painter.drawLine(x + w, y, x + w, y + h);
        else
            painter.drawPolyline(
                QPolygon({QPoint(x + w, y), QPoint(x + w, y + h), QPoint(x, y + h)}));

        const int key = layout.slotKey()[s];
        context.textColor = doc.keyBlank()[key] ? black : doc.keyDefined()[key] ? blue : green;
        const std::string& label = doc.capLabel()[key];
        if (showLabels_ && !label.empty())
            drawCapLabel(context, QRect(x + 2, y + 2, w - 3, h - 3), QString::fromStdString(label));
        else
            drawText(context, x + 3, y + 2, oemToUnicode(doc.keyLabel()[s]));
        context.textColor = black;

        if (composite && s == enterLowerSlot && highlighted) {
            const auto [ux, uy] = layout.slotPos()[enterUpper];
            const auto [uw, uh] = layout.slotSize()[enterUpper];
            painter.setPen(thickPen);
            painter.drawPolyline(
                QPolygon({QPoint(ux + uw, uy), QPoint(ux, uy), QPoint(ux, uy + uh)}));
            painter.drawLine(ux + uw, uy, ux + uw, uy + uh);
        }
    }
}

void LayoutRenderer::drawKeyboardFrame(Context& context) const {
    QPainter& painter = context.painter;
    painter.setPen(blackPen);
    painter.drawPolygon(
        QPolygon({QPoint(30, 20), QPoint(730, 20), QPoint(730, 300), QPoint(30, 300)}));
    painter.setPen(whitePen);
    painter.drawPolygon(
        QPolygon({QPoint(29, 19), QPoint(729, 19), QPoint(729, 299), QPoint(29, 299)}));
}

void LayoutRenderer::drawTransferTexts(Context& context, const TransferStatus& transfer) const {
    if (transfer.active) {
        drawText(context, 250, 365,
                 transfer.reading ? tr("Reading data from keyboard")
                                  : tr("Writing data into keyboard"));
        drawText(context, 200, 398, tr("Please don't use mouse and/or keyboard!"));
        if (!transfer.percent.empty())
            drawText(context, percentX, percentY, QString::fromStdString(transfer.percent));
        return;
    }
    drawText(context, percentX, percentY, QString(percentCharacters, ' '));
    drawText(context, 250, 365, QString(40, ' '));
    drawText(context, 200, 400, QString(66, ' '));
}

} // namespace vorn
