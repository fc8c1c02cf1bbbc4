// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CShiftLevel.h"

namespace vorn {

CShiftLevel::CShiftLevel(QWidget* parent)
    : CSpinValueDialog(
          {tr("Put Shift Level Code"), tr("Level No:"), tr("(1--9)"), minimum, maximum, minimum},
          parent) {}

} // namespace vorn
