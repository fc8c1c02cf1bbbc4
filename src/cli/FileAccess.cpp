#include "cli/FileAccess.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace vorn::cli {

namespace {

std::string systemError(const std::string& path, int code) {
    return path + ": " + std::strerror(code);
}

// Writes all of `bytes`, retrying short writes and interrupted calls.
bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// The mode a replaced file keeps, or what a newly created file gets under the umask.
mode_t targetMode(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0)
        return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

bool readTemplateFile(const std::string& path, TemplateImage& image, std::string& error) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = systemError(path, errno);
        return false;
    }
    std::size_t got = 0;
    while (got < image.size()) {
        const ssize_t n = ::read(fd, image.data() + got, image.size() - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            error = systemError(path, errno);
            ::close(fd);
            return false;
        }
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (got < image.size()) {
        error = path + ": the file holds " + std::to_string(got) +
                " bytes; a template file holds " + std::to_string(image.size());
        return false;
    }
    return true;
}

bool writeFileAtomically(const std::string& path, std::string_view bytes, std::string& error) {
    const std::filesystem::path target(path);
    std::filesystem::path folder = target.parent_path();
    if (folder.empty())
        folder = ".";
    std::string temporary = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        error = systemError(path, errno);
        return false;
    }
    bool ok = ::fchmod(fd, targetMode(path)) == 0 && writeAll(fd, bytes) && ::fsync(fd) == 0;
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

} // namespace vorn::cli
