// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulator/SimulatedDriver.h"

#include <algorithm>

namespace vorn {

SimulatedDriver::SimulatedDriver(KeyboardFirmware& firmware)
    : firmware_(firmware) {}

bool SimulatedDriver::open() {
    close();
    if (!installed_)
        return false;
    open_ = true;
    ++opens_;
    return true;
}

void SimulatedDriver::close() {
    endWrite();
    open_ = false;
}

DriverReply SimulatedDriver::exchange(const DriverRecord& request, DriverRecord& reply) {
    if (!open_)
        return {};
    const int package = request[CKBIO::packageNumberOffset];
    switch (request[CKBIO::functionOffset]) {
    case CKBIO::readFunction: return read(package, reply);
    case CKBIO::statusFunction: return status(reply);
    case CKBIO::writeFunction: return write(package, request);
    case CKBIO::endWriteFunction:
        ++endWrites_;
        endWrite();
        return {true, 0};
    default: return {};
    }
}

// A driver that is there but finds no keyboard returns nothing.
DriverReply SimulatedDriver::status(DriverRecord& reply) {
    ++statusRequests_;
    if (statusFault_ && statusRequests_ >= statusFault_->from) {
        if (statusFault_->status == CKBIO::driverUnreachable)
            return {};
        return {true, 0};
    }
    if (firmware_.unplugged())
        return {true, 0};
    std::copy(information.begin(), information.end(), reply.begin());
    return {true, static_cast<std::uint32_t>(information.size())};
}

DriverReply SimulatedDriver::read(int package, DriverRecord& reply) {
    if (firmware_.unplugged() || package >= packageCount ||
        takePackageFault(firmware_.faults().readFailures, package))
        return {true, 0};
    // A read has no end the driver hears of: the file is held for each package.
    if (memoryFile_ && !memoryFile_->hold())
        return {true, 0};
    std::copy_n(firmware_.memory().begin() + package * packageSize, packageSize, reply.begin());
    if (memoryFile_)
        memoryFile_->release();
    unplugAfter(package);
    return {true, static_cast<std::uint32_t>(packageSize)};
}

DriverReply SimulatedDriver::write(int package, const DriverRecord& request) {
    if (firmware_.unplugged() || !holdForWrite() ||
        takePackageFault(firmware_.faults().writeFailures, package) ||
        !firmware_.storePackage(
            package, std::span<const std::uint8_t, packageSize>(request.data(), packageSize)))
        return {true, 0};
    unplugAfter(package);
    return {true, static_cast<std::uint32_t>(packageSize)};
}

bool SimulatedDriver::holdForWrite() {
    if (!memoryFile_ || writeHeld_)
        return true;
    writeHeld_ = memoryFile_->hold();
    return writeHeld_;
}

void SimulatedDriver::endWrite() {
    if (writeHeld_)
        memoryFile_->release();
    writeHeld_ = false;
}

void SimulatedDriver::unplugAfter(int package) {
    if (firmware_.faults().unplugAfterPackage == package)
        firmware_.unplug();
}

} // namespace vorn
