// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulator/SharedMemoryFile.h"

#include "simulator/KeyboardMemoryFile.h"

namespace vorn {

SharedMemoryFile::SharedMemoryFile(std::string path, KeyboardFirmware& firmware)
    : path_(std::move(path))
    , firmware_(firmware)
    , lock_(path_) {}

SharedMemoryFile::~SharedMemoryFile() {
    firmware_.setStoreHook({});
}

bool SharedMemoryFile::start(std::string& error) {
    TemplateImage memory = newTemplateImage(2013);
    if (KeyboardMemoryFile::load(path_, memory, error) == KeyboardMemoryFile::LoadResult::failed)
        return false;
    firmware_.setMemory(memory);
    firmware_.setStoreHook([this](const TemplateImage& next) {
        std::string why;
        if (KeyboardMemoryFile::save(path_, next, why))
            return true;
        error_ = why;
        return false;
    });
    return true;
}

bool SharedMemoryFile::reload() {
    TemplateImage memory = newTemplateImage(2013);
    std::string why;
    if (KeyboardMemoryFile::load(path_, memory, why) == KeyboardMemoryFile::LoadResult::failed) {
        error_ = why;
        return false;
    }
    firmware_.setMemory(memory);
    return true;
}

SharedMemoryFile::Hold SharedMemoryFile::tryHold() {
    if (holds_ > 0) {
        ++holds_;
        return Hold::held;
    }
    switch (lock_.tryLock()) {
    case MemoryFileLock::Result::busy: return Hold::busy;
    case MemoryFileLock::Result::failed: error_ = lock_.error(); return Hold::failed;
    case MemoryFileLock::Result::locked:
    case MemoryFileLock::Result::unlocked: break;
    }
    if (!reload()) {
        lock_.unlock();
        return Hold::failed;
    }
    holds_ = 1;
    return Hold::held;
}

bool SharedMemoryFile::hold() {
    for (;;) {
        switch (tryHold()) {
        case Hold::held: return true;
        case Hold::failed: return false;
        case Hold::busy: break;
        }
        if (!wait_) {
            error_ = inUseMessage();
            return false;
        }
        wait_(retryInterval);
    }
}

void SharedMemoryFile::release() {
    if (holds_ > 0 && --holds_ == 0)
        lock_.unlock();
}

} // namespace vorn
