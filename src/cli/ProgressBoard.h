// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/TransferConsole.h"

#include <iosfwd>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace vorn::cli {

// The progress of transfers to several keyboards at once, shown on one stream from their
// threads: a bar per keyboard redrawn in place on a terminal ("[#####     ] 50% PATH"), or
// one line per keyboard and percentage ("PATH<TAB>50%"), or nothing. Trace lines come out
// whole, each after its keyboard's path and a TAB.
class ProgressBoard {
public:
    ProgressBoard(std::ostream& err, ProgressStyle style, std::vector<std::string> paths);

    // Keyboard k (its place in `paths`) has done `done` of `total` steps.
    void showPercent(std::size_t k, int done, int total, std::string_view text);
    void traceLine(std::size_t k, std::string_view line);

private:
    void drawBar(std::size_t k, const std::string& bar);

    std::ostream& err_;
    ProgressStyle style_;
    std::vector<std::string> paths_;
    std::mutex mutex_;
    bool barsDrawn_ = false;
};

} // namespace vorn::cli
