// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/KeyboardTransfer.h"

#include "transfer/DetectionMessage.h"
#include "transfer/EditingFields.h"
#include "transfer/TransferController.h"
#include "transfer/VornDocTransfer.h"

#include <algorithm>
#include <string>

namespace vorn::cli {

namespace {

// Ticks the running transfer until its timer stops; true when it completed.
bool tickUntilDone(TransferController& transfer, TransferConsole& console) {
    while (const int timer = console.nextTick())
        transfer.OnTimer(timer);
    return transfer.outcome() == TransferOutcome::completed;
}

} // namespace

void KeyboardTransfer::explainNoStart(int portKind, bool messageShown) {
    if (portKind == TransferController::noPort) {
        if (!connection_.usb().deniedPaths().empty())
            console_.showMessage(accessDeniedLine);
    } else if (!messageShown) {
        console_.showMessage("vornctl: the keyboard did not answer a second time; nothing was "
                             "transferred");
    }
}

bool KeyboardTransfer::run(Direction direction, CVornDoc& doc) {
    VornDocTransfer document(doc);
    EditingFields editing(doc.layout().slotKey()[0]);
    TransferController transfer(connection_.usb(), connection_.kbio(), document, editing, console_,
                                console_);
    const int messagesBefore = console_.messagesShown();
    if (direction == Direction::read)
        transfer.ReadFromKB();
    else
        transfer.WriteIntoKB();
    portKind_ = transfer.portKind();
    found_ = portKind_ != TransferController::noPort;
    if (!transfer.transferActive()) {
        explainNoStart(portKind_, console_.messagesShown() > messagesBefore);
        return false;
    }
    connection_.startTransferFaults();
    const bool completed = tickUntilDone(transfer, console_);
    sent_ = transfer.transferBuffer();
    return completed;
}

// The read goes to the keyboard the write found, without a new search: a search could find
// another one.
bool KeyboardTransfer::verify(const CVornDoc& doc) {
    CVornDoc back = doc;
    VornDocTransfer document(back);
    EditingFields editing(back.layout().slotKey()[0]);
    TransferController transfer(connection_.usb(), connection_.kbio(), document, editing, console_,
                                console_);
    if (portKind_ == TransferController::usbPort)
        transfer.StartUSBRead();
    else
        transfer.StartDriverRead();
    if (!transfer.transferActive() || !tickUntilDone(transfer, console_))
        return false;
    if (const auto package = TransferController::firstDifferentPackage(sent_, back.image())) {
        console_.showMessage("vornctl: the keyboard holds other data than was written, first at "
                             "package " +
                             std::to_string(*package));
        return false;
    }
    return true;
}

} // namespace vorn::cli
