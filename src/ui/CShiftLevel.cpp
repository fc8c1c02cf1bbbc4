// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CShiftLevel.h"

namespace vorn {

CShiftLevel::CShiftLevel(QWidget* parent)
    : CSpinValueDialog({"Put Shift Level Code", "Level No:", "(1--9)", minimum, maximum, minimum},
                       parent) {}

} // namespace vorn
