// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/TransferConsole.h"
#include "document/VornDoc.h"
#include "image/TemplateImage.h"
#include "transfer/KeyboardTransports.h"

#include <optional>

namespace vorn::cli {

// One keyboard's read or write as vornctl runs it: the editor's transfer (detection, then 64
// packages) ticked by the console, the simulated keyboards' unplug faults started as the
// packages start, and after a write, on request, a check that the keyboard kept what it was
// sent. Every message goes to the console.
class KeyboardTransfer {
public:
    enum class Direction { read, write };

    KeyboardTransfer(KeyboardTransports& connection, TransferConsole& console)
        : connection_(connection)
        , console_(console) {}

    // Detection and the transfer; true when all 64 packages went through. A completed read
    // leaves the bytes received in the document's image. Says why nothing started where the
    // transfer itself said nothing, or could say more.
    bool run(Direction direction, CVornDoc& doc);
    // Whether the first detection found a keyboard at all.
    bool keyboardFound() const { return found_; }

    // After a completed write: reads all 64 packages back from the keyboard written, as a
    // read does (its pacing, retries and messages), and compares them with the bytes sent.
    // True when they are equal; otherwise a message said why.
    bool verify(const CVornDoc& doc);

private:
    void explainNoStart(int portKind, bool messageShown);

    KeyboardTransports& connection_;
    TransferConsole& console_;
    bool found_ = false;
    int portKind_ = -1;
    TemplateImage sent_{};
};

} // namespace vorn::cli
