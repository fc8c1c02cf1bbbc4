// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vorn {

// What a keyboard of the family reports over USB. The product string is a prefix: the
// keyboard may report more characters after it.
inline constexpr std::string_view keyboardProductPrefix = "VQ5040U";
inline constexpr std::uint16_t keyboardVendorId = 0x0FA8;
inline constexpr std::uint16_t keyboardProductId = 0xC280;

struct KeyboardIdentity {
    std::string product{keyboardProductPrefix};
    std::uint16_t vendorId = keyboardVendorId;
    std::uint16_t productId = keyboardProductId;
};

} // namespace vorn
