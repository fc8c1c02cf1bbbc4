// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

namespace vorn {

inline constexpr int maxSlots = 176;
// The lower part of an L-shaped Enter key, on the models that have one.
inline constexpr int enterLowerSlot = 41;

struct KeyCapPos {
    int x;
    int y;
    friend bool operator==(const KeyCapPos&, const KeyCapPos&) = default;
};

struct KeyCapSize {
    int w;
    int h;
    friend bool operator==(const KeyCapSize&, const KeyCapSize&) = default;
};

// One model's key caps as drawn, and its up and down moves, slot by slot.
struct ModelGeometry {
    int keyCount = 0;
    std::array<int, maxSlots> slotKey{};
    std::array<KeyCapPos, maxSlots> slotPos{};
    std::array<KeyCapSize, maxSlots> slotSize{};
    std::array<int, maxSlots> up{};
    std::array<int, maxSlots> down{};
    // The upper part of an L-shaped Enter key, never a stop for left and right; -1 if none.
    int enterUpperSlot = -1;
    // Two rows (by y) that left and right walk as one ring, the first row first; 0 if none.
    int ringRowFirst = 0;
    int ringRowSecond = 0;
};

// The geometry of a model; ids outside 2013 to 2019 get model 2013's.
const ModelGeometry& modelGeometry(int modelId);

} // namespace vorn
