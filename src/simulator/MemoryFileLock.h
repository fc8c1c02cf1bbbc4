// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace vorn {

// The lock that keeps a simulated keyboard's memory file to one user at a time: an exclusive
// flock on "MEMFILE.lock" beside the file (beside the file a link points at, so that every
// name of it shares one lock). The memory file itself cannot carry the lock: every package
// replaces it by a rename, and a lock on the replaced file would lock nothing. The lock file
// is made when missing, with the permissions a new memory file gets, and left in place:
// removing it could let two programs lock two different files of the same name. Locks are
// per open file: two MemoryFileLocks on the same file exclude each other even in one program.
class MemoryFileLock {
public:
    enum class Result {
        locked,   // this lock holds the file now
        busy,     // another lock holds it
        unlocked, // the folder takes no files, so there is no lock file to hold: no program
                  // without more rights can replace the memory file either
        failed,   // the lock file cannot be used; error() says why
    };

    explicit MemoryFileLock(const std::string& memoryPath);
    ~MemoryFileLock();
    MemoryFileLock(const MemoryFileLock&) = delete;
    MemoryFileLock& operator=(const MemoryFileLock&) = delete;

    // The lock file of a memory file.
    static std::string lockPathFor(const std::string& memoryPath);

    // Takes the lock without waiting (nothing happens while it is held already).
    Result tryLock();
    void unlock();
    bool locked() const { return fd_ >= 0; }

    const std::string& path() const { return path_; }
    const std::string& error() const { return error_; }

private:
    std::string path_;
    std::string error_;
    int fd_ = -1;
};

} // namespace vorn
