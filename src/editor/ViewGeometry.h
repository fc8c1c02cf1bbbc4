// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vorn {

// The editor screen's fixed places in view pixels, shared by the editing rules (where a click
// lands, what to repaint), the painter and the window. Boxes run from (left, top) up to but
// not including (right, bottom).
namespace viewGeometry {

struct Box {
    int left;
    int top;
    int right;
    int bottom;

    constexpr int width() const { return right - left; }
    constexpr int height() const { return bottom - top; }
    // Strictly inside: a click on the frame is not in the box.
    constexpr bool holdsInside(int x, int y) const {
        return x > left && x < right && y > top && y < bottom;
    }
};

// The smallest area that shows everything.
inline constexpr int screenWidth = 750;
inline constexpr int screenHeight = 420;

// The content line of the selected key: its framed box, its character cells (7 pixels wide,
// the first at x = 99, text drawn from (98, 331)) and the caret's underline (y = 347).
inline constexpr Box contentBox{95, 330, 700, 350};
inline constexpr int firstCellX = 99;
inline constexpr int cellWidth = 7;
inline constexpr int lineHeight = 16;
inline constexpr int contentTextLeft = 98;
inline constexpr int contentTextTop = 331;
inline constexpr int caretLineY = 347;
inline constexpr int visibleCharacters = 85;

// The key's name, mode, free space and content lines, which the Key Edit commands repaint.
inline constexpr Box keyTextLines{10, 300, 750, 360};

// A transfer's progress bar and its percentage (up to 13 characters, at (460, 380)).
inline constexpr Box progressBar{200, 380, 455, 395};
inline constexpr int percentX = 460;
inline constexpr int percentY = 380;
inline constexpr int percentCharacters = 13;

} // namespace viewGeometry

} // namespace vorn
