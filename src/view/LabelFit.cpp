// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/LabelFit.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRectF>
#include <algorithm>
#include <cmath>

namespace vorn {

namespace {

const QChar ellipsis(0x2026);

// How many lines of `metrics` stand in `height`: the first takes its full height, each next
// one line spacing.
int linesWithin(const QFontMetricsF& metrics, double height) {
    if (height < metrics.height())
        return 0;
    return 1 + int(std::floor((height - metrics.height()) / metrics.lineSpacing()));
}

} // namespace

LabelFit::LabelFit(const QFont& font, const QPaintDevice* device, LabelSizes sizes)
    : font_(font)
    , device_(device)
    , sizes_(sizes) {}

QFont LabelFit::sized(double size) const {
    QFont font = font_;
    if (sizes_.pixels)
        font.setPixelSize(int(size));
    else
        font.setPointSizeF(size);
    return font;
}

FittedLabel LabelFit::fit(const QString& text, QSizeF box) const {
    for (double size = sizes_.largest; size > sizes_.smallest; size -= sizes_.step) {
        const QFont font = sized(size);
        QStringList lines = wrap(text, font, box.width());
        if (fits(lines, font, box))
            return {font, lines};
    }
    const QFont font = sized(sizes_.smallest);
    return {font, elide(wrap(text, font, box.width()), font, box)};
}

// Greedy: each line of the text takes as many words as fit; a word wider than the box stays
// on a line of its own.
QStringList LabelFit::wrap(const QString& text, const QFont& font, double width) const {
    const QFontMetricsF metrics(font, device_);
    QStringList lines;
    for (const QString& paragraph : text.split('\n')) {
        QString line;
        for (const QString& word : paragraph.split(' ', Qt::SkipEmptyParts)) {
            const QString longer = line.isEmpty() ? word : line + ' ' + word;
            if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
                lines.append(line);
                line = word;
            } else {
                line = longer;
            }
        }
        lines.append(line);
    }
    return lines;
}

bool LabelFit::fits(const QStringList& lines, const QFont& font, QSizeF box) const {
    const QFontMetricsF metrics(font, device_);
    if (lines.size() > linesWithin(metrics, box.height()))
        return false;
    return std::ranges::all_of(
        lines, [&](const QString& line) { return metrics.horizontalAdvance(line) <= box.width(); });
}

QStringList LabelFit::elide(QStringList lines, const QFont& font, QSizeF box) const {
    const QFontMetricsF metrics(font, device_);
    const int room = std::max(1, linesWithin(metrics, box.height()));
    if (lines.size() > room) {
        lines.resize(room);
        lines.back() += ellipsis;
    }
    for (QString& line : lines)
        line = metrics.elidedText(line, Qt::ElideRight, box.width());
    return lines;
}

void drawFitted(QPainter& painter, const QRectF& area, const FittedLabel& label) {
    const QFontMetricsF metrics(label.font, painter.device());
    const double height = metrics.height() + (label.lines.size() - 1) * metrics.lineSpacing();
    double baseline = area.center().y() - height / 2 + metrics.ascent();
    painter.setFont(label.font);
    for (const QString& line : label.lines) {
        const double left = area.center().x() - metrics.horizontalAdvance(line) / 2;
        painter.drawText(QPointF(left, baseline), line);
        baseline += metrics.lineSpacing();
    }
}

} // namespace vorn
