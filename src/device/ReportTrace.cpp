// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/ReportTrace.h"

namespace vorn {

std::string formatTraceLine(const ReportTraceEvent& event) {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string line = event.direction == ReportDirection::set ? "SET" : "GET";
    for (const std::uint8_t byte : event.report) {
        line += ' ';
        line += digits[byte >> 4];
        line += digits[byte & 0x0F];
    }
    return line;
}

} // namespace vorn
