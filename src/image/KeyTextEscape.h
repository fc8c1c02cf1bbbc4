// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorn {

// A key text as vornctl's dump shows it and a legend sheet prints it: "\" as "\\", bytes
// below 0x20 and from 0x7F up as "\xHH".
std::string escapeKeyText(std::string_view text);
// The text an escaped field stands for; on a bad escape or a raw control character returns
// nothing and says why in `error`.
std::optional<std::string> unescapeKeyText(std::string_view field, std::string& error);

} // namespace vorn
