// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "image/TemplateImage.h"

#include <string>

namespace vorn {

// A simulated keyboard's memory kept in a file of exactly 2048 bytes, so that what was
// written survives the run.
class KeyboardMemoryFile {
public:
    enum class LoadResult { loaded, missing, failed };

    // Reads the file into `memory`. A missing file leaves `memory` alone; a file that cannot
    // be read or is not 2048 bytes long, an empty name and a missing file whose folder is not
    // there either fail with `error` naming the path.
    static LoadResult load(const std::string& path, TemplateImage& memory, std::string& error);
    // Replaces the file through a temporary file and a rename, so it is never half written.
    static bool save(const std::string& path, const TemplateImage& memory, std::string& error);
};

} // namespace vorn
