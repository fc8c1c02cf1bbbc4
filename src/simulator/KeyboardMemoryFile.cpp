// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulator/KeyboardMemoryFile.h"

#include "document/Files.h"

#include <cerrno>
#include <filesystem>

namespace vorn {

KeyboardMemoryFile::LoadResult KeyboardMemoryFile::load(const std::string& path,
                                                        TemplateImage& memory, std::string& error) {
    if (path.empty()) {
        error = "a keyboard memory file needs a name";
        return LoadResult::failed;
    }
    TemplateImage bytes{};
    const TemplateFileRead read = readTemplateFile(path, bytes);
    if (read.error == ENOENT) {
        // Made when the first package is written: its folder must be there to take it.
        const std::filesystem::path folder = std::filesystem::path(path).parent_path();
        std::error_code ec;
        if (!folder.empty() && !std::filesystem::is_directory(folder, ec)) {
            error = fileErrorMessage(folder.string(), ENOENT);
            return LoadResult::failed;
        }
        return LoadResult::missing;
    }
    if (read.error) {
        error = fileErrorMessage(path, read.error);
        return LoadResult::failed;
    }
    if (!read.whole() || read.longer) {
        error =
            path + ": a keyboard memory file holds exactly " + std::to_string(imageSize) + " bytes";
        return LoadResult::failed;
    }
    memory = bytes;
    return LoadResult::loaded;
}

bool KeyboardMemoryFile::save(const std::string& path, const TemplateImage& memory,
                              std::string& error) {
    const std::string_view bytes(reinterpret_cast<const char*>(memory.data()), memory.size());
    if (const int code = writeFileAtomically(path, bytes)) {
        error = fileErrorMessage(path, code);
        return false;
    }
    return true;
}

} // namespace vorn
