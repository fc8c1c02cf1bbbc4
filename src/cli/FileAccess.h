// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "image/TemplateImage.h"

#include <string>
#include <string_view>

namespace vorn::cli {

// Reads the first 2048 bytes of a template file, as the editor's Load does.
// On failure returns false and sets `error` to a message naming the path.
bool readTemplateFile(const std::string& path, TemplateImage& image, std::string& error);

// Replaces `path` with `bytes` through a temporary file in the same folder and a rename,
// so that a failure never leaves a half-written file.
bool writeFileAtomically(const std::string& path, std::string_view bytes, std::string& error);

} // namespace vorn::cli
