// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/TransferController.h"

#include "document/UserMessages.h"
#include "image/KeyTextChecks.h"
#include "image/KeyTextEncoder.h"
#include "transfer/DetectionMessage.h"
#include "transfer/TransferMessages.h"

#include <algorithm>

namespace vorn {

namespace msg = transferMessages;

TransferController::TransferController(CUSBport& usb, CKBIO& kbio, TransferDocument& document,
                                       TransferEditing& editing, TransferHost& host,
                                       UserMessages& messages)
    : usb_(usb)
    , kbio_(kbio)
    , document_(document)
    , editing_(editing)
    , host_(host)
    , messages_(messages) {}

std::chrono::milliseconds TransferController::timerInterval(int timerId) {
    switch (timerId) {
    case usbReadTimer: return std::chrono::milliseconds(250);
    case usbWriteTimer: return std::chrono::milliseconds(280);
    default: return std::chrono::milliseconds(200);
    }
}

std::string TransferController::transferPercent(int n) {
    return std::to_string((n + 1) * 100 / packageCount) + "%";
}

std::optional<int> TransferController::firstDifferentPackage(const TemplateImage& sent,
                                                             const TemplateImage& back) {
    const auto [at, unused] = std::mismatch(sent.begin(), sent.end(), back.begin());
    if (at == sent.end())
        return std::nullopt;
    return static_cast<int>(at - sent.begin()) / static_cast<int>(packageSize);
}

void TransferController::ReadFromKB() {
    if (!readEnabled_)
        return; // a transfer is running
    DetectKeyboard();
    host_.redraw();
    if (portKind_ == usbPort) {
        if (DetectUSBKeyboard())
            StartUSBRead();
    } else if (portKind_ == driverPort) {
        if (DetectDriverKeyboard())
            StartDriverRead();
    }
}

void TransferController::WriteIntoKB() {
    if (!writeEnabled_)
        return;
    DetectKeyboard();
    host_.redraw();
    if (portKind_ == usbPort) {
        if (DetectUSBKeyboard())
            StartUSBWrite();
    } else if (portKind_ == driverPort) {
        if (DetectDriverKeyboard())
            StartDriverWrite();
    }
}

bool TransferController::DetectKeyboard() {
    if (!DetectUSBKeyboard() && !DetectDriverKeyboard()) {
        portKind_ = noPort;
        messages_.showMessage(noKeyboardMessage);
        return false;
    }
    document_.applyModel();
    return true;
}

void TransferController::RefreshPort() {
    if (transferActive_)
        return;
    if (!DetectUSBKeyboard() && !DetectDriverKeyboard())
        portKind_ = noPort;
}

bool TransferController::DetectUSBKeyboard() {
    usb_.setExpectedIdentity(KeyboardIdentity{});
    if (!usb_.GetDeviceFullPath()) {
        portName_ = noPortName;
        return false;
    }
    portName_ = "USB";
    portKind_ = usbPort;
    return true;
}

bool TransferController::DetectDriverKeyboard() {
    kbio_.OpenDriver();
    if (kbio_.GetDriverStatus() != CKBIO::keyboardPresent)
        return false;
    portName_ = "PS2";
    portKind_ = driverPort;
    return true;
}

void TransferController::StartUSBRead() {
    if (!usb_.OpenHIDDevice()) {
        messages_.showMessage(noKeyboardMessage);
        return;
    }
    startTransfer(usbReadTimer, true);
}

void TransferController::StartDriverRead() {
    switch (kbio_.GetDriverStatus()) {
    case CKBIO::noKeyboard: messages_.showMessage(msg::readNoKeyboard); return;
    case CKBIO::driverUnreachable: messages_.showMessage(msg::readDriverUnreachable); return;
    default: break;
    }
    startTransfer(driverReadTimer, true);
}

void TransferController::StartUSBWrite() {
    if (!usb_.OpenHIDDevice()) {
        messages_.showMessage(noKeyboardMessage);
        return;
    }
    if (!selectedKeyIsValid()) {
        messages_.showMessage(wrongKeyTextMessage);
        usb_.CloseHIDDevice();
        return;
    }
    encodeForWrite();
    startTransfer(usbWriteTimer, false);
}

void TransferController::StartDriverWrite() {
    if (!selectedKeyIsValid()) {
        messages_.showMessage(wrongKeyTextMessage);
        return;
    }
    encodeForWrite();
    switch (kbio_.GetDriverStatus()) {
    case CKBIO::noKeyboard: messages_.showMessage(msg::writeNoKeyboard); return;
    case CKBIO::driverUnreachable: messages_.showMessage(msg::writeDriverUnreachable); return;
    default: break;
    }
    startTransfer(driverWriteTimer, false);
}

bool TransferController::selectedKeyIsValid() {
    const int key = editing_.selectedKey();
    return key >= 0 && key < keyNumberCount && isValidKeyText(document_.keyText(key));
}

void TransferController::encodeForWrite() {
    transferBuffer_ = document_.encodedImage();
}

void TransferController::startTransfer(int timerId, bool reading) {
    host_.createProgress(progressLow, progressHigh);
    readEnabled_ = false;
    writeEnabled_ = false;
    transferActive_ = true;
    transferReading_ = reading;
    packageNo_ = 0;
    retriesLeft_ = startRetries;
    ackFailures_ = 0;
    timerId_ = timerId;
    outcome_ = TransferOutcome::none;
    host_.startTimer(timerId, timerInterval(timerId));
    host_.redraw();
}

bool TransferController::OnTimer(int timerId) {
    if (timerId < usbReadTimer || timerId > driverWriteTimer)
        return false;
    if (!transferActive_ || timerId != timerId_)
        return true; // a tick left over from a stopped timer
    switch (timerId) {
    case usbReadTimer: USBReadStep(); break;
    case usbWriteTimer: USBWriteStep(); break;
    case driverReadTimer: DriverReadStep(); break;
    default: DriverWriteStep(); break;
    }
    return true;
}

std::span<std::uint8_t, packageSize> TransferController::package() {
    return std::span<std::uint8_t, packageSize>(transferBuffer_.data() + packageNo_ * packageSize,
                                                packageSize);
}

bool TransferController::packageDone() {
    host_.stepProgress();
    ShowTransferPercent(packageNo_);
    ++packageNo_;
    ackFailures_ = 0;
    return packageNo_ == packageCount;
}

void TransferController::USBReadStep() {
    if (usb_.GetHIDBlockData(static_cast<std::uint8_t>(packageNo_))) {
        std::copy_n(usb_.packageBuffer().begin(), packageSize, package().begin());
        retriesLeft_ = startRetries;
        if (packageDone()) {
            host_.stopTimer(usbReadTimer);
            usb_.CloseHIDDevice();
            host_.destroyProgress();
            CompleteRead();
        }
        return;
    }
    if (--retriesLeft_ > 0)
        return;
    host_.stopTimer(usbReadTimer);
    usb_.CloseHIDDevice();
    host_.destroyProgress();
    abortRead();
    messages_.showMessage(msg::withCount(msg::readError, packageNo_, msg::usbErrorTail));
}

// A package that is taken but never acknowledged is sent again at the next tick without
// lowering retriesLeft; ackFailureLimit bounds that.
void TransferController::USBWriteStep() {
    std::copy_n(package().begin(), packageSize, usb_.packageBuffer().begin());
    if (!usb_.SendHIDBlockData(static_cast<std::uint8_t>(packageNo_))) {
        if (--retriesLeft_ <= 0)
            failUsbWrite();
        return;
    }
    retriesLeft_ = usbWriteRetries;
    if (!usb_.WaitHIDAck()) {
        if (++ackFailures_ >= ackFailureLimit)
            failUsbWrite();
        return;
    }
    if (packageDone()) {
        host_.stopTimer(usbWriteTimer);
        host_.destroyProgress();
        usb_.CloseHIDDevice();
        outcome_ = TransferOutcome::completed;
        FinishWrite();
    }
}

void TransferController::failUsbWrite() {
    host_.stopTimer(usbWriteTimer);
    host_.destroyProgress();
    usb_.CloseHIDDevice();
    outcome_ = TransferOutcome::aborted;
    FinishWrite();
    messages_.showMessage(msg::withCount(msg::writeError, packageNo_, msg::usbErrorTail));
}

void TransferController::DriverReadStep() {
    if (kbio_.ReadDriverBlock(static_cast<std::uint8_t>(packageNo_))) {
        std::copy(kbio_.packageBuffer().begin(), kbio_.packageBuffer().end(), package().begin());
        retriesLeft_ = startRetries;
        if (packageDone()) {
            host_.stopTimer(driverReadTimer);
            host_.destroyProgress();
            CompleteRead();
        }
        return;
    }
    if (--retriesLeft_ > 0)
        return;
    host_.stopTimer(driverReadTimer);
    messages_.showMessage(msg::withCount(msg::readError, packageNo_));
    host_.destroyProgress();
    abortRead();
}

// retriesLeft is never reset here: the budget covers the whole transfer.
void TransferController::DriverWriteStep() {
    std::copy_n(package().begin(), packageSize, kbio_.packageBuffer().begin());
    if (kbio_.WriteDriverBlock(static_cast<std::uint8_t>(packageNo_))) {
        host_.stepProgress();
        ShowTransferPercent(packageNo_);
        kbio_.GetDriverStatus(); // the answer is not used
        if (++packageNo_ == packageCount) {
            host_.stopTimer(driverWriteTimer);
            host_.destroyProgress();
            outcome_ = TransferOutcome::completed;
            FinishWrite();
        }
        return;
    }
    if (--retriesLeft_ > 0)
        return;
    host_.stopTimer(driverWriteTimer);
    messages_.showMessage(msg::withCount(msg::writeError, packageNo_));
    host_.destroyProgress();
    outcome_ = TransferOutcome::aborted;
    FinishWrite();
}

void TransferController::ShowTransferPercent(int n) {
    host_.showPercent(transferPercent(n));
}

void TransferController::CompleteRead() {
    // Decoded as a load decodes: a key with content as loaded, an empty one blank.
    document_.takeReadImage(transferBuffer_);
    outcome_ = TransferOutcome::completed;
    ResetViewState();
    messages_.showStatus(msg::readDone, StatusKind::note);
}

// The document keeps its image, key texts and flags: a partial or stale buffer never
// replaces the user's template.
void TransferController::abortRead() {
    outcome_ = TransferOutcome::aborted;
    ResetViewState();
}

void TransferController::FinishWrite() {
    if (timerId_ == driverWriteTimer)
        kbio_.EndDriverWrite();
    ResetViewState();
    if (outcome_ == TransferOutcome::completed)
        messages_.showStatus(msg::writeDone, StatusKind::note);
}

void TransferController::CancelTransfer() {
    if (!transferActive_)
        return;
    host_.stopTimer(timerId_);
    host_.destroyProgress();
    if (timerId_ == usbReadTimer || timerId_ == usbWriteTimer)
        usb_.CloseHIDDevice();
    if (timerId_ == driverWriteTimer)
        kbio_.EndDriverWrite();
    outcome_ = TransferOutcome::aborted;
    ResetViewState();
}

void TransferController::ResetViewState() {
    editing_.setEscPending(false);
    editing_.setShiftHeld(false);
    editing_.setCaret(0, 0);
    const int key = document_.slotKey(0);
    editing_.setSelection(0, key);
    editing_.setKeyIsAscii(key, isAsciiText(document_.keyText(key)));
    editing_.highlightOnly(0);
    readEnabled_ = true;
    writeEnabled_ = true;
    transferActive_ = false;
    host_.redraw();
}

} // namespace vorn
