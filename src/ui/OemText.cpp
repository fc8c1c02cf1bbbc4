// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/OemText.h"

#include "view/OemCharset.h"

namespace vorn {

namespace {

// The first byte, printable ones before the control bytes, that shows as `c`.
char oemByteOf(QChar c) {
    constexpr int byteCount = 256;
    constexpr int firstPrintable = 0x20;
    for (int i = 0; i < byteCount; ++i) {
        const auto byte = static_cast<unsigned char>((i + firstPrintable) % byteCount);
        if (oemGlyph(byte) == c.unicode())
            return static_cast<char>(byte);
    }
    return '?';
}

} // namespace

std::string unicodeToOem(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text)
        bytes += oemByteOf(c);
    return bytes;
}

} // namespace vorn
