// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QSizeF>
#include <QStringList>

class QPainter;
class QPaintDevice;
class QRectF;

namespace vorn {

// A label laid out for a box: its font and lines, none wider than the box, all within its
// height.
struct FittedLabel {
    QFont font;
    QStringList lines;
};

// The font sizes a fit tries, largest first: points (the printed sheet) or whole pixels (the
// screen, drawn at any zoom through the painter's scale).
struct LabelSizes {
    double largest = 11;
    double smallest = 5;
    double step = 0.5;
    bool pixels = false;
};

// Fits a label into a box on a paint device: the largest size from `largest` down to
// `smallest` at which the lines, wrapped at spaces, fit; at the smallest size what still does
// not fit is elided with "…".
class LabelFit {
public:
    static constexpr double largest = LabelSizes{}.largest;
    static constexpr double smallest = LabelSizes{}.smallest;

    LabelFit(const QFont& font, const QPaintDevice* device, LabelSizes sizes = {});

    // `text` has its lines joined by '\n'; `box` is in the device's pixels.
    FittedLabel fit(const QString& text, QSizeF box) const;

private:
    QFont sized(double size) const;
    QStringList wrap(const QString& text, const QFont& font, double width) const;
    bool fits(const QStringList& lines, const QFont& font, QSizeF box) const;
    QStringList elide(QStringList lines, const QFont& font, QSizeF box) const;

    QFont font_;
    const QPaintDevice* device_;
    LabelSizes sizes_;
};

// Draws the fitted lines centred in `area` (the painter's coordinates) in the painter's pen.
void drawFitted(QPainter& painter, const QRectF& area, const FittedLabel& label);

} // namespace vorn
