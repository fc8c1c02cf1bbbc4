// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/DriverChannel.h"

namespace vorn {

// No keyboard driver at all: it cannot be opened and every request fails, so the driver
// counts as not reachable. For transfers that must reach one USB keyboard and no other.
class AbsentDriverChannel : public DriverChannel {
public:
    bool open() override { return false; }
    void close() override {}
    DriverReply exchange(const DriverRecord&, DriverRecord&) override { return {}; }
};

} // namespace vorn
