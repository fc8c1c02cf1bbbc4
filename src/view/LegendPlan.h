// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "layout/KeyLayout.h"

#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSizeF>
#include <vector>

namespace vorn {

// One key cap on a legend sheet, in view pixels as KeyLayout places it.
struct LegendCap {
    int slot = 0;
    int key = 0;
    QRect face;  // the slot's own rectangle: caption and label go here
    QRect upper; // the upper part of an L-shaped Enter key, null elsewhere
    QRect bounds() const { return upper.isNull() ? face : face.united(upper); }
};

// Where two neighbouring pages meet: a vertical line at view x `at` (pages side by side) or a
// horizontal one at view y `at` (one above the other). Both pages draw their marks there.
struct LegendJoin {
    bool vertical = true;
    int at = 0;
    int otherPage = 0;
};

struct LegendPage {
    int column = 0;
    int row = 0;
    std::vector<int> caps; // indexes into LegendPlan::caps()
    QRect span;            // view pixels: the column's x range by the row's y range
    QPointF origin;        // millimetres from the paint area's top-left: where span's corner is
    std::vector<LegendJoin> joins;
};

// Which caps go on which page, and where, for one paint area (the page inside its margins).
// Caps are split over pages at key boundaries, in columns and rows, each at most as large as
// the room for caps; pages are numbered row by row.
class LegendPlan {
public:
    static constexpr double standardPitchPixels = 30;
    // Millimetres of the paint area: the header above the caps, the ruler and footer below,
    // and the room around the caps for the alignment marks.
    static constexpr double headerHeight = 9;
    static constexpr double footerHeight = 17;
    static constexpr double markRoom = 6;

    LegendPlan(const KeyLayout& layout, double pitch, QSizeF paintArea);

    // Whether the caps take fewer pages across the paper than along it (or as many, and the
    // keyboard is wider than high). `portraitArea` is the paint area of the upright page.
    static bool prefersLandscape(const KeyLayout& layout, double pitch, QSizeF portraitArea);

    double millimetresPerPixel() const { return pitch_ / standardPitchPixels; }
    QSizeF paintArea() const { return paintArea_; }
    // Millimetres: where the caps may be, and around it, where the marks go.
    QRectF capsArea() const;
    QRectF marksArea() const {
        return capsArea().adjusted(-markRoom, -markRoom, markRoom, markRoom);
    }

    const std::vector<LegendCap>& caps() const { return caps_; }
    const std::vector<LegendPage>& pages() const { return pages_; }

    // Millimetres from the paint area's top-left of a view point or rectangle on the page.
    QPointF place(const LegendPage& page, QPointF viewPoint) const;
    QRectF place(const LegendPage& page, const QRect& viewRect) const;

private:
    // Ranges [start, end) along one axis, each cap's index into them.
    struct Bands {
        std::vector<int> starts;
        std::vector<int> ends;
        std::vector<int> capBand;
    };
    static std::vector<LegendCap> capsOf(const KeyLayout& layout);
    static Bands split(const std::vector<LegendCap>& caps, bool across, double roomPixels);
    void buildPages(const Bands& columns, const Bands& rows);
    void addJoins(const Bands& columns, const Bands& rows);

    double pitch_;
    QSizeF paintArea_;
    std::vector<LegendCap> caps_;
    std::vector<LegendPage> pages_;
};

} // namespace vorn
