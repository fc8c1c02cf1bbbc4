// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/FeatureReport.h"

#include <functional>
#include <string>

namespace vorn {

enum class ReportDirection { set, get };

// One feature report sent to the keyboard (set) or received from it (get).
struct ReportTraceEvent {
    ReportDirection direction;
    FeatureReport report;
};

using ReportTrace = std::function<void(const ReportTraceEvent&)>;

// "SET" or "GET", a space, the 9 bytes as upper-case hex separated by single spaces.
std::string formatTraceLine(const ReportTraceEvent& event);

} // namespace vorn
