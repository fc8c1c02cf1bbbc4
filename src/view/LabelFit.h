// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QSizeF>
#include <QStringList>

class QPaintDevice;

namespace vorn {

// A label laid out for a box: its font and lines, none wider than the box, all within its
// height.
struct FittedLabel {
    QFont font;
    QStringList lines;
};

// Fits a label into a box on a paint device: the largest size from `largest` down to
// `smallest` points at which the lines, wrapped at spaces, fit; at the smallest size what
// still does not fit is elided with "…".
class LabelFit {
public:
    static constexpr double largest = 11;
    static constexpr double smallest = 5;

    LabelFit(const QFont& font, const QPaintDevice* device);

    // `text` has its lines joined by '\n'; `box` is in the device's pixels.
    FittedLabel fit(const QString& text, QSizeF box) const;

private:
    QFont sized(double points) const;
    QStringList wrap(const QString& text, const QFont& font, double width) const;
    bool fits(const QStringList& lines, const QFont& font, QSizeF box) const;
    QStringList elide(QStringList lines, const QFont& font, QSizeF box) const;

    QFont font_;
    const QPaintDevice* device_;
};

} // namespace vorn
