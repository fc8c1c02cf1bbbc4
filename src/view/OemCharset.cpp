// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/OemCharset.h"

#include <algorithm>
#include <array>

namespace vorn {

namespace {

// Code page 437 as the screen shows it, byte by byte.
// clang-format off
constexpr std::array<char16_t, 256> codePage437 = {
    // 0x00
    u' ', u'☺', u'☻', u'♥', u'♦', u'♣', u'♠', u'•', u'◘', u'○', u'◙', u'♂', u'♀', u'♪', u'♫', u'☼',
    // 0x10
    u'►', u'◄', u'↕', u'‼', u'¶', u'§', u'▬', u'↨', u'↑', u'↓', u'→', u'←', u'∟', u'↔', u'▲', u'▼',
    // 0x20
    u' ', u'!', u'"', u'#', u'$', u'%', u'&', u'\'', u'(', u')', u'*', u'+', u',', u'-', u'.', u'/',
    // 0x30
    u'0', u'1', u'2', u'3', u'4', u'5', u'6', u'7', u'8', u'9', u':', u';', u'<', u'=', u'>', u'?',
    // 0x40
    u'@', u'A', u'B', u'C', u'D', u'E', u'F', u'G', u'H', u'I', u'J', u'K', u'L', u'M', u'N', u'O',
    // 0x50
    u'P', u'Q', u'R', u'S', u'T', u'U', u'V', u'W', u'X', u'Y', u'Z', u'[', u'\\', u']', u'^', u'_',
    // 0x60
    u'`', u'a', u'b', u'c', u'd', u'e', u'f', u'g', u'h', u'i', u'j', u'k', u'l', u'm', u'n', u'o',
    // 0x70
    u'p', u'q', u'r', u's', u't', u'u', u'v', u'w', u'x', u'y', u'z', u'{', u'|', u'}', u'~', u'⌂',
    // 0x80
    u'Ç', u'ü', u'é', u'â', u'ä', u'à', u'å', u'ç', u'ê', u'ë', u'è', u'ï', u'î', u'ì', u'Ä', u'Å',
    // 0x90
    u'É', u'æ', u'Æ', u'ô', u'ö', u'ò', u'û', u'ù', u'ÿ', u'Ö', u'Ü', u'¢', u'£', u'¥', u'₧', u'ƒ',
    // 0xA0
    u'á', u'í', u'ó', u'ú', u'ñ', u'Ñ', u'ª', u'º', u'¿', u'⌐', u'¬', u'½', u'¼', u'¡', u'«', u'»',
    // 0xB0
    u'░', u'▒', u'▓', u'│', u'┤', u'╡', u'╢', u'╖', u'╕', u'╣', u'║', u'╗', u'╝', u'╜', u'╛', u'┐',
    // 0xC0
    u'└', u'┴', u'┬', u'├', u'─', u'┼', u'╞', u'╟', u'╚', u'╔', u'╩', u'╦', u'╠', u'═', u'╬', u'╧',
    // 0xD0
    u'╨', u'╤', u'╥', u'╙', u'╘', u'╒', u'╓', u'╫', u'╪', u'┘', u'┌', u'█', u'▄', u'▌', u'▐', u'▀',
    // 0xE0
    u'α', u'ß', u'Γ', u'π', u'Σ', u'σ', u'µ', u'τ', u'Φ', u'Θ', u'Ω', u'δ', u'∞', u'φ', u'ε', u'∩',
    // 0xF0
    u'≡', u'±', u'≥', u'≤', u'⌠', u'⌡', u'÷', u'≈', u'°', u'∙', u'·', u'√', u'ⁿ', u'²', u'■', u' ',
};
// clang-format on

} // namespace

char16_t oemGlyph(unsigned char byte) {
    return codePage437[byte];
}

QString oemToUnicode(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char c : bytes)
        text.append(QChar(oemGlyph(static_cast<unsigned char>(c))));
    return text;
}

} // namespace vorn

namespace vorn {

QString oemToClipboard(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        text.append(byte < 0x80 ? QChar(byte) : QChar(oemGlyph(byte)));
    }
    return text;
}

std::string clipboardToOem(const QString& text, int& leftOut) {
    std::string bytes;
    leftOut = 0;
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            bytes += static_cast<char>(c.unicode());
            continue;
        }
        // 0xFF would begin a scan code: it never comes from the clipboard.
        const auto* last = codePage437.end() - 1;
        const auto* found = std::find(codePage437.begin() + 0x80, last, c.unicode());
        if (found == last)
            ++leftOut;
        else
            bytes += static_cast<char>(found - codePage437.begin());
    }
    return bytes;
}

} // namespace vorn
