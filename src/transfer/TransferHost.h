// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <string_view>

namespace vorn {

// What a transfer asks of whoever drives it (the editor's view, or vornctl): its timer, the
// progress bar with the percentage, and redraws.
class TransferHost {
public:
    virtual ~TransferHost() = default;

    // Calls TransferController::OnTimer(id) every `interval` until stopTimer(id).
    virtual void startTimer(int id, std::chrono::milliseconds interval) = 0;
    virtual void stopTimer(int id) = 0;
    // Shows a progress bar over this range, at position 0.
    virtual void createProgress(int low, int high) = 0;
    // Moves the bar one step on.
    virtual void stepProgress() = 0;
    virtual void destroyProgress() = 0;
    // Shows the percentage text ("50%") at once, without waiting for a redraw.
    virtual void showPercent(std::string_view text) = 0;
    // Draws the whole view again; the Read and Write commands take their enable state then.
    virtual void redraw() = 0;
};

} // namespace vorn
