// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/DriverChannel.h"
#include "device/FeatureReport.h"

#include <array>
#include <cstdint>

namespace vorn {

// Reaches a keyboard at the PS/2 port through its kernel driver, one request per package of
// the keyboard's memory. Reports failure by results only; the transfers own the messages.
class CKBIO {
public:
    // Function codes, at offset 33 of the request record.
    static constexpr std::uint8_t readFunction = 1;
    static constexpr std::uint8_t statusFunction = 2;
    static constexpr std::uint8_t writeFunction = 3;
    static constexpr std::uint8_t endWriteFunction = 4;
    static constexpr std::size_t packageNumberOffset = 32;
    static constexpr std::size_t functionOffset = 33;
    static constexpr std::size_t keyboardInformationSize = 6;

    // GetDriverStatus answers.
    static constexpr int keyboardPresent = 0;
    static constexpr int noKeyboard = 1;
    static constexpr int driverUnreachable = 2;

    using PackageBuffer = std::array<std::uint8_t, packageSize>;

    explicit CKBIO(DriverChannel& channel);
    ~CKBIO();
    CKBIO(const CKBIO&) = delete;
    CKBIO& operator=(const CKBIO&) = delete;

    // Opens the driver's device, closing an earlier handle. A
    // failed open is not reported here: every later request fails.
    void OpenDriver();
    // 0 keyboard present, 1 no keyboard (the driver returned nothing), 2 driver not reachable.
    int GetDriverStatus();
    // On success the package buffer holds package nPackageNo; on failure it is unchanged.
    bool ReadDriverBlock(std::uint8_t nPackageNo);
    // Sends the package buffer as package nPackageNo.
    bool WriteDriverBlock(std::uint8_t nPackageNo);
    // Tells the driver the write is over; its outcome does not matter.
    void EndDriverWrite();

    std::uint8_t lastResult() const { return lastResult_; }
    const std::array<std::uint8_t, keyboardInformationSize>& keyboardInformation() const {
        return keyboardInformation_;
    }
    PackageBuffer& packageBuffer() { return packageBuffer_; }
    const PackageBuffer& packageBuffer() const { return packageBuffer_; }

private:
    // Bytes that carry nothing for a function are sent as 0.
    DriverReply request(std::uint8_t function, std::uint8_t packageNo, const PackageBuffer* data,
                        DriverRecord& reply);

    std::uint8_t lastResult_ = 0;
    std::array<std::uint8_t, keyboardInformationSize> keyboardInformation_{};
    PackageBuffer packageBuffer_{};
    DriverChannel& channel_; // the device handle
};

} // namespace vorn
