// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CDelayTime.h"

namespace vorn {

CDelayTime::CDelayTime(QWidget* parent)
    : CSpinValueDialog(
          {tr("Put Delay Time"), tr("Time:"), tr(" x 0.1 second"), minimum, maximum, minimum},
          parent) {}

} // namespace vorn
