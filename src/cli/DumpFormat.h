// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "image/KeyTextEscape.h"

#include <optional>
#include <string>
#include <string_view>

namespace vorn::cli {

// One dump line; its key text is escaped as image/KeyTextEscape.h says.
struct DumpLine {
    int keyNumber;
    std::string keyText;
};

// Parses "N<TAB>TEXT"; on a malformed line returns nothing and says why in `error`.
std::optional<DumpLine> parseDumpLine(std::string_view line, std::string& error);

} // namespace vorn::cli
