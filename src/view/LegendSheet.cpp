// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/LegendSheet.h"

#include "document/Files.h"
#include "document/VornDoc.h"
#include "image/KeyTextEscape.h"
#include "view/BundledFont.h"
#include "view/LabelFit.h"
#include "view/OemCharset.h"

#include <QBuffer>
#include <QDate>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <algorithm>
#include <array>
#include <utility>

namespace vorn {

namespace {

const QColor ink(0, 0, 0);
const QColor captionInk(96, 96, 96);
const QColor footerInk(80, 80, 80);
const QColor ruleInk(150, 150, 150);

// Point sizes.
constexpr double titlePoints = 11;
constexpr double captionPoints = 5;
constexpr double pitchPoints = 8;
constexpr double rulerPoints = 6;
constexpr double footerPoints = 7;
constexpr double markPoints = 5;

// Millimetres.
constexpr double outlineWidth = 0.15;
constexpr double captionInset = 0.6;
constexpr double labelPad = 0.8;
constexpr double rulerLength = 50;
constexpr double rulerLeft = 1.5; // room for the centred "0" inside the margin
constexpr double markRadius = 1.2;
constexpr double markArm = 2.2;

QFont sansFont() {
    // The bold face serves the page's heading.
    bundledFontFamily(":/fonts/DejaVuSans-Bold.ttf", {});
    QFont font(bundledFontFamily(":/fonts/DejaVuSans.ttf", "sans-serif"));
    font.setStyleHint(QFont::SansSerif);
    // Outlines as designed: the metrics of a PDF's text match what was measured.
    font.setHintingPreference(QFont::PreferNoHinting);
    // No ligatures: "Coffee" stays six letters for whoever searches the PDF.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

} // namespace

struct LegendSheet::Painting {
    QPainter& painter;
    const LegendPlan& plan;
    double dots; // device pixels per millimetre
    int pageCount;

