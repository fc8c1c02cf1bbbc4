// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/Command.h"
#include "cli/KeyboardTransfer.h"
#include "cli/TransferConsole.h"
#include "document/VornDoc.h"
#include "transfer/KeyboardTransports.h"

#include <string>
#include <vector>

namespace vorn::cli {

// What a transfer to several keyboards at once asks of each.
struct AllKeyboardsRequest {
    KeyboardTransfer::Direction direction = KeyboardTransfer::Direction::write;
    bool verify = false; // a write is read back and compared
    bool pace = true;
    bool trace = false;
    ProgressStyle style = ProgressStyle::lines;
};

// How one keyboard's transfer ended.
struct KeyboardOutcome {
    std::string path;
    bool answered = false; // the keyboard was found when its transfer looked for it
    bool ok = false;
    bool verified = false;
    std::string message;   // the messages shown, their lines joined by a space
    TemplateImage image{}; // after a completed read: the bytes received
};

// Runs the transfer to the keyboard at each path at the same time, each on a thread of its
// own with its own connection (onlyTo), pacing, retries and messages, starting from its own
// copy of `doc`, so one keyboard's failure or unplugging never holds up the others. Progress
// and trace lines go to io.err as they come; the outcomes come back in the order of `paths`.
std::vector<KeyboardOutcome> transferToAll(const KeyboardTransports& connection,
                                           const std::vector<std::string>& paths,
                                           const CVornDoc& doc, const AllKeyboardsRequest& request,
                                           Io& io);

// The lines of `text` without their surrounding blanks, empty ones left out, joined by a space.
std::string joinedLines(const std::string& text);

} // namespace vorn::cli
