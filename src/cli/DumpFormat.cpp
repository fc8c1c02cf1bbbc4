// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/DumpFormat.h"

#include "image/TemplateImage.h"

namespace vorn::cli {

namespace {

std::optional<int> parseKeyNumber(std::string_view field) {
    if (field.empty() || field.size() > 3)
        return std::nullopt;
    int value = 0;
    for (const char c : field) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value >= keyNumberCount)
        return std::nullopt;
    return value;
}

} // namespace

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
