// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace vorn {

// One HID feature report as it crosses the wire: byte 0 is the report ID (always 0 here),
// 8 data bytes follow.
inline constexpr std::size_t featureReportSize = 9;
using FeatureReport = std::array<std::uint8_t, featureReportSize>;

// A package is 32 bytes of the keyboard's memory, the unit of every transfer.
inline constexpr std::size_t packageSize = 32;
inline constexpr int packageCount = 64;

} // namespace vorn
