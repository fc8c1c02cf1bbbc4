// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WindowTransferHost.h"

#include <QProgressBar>
#include <QTimer>

namespace vorn {

WindowTransferHost::WindowTransferHost(QObject* parent)
    : QObject(parent) {}

void WindowTransferHost::startTimer(int id, std::chrono::milliseconds interval) {
    QTimer*& timer = timers_[id];
    if (!timer) {
        timer = new QTimer(this);
        timer->setTimerType(Qt::PreciseTimer);
        connect(timer, &QTimer::timeout, this, [this, id] { timerFired(id); });
    }
    timer->start(tickInterval_.count() > 0 ? tickInterval_ : interval);
}

void WindowTransferHost::stopTimer(int id) {
    if (const auto found = timers_.find(id); found != timers_.end())
        found->second->stop();
    if (dueTick_ == id)
        dueTick_ = 0;
}

void WindowTransferHost::timerFired(int id) {
    if (inTick_) {
        dueTick_ = id;
        return;
    }
    inTick_ = true;
    if (tick_)
        tick_(id);
    while (dueTick_ != 0) {
        const int due = dueTick_;
        dueTick_ = 0;
        if (tick_ && timers_.at(due)->isActive())
            tick_(due);
    }
    inTick_ = false;
    if (afterTick_)
        afterTick_();
}

void WindowTransferHost::createProgress(int low, int high) {
    percent_.clear();
    if (bar_) {
        bar_->setRange(low, high);
        bar_->setValue(low);
        bar_->show();
    }
}

void WindowTransferHost::stepProgress() {
    if (bar_)
        bar_->setValue(bar_->value() + 1);
}

void WindowTransferHost::destroyProgress() {
    percent_.clear();
    if (bar_)
        bar_->hide();
}

void WindowTransferHost::showPercent(std::string_view text) {
    percent_ = text;
    if (percentShown_)
        percentShown_();
}

void WindowTransferHost::redraw() {
    if (redraw_)
        redraw_();
}

} // namespace vorn
