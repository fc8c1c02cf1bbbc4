// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "image/TemplateImage.h"

#include <cstddef>
#include <string>

namespace vorn {

// Decodes the record that starts at `pos` and leaves `pos` after the record's 0x00.
// Never reads beyond the image: its end ends a record as a 0x00 would.
std::string decodeRecord(const TemplateImage& image, std::size_t& pos);

// Replaces all 176 key texts from the image's key area, then pairs model 2013's keys.
void decodeImage(const TemplateImage& image, int modelId, KeyTexts& keyText);

} // namespace vorn
