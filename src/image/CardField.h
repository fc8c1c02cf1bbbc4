// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "image/TemplateImage.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace vorn {

// A card reader field in its readable form: 0x0D, 0x0A, 0x09 and '[' are written
// "[CR]", "[LF]", "[TB]" and "[["; the field's text ends at its first 0xFF.
std::string decodeCardField(const TemplateImage& image, std::size_t offset, std::size_t size);

// Fills the field with 0xFF, then writes one byte per unit of the text, at most `size`.
// A '[' that starts no valid unit takes a position that keeps 0xFF.
void encodeCardField(std::string_view text, TemplateImage& image, std::size_t offset,
                     std::size_t size);

// False when a '[' starts no valid unit or the text has more units than the field has bytes.
bool checkCardText(std::string_view text, std::size_t size);

} // namespace vorn
