// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/KeyTextEscape.h"

namespace vorn {

namespace {

constexpr char hexDigits[] = "0123456789abcdef";

bool needsHexEscape(unsigned char c) {
    return c < 0x20 || c >= 0x7F;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

std::optional<std::string> unescapeKeyText(std::string_view field, std::string& error) {
    std::string text;
    for (std::size_t i = 0; i < field.size(); ++i) {
        const auto c = static_cast<unsigned char>(field[i]);
        if (c < 0x20 || c == 0x7F) {
            error = "a control character must be written as \\xHH";
            return std::nullopt;
        }
        if (c != '\\') {
            text += static_cast<char>(c);
            continue;
        }
        if (i + 1 < field.size() && field[i + 1] == '\\') {
            text += '\\';
            ++i;
        } else if (i + 3 < field.size() && field[i + 1] == 'x' && hexValue(field[i + 2]) >= 0 &&
                   hexValue(field[i + 3]) >= 0) {
            text += static_cast<char>(hexValue(field[i + 2]) * 16 + hexValue(field[i + 3]));
            i += 3;
        } else {
            error = "a backslash must start \\\\ or \\xHH";
            return std::nullopt;
        }
    }
    return text;
}

std::string escapeKeyText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '\\') {
            out += "\\\\";
        } else if (needsHexEscape(c)) {
            out += "\\x";
            out += hexDigits[c >> 4];
            out += hexDigits[c & 0x0F];
        } else {
            out += ch;
        }
    }
    return out;
}

} // namespace vorn
