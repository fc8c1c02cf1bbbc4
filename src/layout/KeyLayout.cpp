// SPDX-License-Identifier: GPL-3.0-or-later
#include "layout/KeyLayout.h"

#include <algorithm>
#include <map>
#include <vector>

namespace vorn {

namespace {

using Ring = std::vector<int>;

// The slots of each row (same y, across all blocks), left to right.
std::map<int, Ring> rowsByY(const ModelGeometry& g) {
    std::map<int, Ring> rows;
    for (int s = 0; s < g.keyCount; ++s)
        if (s != g.enterUpperSlot)
            rows[g.slotPos[s].y].push_back(s);
    for (auto& [y, ring] : rows)
        std::ranges::sort(ring, {}, [&](int s) { return g.slotPos[s].x; });
    return rows;
}

// Rows walked left and right, each from its last slot back to its first.
std::vector<Ring> rings(const ModelGeometry& g) {
    std::map<int, Ring> rows = rowsByY(g);
    std::vector<Ring> result;
    if (g.ringRowFirst != 0 && rows.count(g.ringRowFirst) && rows.count(g.ringRowSecond)) {
        Ring joined = rows[g.ringRowFirst];
        const Ring& second = rows[g.ringRowSecond];
        joined.insert(joined.end(), second.begin(), second.end());
        result.push_back(std::move(joined));
        rows.erase(g.ringRowFirst);
        rows.erase(g.ringRowSecond);
    }
    for (auto& [y, ring] : rows)
        result.push_back(std::move(ring));
    return result;
}

} // namespace

void KeyLayout::apply(int modelId) {
    const ModelGeometry& g = modelGeometry(modelId);
    modelId_ = modelId;
    keyCount_ = g.keyCount;
    std::copy_n(g.slotKey.begin(), keyCount_, slotKey_.begin());
    std::copy_n(g.slotPos.begin(), keyCount_, slotPos_.begin());
    std::copy_n(g.slotSize.begin(), keyCount_, slotSize_.begin());
    std::copy_n(g.up.begin(), keyCount_, neighbours_[static_cast<int>(Direction::up)].begin());
    std::copy_n(g.down.begin(), keyCount_, neighbours_[static_cast<int>(Direction::down)].begin());
    buildLeftRight(g);
}

void KeyLayout::buildLeftRight(const ModelGeometry& g) {
    auto& left = neighbours_[static_cast<int>(Direction::left)];
    auto& right = neighbours_[static_cast<int>(Direction::right)];
    const auto ringsOfModel = rings(g);
    for (const Ring& ring : ringsOfModel) {
        const std::size_t n = ring.size();
        for (std::size_t i = 0; i < n; ++i) {
            left[ring[i]] = ring[(i + n - 1) % n];
            right[ring[i]] = ring[(i + 1) % n];
        }
    }
    // The Enter key's upper part is no stop, but moving from it goes to the keys beside it.
    if (g.enterUpperSlot < 0)
        return;
    const KeyCapPos at = g.slotPos[g.enterUpperSlot];
    for (const Ring& ring : ringsOfModel) {
        if (g.slotPos[ring.front()].y != at.y)
            continue;
        const auto after = std::ranges::find_if(ring, [&](int s) { return g.slotPos[s].x > at.x; });
        right[g.enterUpperSlot] = after == ring.end() ? ring.front() : *after;
        left[g.enterUpperSlot] = after == ring.begin() ? ring.back() : *std::prev(after);
    }
}

int KeyLayout::neighbour(Direction direction, int slot) const {
    if (slot < 0 || slot >= keyCount_)
        return 0;
    return neighbours_[static_cast<int>(direction)][slot];
}

} // namespace vorn
