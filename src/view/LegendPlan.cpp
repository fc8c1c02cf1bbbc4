// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/LegendPlan.h"

#include <algorithm>
#include <map>
#include <utility>

namespace vorn {

namespace {

int low(const QRect& r, bool across) {
    return across ? r.x() : r.y();
}

int high(const QRect& r, bool across) {
    return across ? r.x() + r.width() : r.y() + r.height();
}

QRect rectOf(const KeyLayout& layout, int slot) {
    const auto [x, y] = layout.slotPos()[slot];
    const auto [w, h] = layout.slotSize()[slot];
    return {x, y, w, h};
}

} // namespace

LegendPlan::LegendPlan(const KeyLayout& layout, double pitch, QSizeF paintArea)
    : pitch_(pitch)
    , paintArea_(paintArea)
    , caps_(capsOf(layout)) {
    const QRectF room = capsArea();
    const double pixelsPerMm = 1 / millimetresPerPixel();
    const Bands columns = split(caps_, true, room.width() * pixelsPerMm);
    const Bands rows = split(caps_, false, room.height() * pixelsPerMm);
    buildPages(columns, rows);
    addJoins(columns, rows);
}

bool LegendPlan::prefersLandscape(const KeyLayout& layout, double pitch, QSizeF portraitArea) {
    const LegendPlan upright(layout, pitch, portraitArea);
    const LegendPlan across(layout, pitch, portraitArea.transposed());
    if (upright.pages().size() != across.pages().size())
        return across.pages().size() < upright.pages().size();
    QRect all;
    for (const LegendCap& cap : upright.caps())
        all |= cap.bounds();
    return all.width() > all.height();
}

QRectF LegendPlan::capsArea() const {
    const QRectF body(0, headerHeight, paintArea_.width(),
                      paintArea_.height() - headerHeight - footerHeight);
    return body.adjusted(markRoom, markRoom, -markRoom, -markRoom);
}

QPointF LegendPlan::place(const LegendPage& page, QPointF viewPoint) const {
    return page.origin + (viewPoint - QPointF(page.span.topLeft())) * millimetresPerPixel();
}

QRectF LegendPlan::place(const LegendPage& page, const QRect& viewRect) const {
    const double scale = millimetresPerPixel();
    return {place(page, QPointF(viewRect.topLeft())),
            QSizeF(viewRect.width() * scale, viewRect.height() * scale)};
}

std::vector<LegendCap> LegendPlan::capsOf(const KeyLayout& layout) {
    // The L-shaped Enter key is one cap: its upper slot joins the lower one.
    const int enterUpper = modelGeometry(layout.modelId()).enterUpperSlot;
    std::vector<LegendCap> caps;
    for (int slot = 0; slot < layout.keyCount(); ++slot) {
        if (slot == enterUpper)
            continue;
        LegendCap cap{slot, layout.slotKey()[slot], rectOf(layout, slot), {}};
        if (enterUpper >= 0 && slot == enterLowerSlot)
            cap.upper = rectOf(layout, enterUpper);
        caps.push_back(cap);
    }
    return caps;
}

// Greedy from the lowest edge: a band takes every cap left that ends within the room from its
// start (at least the cap that ends first, should none fit), the next band starts at the
// lowest cap left.
LegendPlan::Bands LegendPlan::split(const std::vector<LegendCap>& caps, bool across,
                                    double roomPixels) {
    Bands bands;
    bands.capBand.assign(caps.size(), -1);
    std::size_t placed = 0;
    while (placed < caps.size()) {
        int start = 0;
        int firstEnd = 0;
        bool any = false;
        for (std::size_t i = 0; i < caps.size(); ++i) {
            if (bands.capBand[i] >= 0)
                continue;
            const QRect r = caps[i].bounds();
            start = any ? std::min(start, low(r, across)) : low(r, across);
            firstEnd = any ? std::min(firstEnd, high(r, across)) : high(r, across);
            any = true;
        }
        const double limit = std::max(start + roomPixels, double(firstEnd));
        const int band = int(bands.starts.size());
        int end = start;
        for (std::size_t i = 0; i < caps.size(); ++i) {
            const int capEnd = high(caps[i].bounds(), across);
            if (bands.capBand[i] >= 0 || capEnd > limit + 1e-9)
                continue;
            bands.capBand[i] = band;
            end = std::max(end, capEnd);
            ++placed;
        }
        bands.starts.push_back(start);
        bands.ends.push_back(end);
    }
    return bands;
}

void LegendPlan::buildPages(const Bands& columns, const Bands& rows) {
    const QRectF room = capsArea();
    const double scale = millimetresPerPixel();
    for (std::size_t row = 0; row < rows.starts.size(); ++row) {
        for (std::size_t column = 0; column < columns.starts.size(); ++column) {
            LegendPage page;
            page.column = int(column);
            page.row = int(row);
            for (std::size_t i = 0; i < caps_.size(); ++i)
                if (columns.capBand[i] == int(column) && rows.capBand[i] == int(row))
                    page.caps.push_back(int(i));
            if (page.caps.empty())
                continue;
            page.span = QRect(columns.starts[column], rows.starts[row],
                              columns.ends[column] - columns.starts[column],
                              rows.ends[row] - rows.starts[row]);
            // Centred across an axis the sheet does not split, from the corner along one it does.
            const double spareX = room.width() - page.span.width() * scale;
            const double spareY = room.height() - page.span.height() * scale;
            page.origin = room.topLeft() + QPointF(columns.starts.size() == 1 ? spareX / 2 : 0,
                                                   rows.starts.size() == 1 ? spareY / 2 : 0);
            pages_.push_back(std::move(page));
        }
    }
}

void LegendPlan::addJoins(const Bands& columns, const Bands& rows) {
    std::map<std::pair<int, int>, int> byPlace;
    for (std::size_t i = 0; i < pages_.size(); ++i)
        byPlace[{pages_[i].column, pages_[i].row}] = int(i);
    for (const auto& [place, index] : byPlace) {
        const auto [column, row] = place;
        if (const auto right = byPlace.find({column + 1, row}); right != byPlace.end()) {
            const int at = columns.starts[column + 1];
            pages_[index].joins.push_back({true, at, right->second});
            pages_[right->second].joins.push_back({true, at, index});
        }
        if (const auto below = byPlace.find({column, row + 1}); below != byPlace.end()) {
            const int at = rows.starts[row + 1];
            pages_[index].joins.push_back({false, at, below->second});
            pages_[below->second].joins.push_back({false, at, index});
        }
    }
}

} // namespace vorn
