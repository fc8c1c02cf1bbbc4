// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/FileAccess.h"

#include "document/Files.h"

namespace vorn::cli {

bool readTemplateFile(const std::string& path, TemplateImage& image, std::string& error) {
    const TemplateFileRead read = vorn::readTemplateFile(path, image);
    if (read.error) {
        error = fileErrorMessage(path, read.error);
        return false;
    }
    if (!read.whole()) {
        error = path + ": the file holds " + std::to_string(read.bytes) +
                " bytes; a template file holds " + std::to_string(image.size());
        return false;
    }
    return true;
}

bool writeFileAtomically(const std::string& path, std::string_view bytes, std::string& error) {
    if (const int code = vorn::writeFileAtomically(path, bytes)) {
        error = fileErrorMessage(path, code);
        return false;
    }
    return true;
}

} // namespace vorn::cli
