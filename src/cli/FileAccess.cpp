#include "cli/FileAccess.h"

#include "document/Files.h"

#include <algorithm>
#include <cstring>

namespace vorn::cli {

namespace {

std::string systemError(const std::string& path, int code) {
    return path + ": " + std::strerror(code);
}

} // namespace

bool readTemplateFile(const std::string& path, TemplateImage& image, std::string& error) {
    std::string bytes;
    if (const int code = readFileStart(path, image.size(), bytes)) {
        error = systemError(path, code);
        return false;
    }
    if (bytes.size() < image.size()) {
        error = path + ": the file holds " + std::to_string(bytes.size()) +
                " bytes; a template file holds " + std::to_string(image.size());
        return false;
    }
    std::copy(bytes.begin(), bytes.end(), image.begin());
    return true;
}

bool writeFileAtomically(const std::string& path, std::string_view bytes, std::string& error) {
    if (const int code = vorn::writeFileAtomically(path, bytes)) {
        error = systemError(path, code);
        return false;
    }
    return true;
}

} // namespace vorn::cli
