// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/CSpinValueDialog.h"

namespace vorn {

// "Put Shift Level Code": the level, 1 to 9, starting at 1.
class CShiftLevel : public CSpinValueDialog {
    Q_OBJECT
public:
    static constexpr int minimum = 1;
    static constexpr int maximum = 9;

    explicit CShiftLevel(QWidget* parent = nullptr);
};

} // namespace vorn
