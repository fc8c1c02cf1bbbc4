// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ProgressBoard.h"

#include <ostream>

namespace vorn::cli {

ProgressBoard::ProgressBoard(std::ostream& err, ProgressStyle style, std::vector<std::string> paths)
    : err_(err)
    , style_(style)
    , paths_(std::move(paths)) {}

void ProgressBoard::showPercent(std::size_t k, int done, int total, std::string_view text) {
    const std::lock_guard lock(mutex_);
    switch (style_) {
    case ProgressStyle::none: return;
    case ProgressStyle::lines: err_ << paths_[k] << '\t' << text << '\n' << std::flush; return;
    case ProgressStyle::bar: drawBar(k, TransferConsole::barText(done, total, text)); return;
    }
}

// The bars take one line each, the cursor resting on the line below the last: a bar is
// reached by moving up, drawn, and left by moving down again.
void ProgressBoard::drawBar(std::size_t k, const std::string& bar) {
    if (!barsDrawn_) {
        for (const std::string& path : paths_)
            err_ << TransferConsole::barText(0, 1, "") << ' ' << path << '\n';
        barsDrawn_ = true;
    }
    const std::size_t up = paths_.size() - k;
    err_ << "\x1b[" << up << "A\r" << bar << ' ' << paths_[k] << "\x1b[K\x1b[" << up << "B\r"
         << std::flush;
}

void ProgressBoard::traceLine(std::size_t k, std::string_view line) {
    const std::lock_guard lock(mutex_);
    err_ << paths_[k] << '\t' << line << '\n';
}

} // namespace vorn::cli
