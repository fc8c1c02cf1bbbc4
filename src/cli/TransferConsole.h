// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/TickPacer.h"
#include "document/StreamMessages.h"
#include "document/UserMessages.h"
#include "transfer/TransferHost.h"

#include <functional>
#include <iosfwd>
#include <string>

namespace vorn::cli {

// How a transfer's progress shows: a bar redrawn in place on a terminal
// ("[#####     ] 50%"), one percentage per line, or nothing.
enum class ProgressStyle { bar, lines, none };

// vornctl's side of a transfer: keeps the one running timer for the command's tick loop
// (paced by `pacer` when given), shows the progress on the message stream, and prints the
// messages there, after ending a bar's line.
class TransferConsole : public TransferHost, public UserMessages {
public:
    static constexpr int barWidth = 10;
    // Told of every percentage shown: packages done, of how many, and the text ("50%").
    using PercentListener = std::function<void(int done, int total, std::string_view text)>;

    TransferConsole(std::ostream& err, ProgressStyle style, TickPacer* pacer = nullptr);

    // The timer that runs, 0 for none.
    int runningTimer() const { return timer_; }
    // Waits for the running timer's next tick (at once without a pacer); its id, 0 for none.
    int nextTick();
    int messagesShown() const { return messagesShown_; }
    void setPercentListener(PercentListener listener) { percentListener_ = std::move(listener); }
    // "[#####     ] 50%" for `done` steps of `total`.
    static std::string barText(int done, int total, std::string_view text);

    void startTimer(int id, std::chrono::milliseconds interval) override;
    void stopTimer(int id) override;
    void createProgress(int low, int high) override;
    void stepProgress() override;
    void destroyProgress() override;
    void showPercent(std::string_view text) override;
    void redraw() override {}

    void showMessage(std::string_view text) override;
    bool askYesNo(std::string_view question) override;

private:
    void endBarLine();

    std::ostream& err_;
    StreamMessages messages_;
    ProgressStyle style_;
    TickPacer* pacer_;
    int timer_ = 0;
    int low_ = 0;
    int high_ = 0;
    int position_ = 0;
    bool barLineOpen_ = false;
    int messagesShown_ = 0;
    PercentListener percentListener_;
};

} // namespace vorn::cli
