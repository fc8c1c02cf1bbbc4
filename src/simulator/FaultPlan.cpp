// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulator/FaultPlan.h"

#include <charconv>
#include <vector>

namespace vorn {

namespace {

std::vector<std::string_view> splitFields(std::string_view fault) {
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t colon = fault.find(':', start);
        fields.push_back(fault.substr(start, colon - start));
        if (colon == std::string_view::npos)
            return fields;
        start = colon + 1;
    }
}

std::optional<int> number(std::string_view text, int low, int high) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || value < low || value > high)
        return std::nullopt;
    return value;
}

} // namespace

bool FaultPlan::add(std::string_view fault, std::string& error) {
    const auto fields = splitFields(fault);
    const std::string_view kind = fields[0];
    const std::map<std::string_view, std::map<int, int>*> counted{
        {"read-fail", &readFailures_},
        {"bad-check", &checkFailures_},
        {"write-fail", &writeFailures_},
        {"no-ack", &ackFailures_},
    };
    error = "bad fault '" + std::string(fault) + "'";
    if (const auto it = counted.find(kind); it != counted.end()) {
        const auto package = fields.size() == 3 ? number(fields[1], 0, 63) : std::nullopt;
        const auto count = fields.size() == 3 ? number(fields[2], 1, 1000000) : std::nullopt;
        if (!package || !count) {
            error += ": " + std::string(kind) + ":P:K takes a package 0 to 63 and a count";
            return false;
        }
        (*it->second)[*package] = *count;
    } else if (kind == "unplug-after") {
        const auto package = fields.size() == 2 ? number(fields[1], 0, 63) : std::nullopt;
        if (!package) {
            error += ": unplug-after:P takes a package 0 to 63";
            return false;
        }
        unplugAfter_ = package;
    } else if (kind == "keep-wrong") {
        const auto package = fields.size() == 2 ? number(fields[1], 0, 63) : std::nullopt;
        if (!package) {
            error += ": keep-wrong:P takes a package 0 to 63";
            return false;
        }
        keptWrong_.insert(*package);
    } else if (kind == "no-keyboard" && fields.size() == 1) {
        noKeyboard_ = true;
    } else if (kind == "driver-status" && (fields.size() == 2 || fields.size() == 3)) {
        const auto status = number(fields[1], 1, 2);
        const auto from = fields.size() == 3 ? number(fields[2], 1, 1000000) : 1;
        if (!status || !from) {
            error += ": driver-status:S[:N] takes a status 1 or 2 and a request number from 1";
            return false;
        }
        driverStatus_ = status;
        driverStatusFrom_ = *from;
    } else {
        error += " (see 'vornctl read --help')";
        return false;
    }
    error.clear();
    return true;
}

bool addFaultOption(std::string_view option, std::vector<FaultPlan>& plans, std::string& error) {
    const std::size_t equals = option.find('=');
    if (equals == std::string_view::npos) {
        for (FaultPlan& plan : plans)
            if (!plan.add(option, error))
                return false;
        return true;
    }
    const auto position = number(option.substr(0, equals), 1, static_cast<int>(plans.size()));
    if (!position) {
        error = "bad fault '" + std::string(option) + "': N=FAULT takes the position of a " +
                "simulated keyboard, 1 to " + std::to_string(plans.size());
        return false;
    }
    return plans[static_cast<std::size_t>(*position - 1)].add(option.substr(equals + 1), error);
}

void FaultPlan::applyBeforeDetection(KeyboardFirmware& firmware, SimulatedDriver* driver) const {
    KeyboardFaults& faults = firmware.faults();
    faults.readFailures = readFailures_;
    faults.checkFailures = checkFailures_;
    faults.writeFailures = writeFailures_;
    faults.ackFailures = ackFailures_;
    faults.keptWrong = keptWrong_;
    if (noKeyboard_)
        firmware.unplug();
    if (driverStatus_ && driver)
        driver->answerStatusFrom(*driverStatus_, driverStatusFrom_);
}

void FaultPlan::applyAtTransferStart(KeyboardFirmware& firmware) const {
    firmware.faults().unplugAfterPackage = unplugAfter_;
}

} // namespace vorn
