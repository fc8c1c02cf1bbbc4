// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulator/MemoryFileLock.h"

#include "document/Files.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vorn {

MemoryFileLock::MemoryFileLock(const std::string& memoryPath)
    : path_(lockPathFor(memoryPath)) {}

MemoryFileLock::~MemoryFileLock() {
    unlock();
}

std::string MemoryFileLock::lockPathFor(const std::string& memoryPath) {
    std::error_code ec;
    const std::filesystem::path target = std::filesystem::weakly_canonical(memoryPath, ec);
    return (ec ? memoryPath : target.string()) + ".lock";
}

MemoryFileLock::Result MemoryFileLock::tryLock() {
    if (locked())
        return Result::locked;
    // Read-only is enough for flock. Not following a link and not blocking keeps a planted
    // link or FIFO from being written through or waited on.
    const int fd =
        ::open(path_.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0666);
    if (fd < 0) {
        const int code = errno;
        if (code == EACCES || code == EPERM || code == EROFS)
            return Result::unlocked;
        error_ = fileErrorMessage(path_, code == ELOOP ? notRegularFile : code);
        return Result::failed;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        error_ = fileErrorMessage(path_, notRegularFile);
        ::close(fd);
        return Result::failed;
    }
    int result;
    do
        result = ::flock(fd, LOCK_EX | LOCK_NB);
    while (result != 0 && errno == EINTR);
    if (result != 0) {
        const int code = errno;
        ::close(fd);
        if (code == EWOULDBLOCK)
            return Result::busy;
        error_ = fileErrorMessage(path_, code);
        return Result::failed;
    }
    fd_ = fd;
    return Result::locked;
}

void MemoryFileLock::unlock() {
    if (fd_ >= 0)
        ::close(fd_); // closing the only descriptor of the open file releases its lock
    fd_ = -1;
}

} // namespace vorn
