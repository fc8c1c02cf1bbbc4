// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "layout/LayoutTables.h"

#include <array>

namespace vorn {

enum class Direction { left = 0, right = 1, up = 2, down = 3 };

// The key caps of one keyboard model: which key number each slot shows, where it is drawn,
// and where the arrow keys move the selection from it.
class KeyLayout {
public:
    KeyLayout() = default;
    explicit KeyLayout(int modelId) { apply(modelId); }

    // Fills slots 0 to keyCount - 1 for the model (2013's layout for unknown ids); entries
    // beyond keyCount keep what an earlier model left there, and nothing reads them.
    void apply(int modelId);

    int keyCount() const { return keyCount_; }
    int modelId() const { return modelId_; }
    const std::array<int, maxSlots>& slotKey() const { return slotKey_; }
    const std::array<KeyCapPos, maxSlots>& slotPos() const { return slotPos_; }
    const std::array<KeyCapSize, maxSlots>& slotSize() const { return slotSize_; }

    // The slot an arrow key moves to from `slot`; slot 0 for a slot outside 0..keyCount - 1.
    int neighbour(Direction direction, int slot) const;

private:
    void buildLeftRight(const ModelGeometry& geometry);

    int keyCount_ = 0;
    int modelId_ = 0;
    std::array<int, maxSlots> slotKey_{};
    std::array<KeyCapPos, maxSlots> slotPos_{};
    std::array<KeyCapSize, maxSlots> slotSize_{};
    std::array<std::array<int, maxSlots>, 4> neighbours_{};
};

} // namespace vorn
