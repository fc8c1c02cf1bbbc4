// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/CKBIO.h"
#include "device/CUSBport.h"
#include "image/TemplateImage.h"
#include "transfer/PortName.h"
#include "transfer/TransferDocument.h"
#include "transfer/TransferEditing.h"
#include "transfer/TransferHost.h"

#include <chrono>
#include <optional>
#include <string>

namespace vorn {

class UserMessages;

// How the last transfer ended.
enum class TransferOutcome { none, completed, aborted };

// Reading the keyboard's memory into the document and writing the document into the
// keyboard: detection (USB first, then the driver), then 64 packages, one per timer tick,
// with retry budgets, progress, and the messages for every failure. Needs no window: the
// host runs the timers and shows the progress, the document and the editing state are
// reached through their interfaces.
class TransferController {
public:
    static constexpr int usbPort = 5;
    static constexpr int driverPort = 0;
    static constexpr int noPort = -1;

    static constexpr int usbReadTimer = 1;
    static constexpr int usbWriteTimer = 2;
    static constexpr int driverReadTimer = 3;
    static constexpr int driverWriteTimer = 4;

    static constexpr int progressLow = 1;
    static constexpr int progressHigh = packageCount;

    static constexpr int startRetries = 5;
    static constexpr int usbWriteRetries = 3; // after each written package
    // Failed acknowledgements of one package that end a USB write.
    static constexpr int ackFailureLimit = 5;

    TransferController(CUSBport& usb, CKBIO& kbio, TransferDocument& document,
                       TransferEditing& editing, TransferHost& host, UserMessages& messages);

    // The timer interval of a transfer kind (timer ids 1 to 4).
    static std::chrono::milliseconds timerInterval(int timerId);
    // "N%" for package n: (n + 1) * 100 / 64, truncated.
    static std::string transferPercent(int n);

    // The first package where `back` differs from `sent` (a read after a write); nothing when
    // they are equal.
    static std::optional<int> firstDifferentPackage(const TemplateImage& sent,
                                                    const TemplateImage& back);

    // The commands "Read From KB" and "Write Into KB": detection, then the transfer.
    void ReadFromKB();
    void WriteIntoKB();

    // True when a keyboard was found; sets portKind and portName, and re-applies the model.
    bool DetectKeyboard();
    bool DetectUSBKeyboard();
    // A keyboard plugged in or pulled out while the window is open: the port found again as
    // DetectKeyboard finds it, without its message and without re-applying the model.
    void RefreshPort();
    bool DetectDriverKeyboard();

    void StartUSBRead();
    void StartDriverRead();
    void StartUSBWrite();
    void StartDriverWrite();

    // One step of the running transfer; false for a timer id that is not a transfer's.
    bool OnTimer(int timerId);
    // The steps of timers 1 to 4.
    void USBReadStep();
    void USBWriteStep();
    void DriverReadStep();
    void DriverWriteStep();
    void ShowTransferPercent(int n);
    void CompleteRead();
    void FinishWrite();
    // Selection back to slot 0, caret home, commands enabled, no transfer.
    void ResetViewState();
    // Ends a running transfer between two ticks, as its own failure would: the timer stops,
    // the keyboard's port is closed and a driver write gets its end. A read leaves the
    // document as it was; a write leaves the keyboard with the packages written so far.
    void CancelTransfer();

    int portKind() const { return portKind_; }
    const std::string& portName() const { return portName_; }
    bool readEnabled() const { return readEnabled_; }
    bool writeEnabled() const { return writeEnabled_; }
    bool transferActive() const { return transferActive_; }
    bool transferReading() const { return transferReading_; }
    int packageNo() const { return packageNo_; }
    int retriesLeft() const { return retriesLeft_; }
    const TemplateImage& transferBuffer() const { return transferBuffer_; }
    TransferOutcome outcome() const { return outcome_; }

private:
    bool selectedKeyIsValid();
    void encodeForWrite();
    void startTransfer(int timerId, bool reading);
    // A good package: progress, percentage, next package; true when it was the last.
    bool packageDone();
    void abortRead();
    void failUsbWrite();
    std::span<std::uint8_t, packageSize> package();

    int portKind_ = noPort;
    std::string portName_ = noPortName;
    bool readEnabled_ = true;
    bool writeEnabled_ = true;
    bool transferActive_ = false;
    bool transferReading_ = false;
    int packageNo_ = 0;
    int retriesLeft_ = 0;
    TemplateImage transferBuffer_{};

    int timerId_ = 0;     // the running transfer's timer
    int ackFailures_ = 0; // of the package in transfer, in a row
    TransferOutcome outcome_ = TransferOutcome::none;

    CUSBport& usb_;
    CKBIO& kbio_;
    TransferDocument& document_;
    TransferEditing& editing_;
    TransferHost& host_;
    UserMessages& messages_;
};

} // namespace vorn
