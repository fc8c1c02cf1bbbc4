// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "image/TemplateImage.h"

#include <string>
#include <string_view>

namespace vorn {

// The content bytes of one key record, without its terminating 0x00.
std::string encodeKeyText(std::string_view text);

// The number of content bytes encodeKeyText() gives for a text that passes the key text checks.
int encodedLength(std::string_view text);

// Free bytes of the key area once all key texts (model 2013's keys paired) are encoded;
// negative when they need more room than it has.
int keyAreaSpaceLeft(const KeyTexts& keyText, int modelId);

// Rewrites the key area and block index from the key texts (pairing model 2013's keys first).
// The key area always ends up holding exactly 176 records: a record keeps a content byte only
// while one byte stays free for every terminator still to come, and 0x00 bytes are never
// stored as content. Bytes after the last terminator keep their values.
void encodeImage(TemplateImage& image, KeyTexts& keyText, int modelId);

} // namespace vorn
