// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/Clock.h"
#include "device/FeatureReport.h"
#include "device/HidBackend.h"
#include "device/KeyboardIdentity.h"
#include "device/ReportTrace.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vorn {

// An interface listed by listKeyboardInterfaces().
struct KeyboardInterface {
    HidInterfaceInfo info;
    bool accessDenied = false; // present with the keyboard's ids, but not openable
};

// Reaches a keyboard attached over USB: finds it among the HID interfaces and moves packages
// of its memory in 9-byte feature reports. Reports failure by results only.
class CUSBport {
public:
    static constexpr std::size_t maxCandidates = 10;
    static constexpr std::uint8_t readCommand = 0xE6;
    static constexpr std::uint8_t writeCommand = 0xE7;
    // Bytes 0 to 31: the package in transfer; byte 32: its check byte (read direction).
    using PackageBuffer = std::array<std::uint8_t, packageSize + 1>;

    CUSBport(HidBackend& backend, Clock& clock);
    ~CUSBport();
    CUSBport(const CUSBport&) = delete;
    CUSBport& operator=(const CUSBport&) = delete;

    // The identity a keyboard must report; written before every search.
    void setExpectedIdentity(const KeyboardIdentity& identity) { expected_ = identity; }

    // Searches the present interfaces; on success the current device path is the keyboard's.
    bool GetDeviceFullPath();
    bool OpenHIDDevice();
    void CloseHIDDevice();
    // Compares the open interface's identity with the expected one.
    bool CheckHIDParam();
    bool SendHIDCmdAddr(std::uint8_t nCmd, std::uint8_t nPackageNo);
    // Reads package nPackageNo into the package buffer; true when its check byte verifies.
    bool GetHIDBlockData(std::uint8_t nPackageNo);
    // Writes bytes 0 to 31 of the package buffer as package nPackageNo.
    bool SendHIDBlockData(std::uint8_t nPackageNo);
    bool GetHIDAck();
    // Opens the current device path, reads package 0, closes.
    bool ProbeHIDDevice();
    // The steps after a written package: the 250 ms wait, CheckHIDParam, GetHIDAck.
    bool WaitHIDAck();

    PackageBuffer& packageBuffer() { return packageBuffer_; }
    const PackageBuffer& packageBuffer() const { return packageBuffer_; }

    const std::string& currentDevicePath() const { return currentPath_; }
    void setCurrentDevicePath(std::string path) { currentPath_ = std::move(path); }
    std::span<const std::string> candidatePaths() const {
        return {candidatePaths_.data(), candidateCount_};
    }
    unsigned candidateCount() const { return static_cast<unsigned>(candidateCount_); }
    bool isOpen() const { return handle_.has_value(); }

    // Interfaces with the expected ids that the last search could not open for lack of
    // permission.
    const std::vector<std::string>& deniedPaths() const { return deniedPaths_; }

    // Every interface that matches the expected identity, and those with the expected ids
    // that cannot be opened for lack of permission, in enumeration order. Nothing when the
    // interfaces cannot be listed.
    std::optional<std::vector<KeyboardInterface>> listKeyboardInterfaces();

    // Called with every feature report sent or received; empty for none.
    void setTrace(ReportTrace trace) { trace_ = std::move(trace); }

    static std::uint8_t checkByte(std::span<const std::uint8_t, packageSize> package);

private:
    bool sendReport(const FeatureReport& report);
    bool getReport(FeatureReport& report, bool wholeReport);
    bool hasExpectedIds(const HidInterfaceInfo& info) const;
    bool probeCandidates();

    HidBackend& backend_;
    Clock& clock_;
    std::optional<HidHandle> handle_;
    KeyboardIdentity expected_;
    PackageBuffer packageBuffer_{};
    std::size_t candidateCount_ = 0;
    std::string currentPath_;
    std::array<std::string, maxCandidates> candidatePaths_;
    std::vector<std::string> deniedPaths_;
    bool lastOpenDenied_ = false;
    ReportTrace trace_;
};

} // namespace vorn
