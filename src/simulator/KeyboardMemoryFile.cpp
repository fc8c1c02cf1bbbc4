#include "simulator/KeyboardMemoryFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace vorn {

namespace {

std::string systemError(const std::string& path, int code) {
    return path + ": " + std::strerror(code);
}

// Reads up to `size` bytes, retrying short reads; -1 on error.
ssize_t readUpTo(int fd, std::uint8_t* data, std::size_t size) {
    std::size_t got = 0;
    while (got < size) {
        const ssize_t n = ::read(fd, data + got, size - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    return static_cast<ssize_t>(got);
}

bool writeAll(int fd, const std::uint8_t* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

KeyboardMemoryFile::LoadResult KeyboardMemoryFile::load(const std::string& path,
                                                        TemplateImage& memory, std::string& error) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            return LoadResult::missing;
        error = systemError(path, errno);
        return LoadResult::failed;
    }
    TemplateImage bytes{};
    const ssize_t got = readUpTo(fd, bytes.data(), bytes.size());
    const int code = errno;
    std::uint8_t extra = 0;
    const bool longer = got == static_cast<ssize_t>(bytes.size()) && readUpTo(fd, &extra, 1) > 0;
    ::close(fd);
    if (got < 0) {
        error = systemError(path, code);
        return LoadResult::failed;
    }
    if (got != static_cast<ssize_t>(bytes.size()) || longer) {
        error =
            path + ": a keyboard memory file holds exactly " + std::to_string(imageSize) + " bytes";
        return LoadResult::failed;
    }
    memory = bytes;
    return LoadResult::loaded;
}

bool KeyboardMemoryFile::save(const std::string& path, const TemplateImage& memory,
                              std::string& error) {
    const std::filesystem::path target(path);
    std::filesystem::path folder = target.parent_path();
    if (folder.empty())
        folder = ".";
    // Appended piece by piece: "." + name makes GCC 12 at -O3 warn (-Wrestrict) wrongly.
    std::string name = ".";
    name += target.filename().string();
    name += ".XXXXXX";
    std::string temporary = (folder / name).string();
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        error = systemError(path, errno);
        return false;
    }
    // The umask is read once: reading it means setting it, which races with other threads.
    static const mode_t mask = [] {
        const mode_t current = ::umask(0);
        ::umask(current);
        return current;
    }();
    bool ok = ::fchmod(fd, 0666 & ~mask) == 0 && writeAll(fd, memory.data(), memory.size());
    int code = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        code = errno;
    }
    if (ok && ::rename(temporary.c_str(), path.c_str()) != 0) {
        ok = false;
        code = errno;
    }
    if (!ok) {
        ::unlink(temporary.c_str());
        error = systemError(path, code);
    }
    return ok;
}

} // namespace vorn
