#include "simulator/KeyboardMemoryFile.h"

#include "document/Files.h"

#include <cerrno>
#include <cstring>

namespace vorn {

KeyboardMemoryFile::LoadResult KeyboardMemoryFile::load(const std::string& path,
                                                        TemplateImage& memory, std::string& error) {
    TemplateImage bytes{};
    const TemplateFileRead read = readTemplateFile(path, bytes);
    if (read.error == ENOENT)
        return LoadResult::missing;
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
