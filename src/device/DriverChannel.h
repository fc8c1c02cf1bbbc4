// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace vorn {

// Every exchange with the keyboard driver is one request record of 48 bytes and a reply of at
// most 48 bytes.
inline constexpr std::size_t driverRecordSize = 48;
using DriverRecord = std::array<std::uint8_t, driverRecordSize>;

// How one request ended: whether the request itself succeeded, and how many reply bytes the
// driver returned (0 means no keyboard, or failure).
struct DriverReply {
    bool ok = false;
    std::uint32_t bytesReturned = 0;
};

// The way to the kernel driver of a keyboard at the PS/2 port. Reports failure by results only.
class DriverChannel {
public:
    virtual ~DriverChannel() = default;

    // Opens the driver's device, closing one opened before; false when it cannot be opened,
    // after which every request fails until the next open.
    virtual bool open() = 0;
    virtual void close() = 0;
    // One request; the driver's reply lands in `reply`.
    virtual DriverReply exchange(const DriverRecord& request, DriverRecord& reply) = 0;
};

} // namespace vorn
