// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/Translation.h"

#include <vector>

namespace vorn {

namespace {

TextTranslator& installed() {
    static TextTranslator translator;
    return translator;
}

} // namespace

void setTextTranslator(TextTranslator translator) {
    installed() = std::move(translator);
}

std::string translateText(std::string_view context, std::string_view source) {
    if (const TextTranslator& translator = installed())
        return translator(context, source);
    return std::string(source);
}

std::string fillIn(std::string_view text, std::initializer_list<std::string_view> arguments) {
    const std::vector<std::string_view> values(arguments);
    std::string filled;
    filled.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const auto index = static_cast<std::size_t>(text[i + 1] - '1');
            if (index < values.size()) {
                filled += values[index];
                ++i;
                continue;
            }
        }
        filled += text[i];
    }
    return filled;
}

} // namespace vorn
