#include "ui/WindowTransferHost.h"

#include <QTimer>

namespace vorn {

WindowTransferHost::WindowTransferHost(QObject* parent)
    : QObject(parent) {}

void WindowTransferHost::startTimer(int id, std::chrono::milliseconds interval) {
    QTimer*& timer = timers_[id];
    if (!timer) {
        timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this, id] {
            if (tick_)
                tick_(id);
        });
    }
    timer->start(interval);
}

void WindowTransferHost::stopTimer(int id) {
    if (const auto found = timers_.find(id); found != timers_.end())
        found->second->stop();
}

void WindowTransferHost::createProgress(int, int) {
    percent_.clear();
}

void WindowTransferHost::stepProgress() {}

void WindowTransferHost::destroyProgress() {
    percent_.clear();
}

void WindowTransferHost::showPercent(std::string_view text) {
    percent_ = text;
    redraw();
}

void WindowTransferHost::redraw() {
    if (redraw_)
        redraw_();
}

} // namespace vorn
