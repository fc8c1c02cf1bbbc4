// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/DeviceFileChannel.h"

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdlib>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace vorn {

static_assert(offsetof(DriverIoRecord, input) == 0);
static_assert(offsetof(DriverIoRecord, output) == 48);
static_assert(offsetof(DriverIoRecord, bytesReturned) == 96);
static_assert(sizeof(DriverIoRecord) == 100);

DeviceFileChannel::DeviceFileChannel(std::string path, IoctlCall ioctl)
    : path_(std::move(path))
    , ioctl_(ioctl) {}

DeviceFileChannel::~DeviceFileChannel() {
    close();
}

std::string DeviceFileChannel::configuredPath() {
    const char* configured = std::getenv(pathVariable);
    return configured && *configured ? configured : defaultPath;
}

int DeviceFileChannel::systemIoctl(int fd, unsigned long request, DriverIoRecord* record) {
    return ::ioctl(fd, request, record);
}

bool DeviceFileChannel::open() {
    close();
    fd_ = ::open(path_.c_str(), O_RDWR | O_CLOEXEC);
    return fd_ >= 0;
}

void DeviceFileChannel::close() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

DriverReply DeviceFileChannel::exchange(const DriverRecord& request, DriverRecord& reply) {
    if (fd_ < 0)
        return {};
    DriverIoRecord record{};
    std::copy(request.begin(), request.end(), record.input);
    int result = 0;
    do {
        result = ioctl_(fd_, driverIoRequest, &record);
    } while (result < 0 && errno == EINTR);
    if (result < 0)
        return {};
    const std::uint32_t returned =
        std::min<std::uint32_t>(record.bytesReturned, static_cast<std::uint32_t>(driverRecordSize));
    std::copy_n(record.output, driverRecordSize, reply.begin());
    return {true, returned};
}

} // namespace vorn
