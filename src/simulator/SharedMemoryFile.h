// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "simulator/KeyboardFirmware.h"
#include "simulator/MemoryFileLock.h"

#include <chrono>
#include <functional>
#include <string>

namespace vorn {

// A simulated keyboard's memory kept in a file that other programs may use as well, as two
// hosts may take turns with one keyboard. While a host uses the keyboard (an open USB
// interface, a write through the driver, a package read through it) the keyboard holds the
// file's lock, and its memory is read from the file as the hold begins: what another program
// wrote meanwhile is what is read and what a write builds on, so a finished write is never
// overwritten by memory read before it. Every package stored is saved to the file at once.
// Used by one thread at a time, as the keyboard it belongs to.
class SharedMemoryFile {
public:
    // Waits between two tries for a lock another program holds.
    using Wait = std::function<void(std::chrono::milliseconds)>;
    enum class Hold { held, busy, failed };

    SharedMemoryFile(std::string path, KeyboardFirmware& firmware);
    SharedMemoryFile(const SharedMemoryFile&) = delete;
    SharedMemoryFile& operator=(const SharedMemoryFile&) = delete;
    ~SharedMemoryFile();

    // Starts the firmware from the file (a new template of model 2013 when it is missing) and
    // from now on saves every package it stores there. False, with `error`, when the file
    // exists but cannot be used (see KeyboardMemoryFile::load).
    bool start(std::string& error);

    // How hold() waits for a lock held elsewhere; without a Wait a busy lock is refused at once.
    void setWait(Wait wait) { wait_ = std::move(wait); }

    // Starts a hold, or nests one in a hold already taken; busy when another program holds
    // the file, failed (see error()) when the lock or the file cannot be used.
    Hold tryHold();
    // As tryHold(), waiting for a busy lock when there is a Wait; false, see error(), when the
    // hold was not taken.
    bool hold();
    // Ends a hold; the lock is given back when the outermost hold ends.
    void release();
    bool held() const { return holds_ > 0; }

    const std::string& path() const { return path_; }
    // "PATH is in use by another program".
    std::string inUseMessage() const { return path_ + " is in use by another program"; }
    // Why the last hold failed or the last package could not be saved; empty when all worked.
    const std::string& error() const { return error_; }

    // The pause between two tries for a busy lock.
    static constexpr std::chrono::milliseconds retryInterval{50};

private:
    bool reload();

    std::string path_;
    KeyboardFirmware& firmware_;
    MemoryFileLock lock_;
    Wait wait_;
    int holds_ = 0;
    std::string error_;
};

} // namespace vorn
