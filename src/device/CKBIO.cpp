// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/CKBIO.h"

#include <algorithm>

namespace vorn {

CKBIO::CKBIO(DriverChannel& channel)
    : channel_(channel) {}

CKBIO::~CKBIO() {
    channel_.close();
}

void CKBIO::OpenDriver() {
    channel_.open();
}

DriverReply CKBIO::request(std::uint8_t function, std::uint8_t packageNo, const PackageBuffer* data,
                           DriverRecord& reply) {
    DriverRecord record{};
    if (data)
        std::copy(data->begin(), data->end(), record.begin());
    record[packageNumberOffset] = packageNo;
    record[functionOffset] = function;
    reply.fill(0);
    return channel_.exchange(record, reply);
}

int CKBIO::GetDriverStatus() {
    DriverRecord reply;
    const DriverReply answer = request(statusFunction, 0, nullptr, reply);
    if (!answer.ok)
        lastResult_ = driverUnreachable;
    else if (answer.bytesReturned == 0)
        lastResult_ = noKeyboard;
    else {
        std::copy_n(reply.begin(), keyboardInformationSize, keyboardInformation_.begin());
        lastResult_ = keyboardPresent;
    }
    return lastResult_;
}

bool CKBIO::ReadDriverBlock(std::uint8_t nPackageNo) {
    DriverRecord reply;
    const DriverReply answer = request(readFunction, nPackageNo, nullptr, reply);
    const bool good = answer.ok && answer.bytesReturned > 0;
    if (good)
        std::copy_n(reply.begin(), packageSize, packageBuffer_.begin());
    lastResult_ = good ? 1 : 0;
    return good;
}

bool CKBIO::WriteDriverBlock(std::uint8_t nPackageNo) {
    DriverRecord reply;
    const DriverReply answer = request(writeFunction, nPackageNo, &packageBuffer_, reply);
    const bool good = answer.ok && answer.bytesReturned > 0;
    lastResult_ = good ? 1 : 0;
    return good;
}

void CKBIO::EndDriverWrite() {
    const PackageBuffer zeros{};
    DriverRecord reply;
    request(endWriteFunction, 0, &zeros, reply);
}

} // namespace vorn
