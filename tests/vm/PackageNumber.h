// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/FeatureReport.h"

#include <charconv>
#include <optional>
#include <string_view>

namespace vorn {

// A package number 0 to 63 given on a command line; nothing when the text is not one.
inline std::optional<int> parsePackageNumber(std::string_view text) {
    int package = -1;
    const char* const end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, package);
    if (error != std::errc() || stop != end || package < 0 || package >= packageCount)
        return std::nullopt;
    return package;
}

} // namespace vorn
