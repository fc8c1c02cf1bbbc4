// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/CKBIO.h"
#include "device/DriverChannel.h"
#include "simulator/KeyboardFirmware.h"
#include "simulator/SharedMemoryFile.h"

#include <optional>

namespace vorn {

// The keyboard driver for tests and for trying the program without hardware. It reaches the
// memory of a simulated keyboard's firmware, shared with the simulated USB interfaces, and
// honours the firmware's per-package read and write faults and its unplugging.
class SimulatedDriver : public DriverChannel {
public:
    // The keyboard information a status request returns.
    static constexpr std::array<std::uint8_t, CKBIO::keyboardInformationSize> information{
        'V', 'Q', '5', '0', '4', '0'};

    explicit SimulatedDriver(KeyboardFirmware& firmware);

    // Without the driver installed the device cannot be opened.
    void setInstalled(bool installed) { installed_ = installed; }
    // Status requests from the nth one on (counted from 1) answer `status` (1 or 2).
    void answerStatusFrom(int status, int nth) { statusFault_ = {status, nth}; }
    // The keyboard's memory file, held for each package read and from the first package of a
    // write to its end (or the driver's closing); a request that cannot hold it fails.
    void useMemoryFile(SharedMemoryFile* file) { memoryFile_ = file; }

    bool open() override;
    void close() override;
    DriverReply exchange(const DriverRecord& request, DriverRecord& reply) override;

    bool isOpen() const { return open_; }
    int opens() const { return opens_; }
    int statusRequests() const { return statusRequests_; }
    int endWrites() const { return endWrites_; }

private:
    struct StatusFault {
        int status;
        int from;
    };

    DriverReply status(DriverRecord& reply);
    DriverReply read(int package, DriverRecord& reply);
    DriverReply write(int package, const DriverRecord& request);
    void unplugAfter(int package);
    bool holdForWrite();
    void endWrite();

    KeyboardFirmware& firmware_;
    bool installed_ = true;
    bool open_ = false;
    std::optional<StatusFault> statusFault_;
    SharedMemoryFile* memoryFile_ = nullptr;
    bool writeHeld_ = false;
    int opens_ = 0;
    int statusRequests_ = 0;
    int endWrites_ = 0;
};

} // namespace vorn
