// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/TransferConsole.h"

#include "cli/Command.h"

#include <algorithm>
#include <ostream>

namespace vorn::cli {

TransferConsole::TransferConsole(std::ostream& err, ProgressStyle style, TickPacer* pacer)
    : err_(err)
    , messages_(messagesOn(err))
    , style_(style)
    , pacer_(pacer) {}

int TransferConsole::nextTick() {
    if (timer_ != 0 && pacer_)
        pacer_->waitForTick();
    return timer_;
}

void TransferConsole::startTimer(int id, std::chrono::milliseconds interval) {
    timer_ = id;
    if (pacer_)
        pacer_->start(interval);
}

void TransferConsole::stopTimer(int id) {
    if (timer_ == id)
        timer_ = 0;
}

void TransferConsole::createProgress(int low, int high) {
    low_ = low;
    high_ = high;
    position_ = 0;
}

void TransferConsole::stepProgress() {
    ++position_;
}

void TransferConsole::destroyProgress() {
    endBarLine();
}

std::string TransferConsole::barText(int done, int total, std::string_view text) {
    const int filled = std::clamp(done * barWidth / std::max(total, 1), 0, barWidth);
    return "[" + std::string(filled, '#') + std::string(barWidth - filled, ' ') + "] " +
           std::string(text);
}

void TransferConsole::showPercent(std::string_view text) {
    const int total = std::max(high_ - low_ + 1, 1);
    if (percentListener_)
        percentListener_(position_ - low_ + 1, total, text);
    switch (style_) {
    case ProgressStyle::none: return;
    case ProgressStyle::lines: err_ << text << '\n'; return;
    case ProgressStyle::bar: break;
    }
    err_ << '\r' << barText(position_ - low_ + 1, total, text) << std::flush;
    barLineOpen_ = true;
}

void TransferConsole::endBarLine() {
    if (barLineOpen_)
        err_ << '\n';
    barLineOpen_ = false;
}

void TransferConsole::showMessage(std::string_view text) {
    endBarLine();
    ++messagesShown_;
    messages_.showMessage(text);
}

bool TransferConsole::askYesNo(std::string_view question) {
    endBarLine();
    ++messagesShown_;
    return messages_.askYesNo(question);
}

} // namespace vorn::cli
