// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace vorn {

// The value dialogs of the Key Edit commands; the window shows the real ones, tests answer
// them. Each gives nothing on Cancel.
class KeyEditDialogs {
public:
    virtual ~KeyEditDialogs() = default;

    // "Put Delay Time": tenths of a second, 1 to 100.
    virtual std::optional<int> askDelayTime() = 0;
    // "Put Shift Level Code": 1 to 9.
    virtual std::optional<int> askShiftLevel() = 0;
    // "Input ASCII Code": 1 to 240.
    virtual std::optional<int> askAsciiCode() = 0;
    // "Input Scan Code": the chosen or typed text, possibly empty.
    virtual std::optional<std::string> askScanCode() = 0;
};

} // namespace vorn
