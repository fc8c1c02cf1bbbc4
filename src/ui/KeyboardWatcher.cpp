// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/KeyboardWatcher.h"

#include <QMetaObject>

namespace vorn {

KeyboardWatcher::KeyboardWatcher(std::function<bool()> probe, std::chrono::milliseconds interval,
                                 QObject* parent)
    : QObject(parent)
    , probe_(std::move(probe))
    , interval_(interval)
    , thread_([this] { run(); }) {}

KeyboardWatcher::~KeyboardWatcher() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

void KeyboardWatcher::run() {
    std::unique_lock lock(mutex_);
    while (!wake_.wait_for(lock, interval_, [this] { return stopping_; })) {
        if (paused_)
            continue;
        lock.unlock();
        const bool present = probe_();
        QMetaObject::invokeMethod(
            this, [this, present] { emit answered(present); }, Qt::QueuedConnection);
        lock.lock();
    }
}

} // namespace vorn
