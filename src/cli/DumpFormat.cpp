// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/DumpFormat.h"

#include "image/TemplateImage.h"

namespace vorn::cli {

std::optional<DumpLine> parseDumpLine(std::string_view line, std::string& error) {
    const auto tab = line.find('\t');
    if (tab == std::string_view::npos) {
        error = "expected a key number, a TAB and the key text";
        return std::nullopt;
    }
    const auto key = parseKeyNumber(line.substr(0, tab));
    if (!key) {
        error = "the key number must be 0 to 175";
        return std::nullopt;
    }
    auto text = unescapeKeyText(line.substr(tab + 1), error);
    if (!text)
        return std::nullopt;
    return DumpLine{*key, std::move(*text)};
}

} // namespace vorn::cli
