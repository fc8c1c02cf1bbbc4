// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "transfer/TransferHost.h"

#include <QObject>
#include <functional>
#include <map>
#include <string>

class QProgressBar;
class QTimer;

namespace vorn {

// Runs the transfers' timers on the window's event loop and shows their progress: a bar
// (viewGeometry::progressBar) and the percentage the view draws.
class WindowTransferHost : public QObject, public TransferHost {
    Q_OBJECT
public:
    explicit WindowTransferHost(QObject* parent = nullptr);

    // Called with the timer id at every tick. A tick that falls due while the previous one
    // still waits for the keyboard runs right after it, as a queued timer message would.
    void setTick(std::function<void(int)> tick) { tick_ = std::move(tick); }
    // Called for every redraw the transfer asks for.
    void setRedraw(std::function<void()> redraw) { redraw_ = std::move(redraw); }
    // Called to show the percentage at once.
    void setPercentShown(std::function<void()> shown) { percentShown_ = std::move(shown); }
    void setProgressBar(QProgressBar* bar) { bar_ = bar; }
    // Called after every tick has returned.
    void setAfterTick(std::function<void()> afterTick) { afterTick_ = std::move(afterTick); }
    // Every timer ticks at `interval` instead of its own (tests); zero for their own.
    void setTickInterval(std::chrono::milliseconds interval) { tickInterval_ = interval; }

    void startTimer(int id, std::chrono::milliseconds interval) override;
    void stopTimer(int id) override;
    void createProgress(int low, int high) override;
    void stepProgress() override;
    void destroyProgress() override;
    void showPercent(std::string_view text) override;
    void redraw() override;

    const std::string& percent() const { return percent_; }
    bool inTick() const { return inTick_; }

private:
    void timerFired(int id);

    std::map<int, QTimer*> timers_;
    std::function<void(int)> tick_;
    std::function<void()> redraw_;
    std::function<void()> percentShown_;
    std::function<void()> afterTick_;
    QProgressBar* bar_ = nullptr;
    std::string percent_;
    bool inTick_ = false;
    std::chrono::milliseconds tickInterval_{0};
    int dueTick_ = 0; // a tick that fell due during the running one
};

} // namespace vorn
