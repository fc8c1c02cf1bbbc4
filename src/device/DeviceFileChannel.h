// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/DriverChannel.h"

#include <cstdint>
#include <string>

namespace vorn {

// What passes through the ioctl: the request record, the reply buffer, and the number of
// reply bytes the driver returned (native byte order). 100 bytes, no padding.
struct DriverIoRecord {
    std::uint8_t input[driverRecordSize];
    std::uint8_t output[driverRecordSize];
    std::uint32_t bytesReturned;
};

// The driver's ioctl request code.
inline constexpr unsigned long driverIoRequest = 256;

// DriverChannel on a character device: one ioctl per exchange. No such driver ships with
// Linux, so on most machines the open fails and the driver reports itself unreachable.
class DeviceFileChannel : public DriverChannel {
public:
    using IoctlCall = int (*)(int fd, unsigned long request, DriverIoRecord* record);

    static constexpr const char* defaultPath = "/dev/kbport";
    static constexpr const char* pathVariable = "VORN_KBPORT";

    explicit DeviceFileChannel(std::string path = configuredPath(), IoctlCall ioctl = systemIoctl);
    ~DeviceFileChannel() override;
    DeviceFileChannel(const DeviceFileChannel&) = delete;
    DeviceFileChannel& operator=(const DeviceFileChannel&) = delete;

    // $VORN_KBPORT when set and not empty, else /dev/kbport.
    static std::string configuredPath();
    static int systemIoctl(int fd, unsigned long request, DriverIoRecord* record);

    bool open() override;
    void close() override;
    DriverReply exchange(const DriverRecord& request, DriverRecord& reply) override;

    const std::string& path() const { return path_; }
    bool isOpen() const { return fd_ >= 0; }

private:
    std::string path_;
    IoctlCall ioctl_;
    int fd_ = -1;
};

} // namespace vorn