    QPointF at(QPointF mm) const { return mm * dots; }
    QRectF at(const QRectF& mm) const { return {mm.topLeft() * dots, mm.size() * dots}; }
    QPen pen(double width, const QColor& colour) const {
        QPen pen(colour, width * dots);
        pen.setJoinStyle(Qt::MiterJoin);
        return pen;
    }
    QFontMetricsF metrics(const QFont& font) const { return {font, painter.device()}; }
    // Draws `text` on the baseline at `mm`, its left end, centre or right end there.
    void text(QPointF mm, const QString& text, const QFont& font, Qt::Alignment align) const {
        QPointF point = at(mm);
        const double advance = metrics(font).horizontalAdvance(text);
        if (align & Qt::AlignHCenter)
            point.rx() -= advance / 2;
        else if (align & Qt::AlignRight)
            point.rx() -= advance;
        painter.setFont(font);
        painter.drawText(point, text);
    }
};

LegendContent legendContentOf(const CVornDoc& doc, std::string fileName) {
    return {doc.layout(),
            doc.keyLabel(),
            doc.capLabel(),
            doc.keyText(),
            std::move(fileName),
            doc.modelName(),
            QDate::currentDate().toString(Qt::ISODate).toStdString()};
}

LegendSheet::LegendSheet(LegendContent content, LegendOptions options)
    : content_(std::move(content))
    , options_(options)
    , font_(sansFont()) {}

QFont LegendSheet::fontOf(double points) const {
    QFont font = font_;
    font.setPointSizeF(points);
    return font;
}

QPageLayout LegendSheet::pageLayout() const {
    const QPageSize size(legendPageSize(options_.paper));
    const QSizeF portrait =
        size.size(QPageSize::Millimeter) - QSizeF(2 * pageMargin, 2 * pageMargin);
    const bool landscape = LegendPlan::prefersLandscape(content_.layout, options_.pitch, portrait);
    return QPageLayout(size, landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(pageMargin, pageMargin, pageMargin, pageMargin),
                       QPageLayout::Millimeter);
}

LegendPlan LegendSheet::plan(const QPageLayout& layout) const {
    return {content_.layout, options_.pitch, layout.paintRect(QPageLayout::Millimeter).size()};
}

bool LegendSheet::paint(QPagedPaintDevice& device) const {
    const LegendPlan pages = plan(device.pageLayout());
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    Painting p{painter, pages, device.logicalDpiX() / 25.4, int(pages.pages().size())};
    for (std::size_t i = 0; i < pages.pages().size(); ++i) {
        if (i > 0)
            device.newPage();
        paintPage(p, pages.pages()[i], int(i) + 1);
    }
    return painter.end();
}

// Drawn into memory first, then written as every file of ours is: atomically, keeping the
// mode of a file it replaces and refusing what is not a regular file.
bool LegendSheet::writePdf(const QString& path, QString& error) const {
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setCreator("Vorn");
        writer.setTitle(tr("Key legends: %1").arg(QString::fromStdString(content_.fileName)));
        writer.setPageLayout(pageLayout());
        if (!paint(writer)) {
            error = tr("the PDF could not be drawn");
            return false;
        }
    }
    if (const int failure = writeFileAtomically(path.toStdString(), pdf.toStdString())) {
        error = QString::fromStdString(fileErrorText(failure));
        return false;
    }
    return true;
}

QString LegendSheet::legendOf(int key) const {
    const std::string& label = content_.labels[key];
    if (!label.empty())
        return QString::fromStdString(label);
    if (options_.keyTexts)
        return QString::fromStdString(escapeKeyText(content_.keyTexts[key]));
    return {};
}

QString LegendSheet::pitchLine(double pitch) {
    QString number = QString::number(pitch, 'f', 2);
    while (number.endsWith('0'))
        number.chop(1);
    if (number.endsWith('.'))
        number.chop(1);
    return tr("Printed at pitch %1 mm \u2014 check the ruler before cutting").arg(number);
}

void LegendSheet::paintPage(Painting& p, const LegendPage& page, int number) const {
    paintHeader(p, number);
    for (const int cap : page.caps)
        paintCap(p, page, p.plan.caps()[cap]);
    paintJoins(p, page, number);
    paintRuler(p);
    paintFooter(p);
}

void LegendSheet::paintHeader(Painting& p, int number) const {
    QFont title = fontOf(titlePoints);
    title.setBold(true);
    p.painter.setPen(ink);
    const double baseline = 5;
    p.text({0, baseline},
           tr("Key legends \u00b7 %1").arg(QString::fromStdString(content_.modelName)), title,
           Qt::AlignLeft);
    if (p.pageCount > 1)
        p.text({p.plan.paintArea().width(), baseline}, tr("%1 of %2").arg(number).arg(p.pageCount),
               title, Qt::AlignRight);
}

void LegendSheet::paintCap(Painting& p, const LegendPage& page, const LegendCap& cap) const {
    const QRectF face = p.plan.place(page, cap.face);
    QPainterPath outline;
    outline.addRect(p.at(face));
    if (!cap.upper.isNull()) {
        QPainterPath upper;
        upper.addRect(p.at(p.plan.place(page, cap.upper)));
        outline = outline.united(upper).simplified();
    }
    p.painter.setPen(p.pen(outlineWidth, ink));
    p.painter.setBrush(Qt::NoBrush);
    p.painter.drawPath(outline);

    const QFont small = fontOf(captionPoints);
    const QFontMetricsF metrics = p.metrics(small);
    const QString caption =
        metrics.elidedText(oemToUnicode(content_.captions[cap.slot]), Qt::ElideRight,
                           (face.width() - 2 * captionInset) * p.dots);
    p.painter.setPen(captionInk);
    p.text({face.left() + captionInset, face.top() + captionInset + metrics.ascent() / p.dots},
           caption, small, Qt::AlignLeft);

    // The label keeps clear of the caption's line, as far from the bottom edge: centred.
    const double band = captionInset + metrics.height() / p.dots;
    paintLabel(p, face.adjusted(labelPad, band, -labelPad, -band), legendOf(cap.key));
}

void LegendSheet::paintLabel(Painting& p, const QRectF& box, const QString& text) const {
    if (text.isEmpty())
        return;
    const QRectF area = p.at(box);
    p.painter.setPen(ink);
    drawFitted(p.painter, area, LabelFit(font_, p.painter.device()).fit(text, area.size()));
}

// A registration mark (a circle and a cross) at both ends of every join with the page beside,
// named by the two pages: the sheets are laid over each other at their marks.
void LegendSheet::paintJoins(Painting& p, const LegendPage& page, int number) const {
    const QFont small = fontOf(markPoints);
    const LegendPlan& plan = p.plan;
    const QRect span = page.span;
    const QPointF first = plan.place(page, QPointF(span.topLeft()));
    const QPointF last =
        plan.place(page, QPointF(span.x() + span.width(), span.y() + span.height()));
    const double away = LegendPlan::markRoom / 2;
    const int self = number - 1;
    for (const LegendJoin& join : page.joins) {
        const QPointF at = plan.place(page, QPointF(join.at, join.at));
        const std::array<QPointF, 2> marks =
            join.vertical
                ? std::array{QPointF(at.x(), first.y() - away), QPointF(at.x(), last.y() + away)}
                : std::array{QPointF(first.x() - away, at.y()), QPointF(last.x() + away, at.y())};
        const QString name = QString("%1 | %2")
                                 .arg(std::min(self, join.otherPage) + 1)
                                 .arg(std::max(self, join.otherPage) + 1);
        for (const QPointF& mark : marks) {
            p.painter.setPen(p.pen(0.12, ink));
            p.painter.setBrush(Qt::NoBrush);
            p.painter.drawEllipse(p.at(mark), markRadius * p.dots, markRadius * p.dots);
            p.painter.drawLine(p.at(mark - QPointF(markArm, 0)), p.at(mark + QPointF(markArm, 0)));
            p.painter.drawLine(p.at(mark - QPointF(0, markArm)), p.at(mark + QPointF(0, markArm)));
            p.text(mark + QPointF(markArm + 0.5, -0.5), name, small, Qt::AlignLeft);
        }
    }
}

// 50 mm with a tick every millimetre, longer ones every 5 and 10, and the pitch beside it.
void LegendSheet::paintRuler(Painting& p) const {
    const double line = p.plan.paintArea().height() - LegendPlan::footerHeight + 3.5;
    p.painter.setPen(p.pen(0.12, ink));
    p.painter.drawLine(p.at({rulerLeft, line}), p.at({rulerLeft + rulerLength, line}));
    const QFont numbers = fontOf(rulerPoints);
    for (int mm = 0; mm <= int(rulerLength); ++mm) {
        const double length = mm % 10 == 0 ? 2.6 : mm % 5 == 0 ? 1.8 : 1.1;
        const double x = rulerLeft + mm;
        p.painter.drawLine(p.at({x, line}), p.at({x, line + length}));
        if (mm % 10 == 0)
            p.text({x, line + 5}, QString::number(mm), numbers, Qt::AlignHCenter);
    }
    p.text({rulerLeft + rulerLength + 2, line + 5}, "mm", numbers, Qt::AlignLeft);

    const QFont pitch = fontOf(pitchPoints);
    p.text({rulerLeft + rulerLength + 12, line + 2.8}, pitchLine(options_.pitch), pitch,
           Qt::AlignLeft);
}

void LegendSheet::paintFooter(Painting& p) const {
    const QSizeF area = p.plan.paintArea();
    const double rule = area.height() - 5;
    p.painter.setPen(p.pen(0.1, ruleInk));
    p.painter.drawLine(p.at({0, rule}), p.at({area.width(), rule}));
    const QFont small = fontOf(footerPoints);
    p.painter.setPen(footerInk);
    const double baseline = area.height() - 1.5;
    p.text({0, baseline}, tr("Template: %1").arg(QString::fromStdString(content_.fileName)), small,
           Qt::AlignLeft);
    p.text({area.width() / 2, baseline},
           tr("Model: %1").arg(QString::fromStdString(content_.modelName)), small,
           Qt::AlignHCenter);
    p.text({area.width(), baseline}, QString::fromStdString(content_.date), small, Qt::AlignRight);
}

} // namespace vorn
