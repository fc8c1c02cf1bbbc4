// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace vorn {

// Asks a presence probe every interval on a thread of its own and reports each answer on the
// window's thread; paused while a transfer runs, so nothing else reaches the keyboard then.
class KeyboardWatcher : public QObject {
    Q_OBJECT
public:
    KeyboardWatcher(std::function<bool()> probe, std::chrono::milliseconds interval,
                    QObject* parent = nullptr);
    ~KeyboardWatcher() override;

    void setPaused(bool paused) { paused_ = paused; }

signals:
    void answered(bool present);

private:
    void run();

    std::function<bool()> probe_;
    std::chrono::milliseconds interval_;
    std::atomic<bool> paused_{false};
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopping_ = false;
    std::thread thread_;
};

} // namespace vorn
