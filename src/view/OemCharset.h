// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace vorn {

// The glyph a single byte shows on the editor's screen (code page 437, with glyphs for the
// control bytes 1 to 31 and 127; byte 0 shows as a blank).
char16_t oemGlyph(unsigned char byte);

// A byte string (key text, caption, message) for display.
QString oemToUnicode(std::string_view bytes);

// A key text as plain text for the clipboard: the bytes below 0x80 as they are, the others as
// the screen shows them.
QString oemToClipboard(std::string_view bytes);
// The clipboard's text as key text bytes; a character the code page lacks is left out and
// counted in `leftOut`.
std::string clipboardToOem(const QString& text, int& leftOut);

} // namespace vorn
