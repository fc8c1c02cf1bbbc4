// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/CSpinValueDialog.h"

namespace vorn {

// "Put Delay Time": the delay in tenths of a second, 1 to 100, starting at 1.
class CDelayTime : public CSpinValueDialog {
    Q_OBJECT
public:
    static constexpr int minimum = 1;
    static constexpr int maximum = 100;

    explicit CDelayTime(QWidget* parent = nullptr);
};

} // namespace vorn
