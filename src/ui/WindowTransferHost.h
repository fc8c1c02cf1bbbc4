#pragma once

#include "device/TransferHost.h"

#include <QObject>
#include <functional>
#include <map>
#include <string>

class QTimer;

namespace vorn {

// Runs the transfers' timers on the window's event loop and passes their progress on.
class WindowTransferHost : public QObject, public TransferHost {
    Q_OBJECT
public:
    explicit WindowTransferHost(QObject* parent = nullptr);

    // Called with the timer id at every tick.
    void setTick(std::function<void(int)> tick) { tick_ = std::move(tick); }
    // Called for every redraw the transfer asks for.
    void setRedraw(std::function<void()> redraw) { redraw_ = std::move(redraw); }

    void startTimer(int id, std::chrono::milliseconds interval) override;
    void stopTimer(int id) override;
    void createProgress(int low, int high) override;
    void stepProgress() override;
    void destroyProgress() override;
    void showPercent(std::string_view text) override;
    void redraw() override;

    const std::string& percent() const { return percent_; }

private:
    std::map<int, QTimer*> timers_;
    std::function<void(int)> tick_;
    std::function<void()> redraw_;
    std::string percent_;
};

} // namespace vorn
