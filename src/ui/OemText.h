// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string>

namespace vorn {

// The bytes whose code page 437 glyphs the text shows; a character no byte shows becomes '?'.
// A blank is 0x20, although bytes 0x00 and 0xFF show as blanks too.
std::string unicodeToOem(const QString& text);

} // namespace vorn
