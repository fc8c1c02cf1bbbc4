// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "simulator/KeyboardFirmware.h"
#include "simulator/SimulatedDriver.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace vorn {

// The misbehaviour --fault options ask of the simulated keyboard (P a package, K a count):
// read-fail:P:K, bad-check:P:K, write-fail:P:K, no-ack:P:K, keep-wrong:P, unplug-after:P,
// no-keyboard, driver-status:S[:N]. A later option for the same kind and package replaces an
// earlier one.
class FaultPlan {
public:
    // Adds one option's value; false, with `error`, when it is malformed.
    bool add(std::string_view fault, std::string& error);

    // Everything but the unplugging, which counts packages of the transfer only; the driver's
    // status answers only where the keyboard has a driver.
    void applyBeforeDetection(KeyboardFirmware& firmware, SimulatedDriver* driver) const;
    void applyAtTransferStart(KeyboardFirmware& firmware) const;

private:
    std::map<int, int> readFailures_;
    std::map<int, int> checkFailures_;
    std::map<int, int> writeFailures_;
    std::map<int, int> ackFailures_;
    std::set<int> keptWrong_;
    std::optional<int> unplugAfter_;
    bool noKeyboard_ = false;
    std::optional<int> driverStatus_;
    int driverStatusFrom_ = 1;
};

// Adds one --fault value to the plans of the simulated keyboards: FAULT to every one, N=FAULT
// to the Nth (from 1). False, with `error`, when it is malformed or N names none.
bool addFaultOption(std::string_view option, std::vector<FaultPlan>& plans, std::string& error);

} // namespace vorn
