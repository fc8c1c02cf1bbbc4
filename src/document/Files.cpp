// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/Files.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace vorn {

namespace {

// Writes all of `bytes`, retrying short writes and interrupted calls.
bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0) {
            errno = EIO;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// The mode a replaced file keeps, or what a newly created file gets under the umask.
mode_t targetMode(const struct stat* existing) {
    if (existing)
        return existing->st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

std::string fileErrorText(int error) {
    return error == notRegularFile ? "not a regular file" : std::strerror(error);
}

std::string fileErrorMessage(const std::string& path, int error) {
    if (error == notRegularFile)
        return path + " is not a regular file";
    return path + ": " + fileErrorText(error);
}

int readFileChunks(const std::string& path, const std::function<bool(std::string_view)>& chunk) {
    // Non-blocking, so that a FIFO is refused instead of waited on; a regular file reads as
    // ever.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return errno;
    struct stat status {};
    const int error = ::fstat(fd, &status) != 0  ? errno
                      : !S_ISREG(status.st_mode) ? notRegularFile
                                                 : 0;
    if (error) {
        ::close(fd);
        return error;
    }
    std::array<char, 65536> buffer;
    int readError = 0;
    for (;;) {
        const ssize_t n = ::read(fd, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            readError = errno;
        if (n <= 0 || !chunk({buffer.data(), static_cast<std::size_t>(n)}))
            break;
    }
    ::close(fd);
    return readError;
}

int readFileStart(const std::string& path, std::size_t maxBytes, std::string& bytes) {
    bytes.clear();
    return readFileChunks(path, [&](std::string_view chunk) {
        bytes.append(chunk.substr(0, maxBytes - bytes.size()));
        return bytes.size() < maxBytes;
    });
}

TemplateFileRead readTemplateFile(const std::string& path, TemplateImage& image) {
    std::string bytes;
    TemplateFileRead read;
    read.error = readFileStart(path, imageSize + 1, bytes);
    read.bytes = std::min(bytes.size(), imageSize);
    read.longer = bytes.size() > imageSize;
    if (read.whole())
        std::copy_n(bytes.begin(), imageSize, image.begin());
    return read;
}

int writeFileAtomically(const std::string& path, std::string_view bytes) {
    // Through a link the file it points at is replaced, not the link.
    std::error_code ec;
    std::filesystem::path target = std::filesystem::weakly_canonical(path, ec);
    if (ec)
        target = path;
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode))
        return notRegularFile;
    // A file the user may not write is not replaced either (the rename alone would allow it).
    if (exists && ::access(target.c_str(), W_OK) != 0)
        return errno;
    std::filesystem::path folder = target.parent_path();
    if (folder.empty())
        folder = ".";
    // Appended piece by piece: "." + name makes GCC 12 at -O3 warn (-Wrestrict) wrongly.
    std::string name = ".";
    name += target.filename().string();
    name += ".XXXXXX";
    std::string temporary = (folder / name).string();
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return errno;
    // Root replaces a file of another user's without taking it over.
    const bool keepOwner = exists && ::geteuid() == 0;
    bool ok = ::fchmod(fd, targetMode(exists ? &existing : nullptr)) == 0 &&
              (!keepOwner || ::fchown(fd, existing.st_uid, existing.st_gid) == 0) &&
              writeAll(fd, bytes) && ::fsync(fd) == 0;
    int error = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && ::rename(temporary.c_str(), target.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok)
        ::unlink(temporary.c_str());
    return error;
}

bool isRegularOrMissing(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) != 0 || S_ISREG(status.st_mode);
}

std::string currentDirectory() {
    std::error_code ec;
    const auto path = std::filesystem::current_path(ec);
    return ec ? std::string(".") : path.string();
}

std::vector<std::string> programDataDirectories() {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        return {};
    std::vector<std::string> folders{
        (exe.parent_path().parent_path() / VORN_INSTALL_DATA_DIR).lexically_normal().string()};
#ifdef VORN_BUILD_DIR
    const std::string buildTree = VORN_BUILD_DIR "/";
    if (exe.string().starts_with(buildTree))
        folders.push_back(VORN_SOURCE_DATA_DIR);
#endif
    return folders;
}

} // namespace vorn
