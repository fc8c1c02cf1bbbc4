// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulator/KeyboardFirmware.h"

#include <algorithm>

namespace vorn {

namespace {

constexpr std::uint8_t commandRead = 0xE6;
constexpr std::uint8_t commandWrite = 0xE7;
constexpr std::uint8_t writeMark = 0xD0; // upper half of every nibble byte the host writes

// A package travels as a stream of 72 nibble slots, 8 per report; a report carries its
// slots from byte 8 down to byte 1. Bytes of the package (and then the check byte) use two
// slots each; the last 6 slots carry nothing.
constexpr int slotCount = 72;
constexpr int usedSlots = 66;
using SlotStream = std::array<std::uint8_t, slotCount>;

std::uint8_t xorOf(std::span<const std::uint8_t> bytes) {
    std::uint8_t x = 0;
    for (const std::uint8_t b : bytes)
        x ^= b;
    return x;
}

} // namespace

KeyboardFirmware::KeyboardFirmware(const TemplateImage& memory)
    : memory_(memory) {}

bool KeyboardFirmware::setFeature(const FeatureReport& report) {
    if (unplugged_)
        return false;
    if (faults_.failedSets.count(++sets_) != 0)
        return false; // lost on the way: the keyboard never saw it
    if (report[0] != 0)
        return false; // the keyboard has report 0 only
    ackPending_ = false;
    if (report[1] == commandRead || report[1] == commandWrite)
        return takeCommand(report);
    return takeData(report);
}

bool KeyboardFirmware::takeCommand(const FeatureReport& report) {
    state_ = State::idle;
    const unsigned address = report[2] | report[3] << 8;
    if (address % packageSize != 0 || address >= imageSize)
        return false;
    if (std::any_of(report.begin() + 4, report.end(), [](std::uint8_t b) { return b != 0; }))
        return false; // a command report ends in five zero bytes
    package_ = static_cast<int>(address / packageSize);
    reportIndex_ = 0;
    if (report[1] == commandRead) {
        ++reads_;
        dropFirstGet_ = takePackageFault(faults_.readFailures, package_);
        const bool wrongCheck = faults_.corruptedReads.count(reads_) != 0 ||
                                takePackageFault(faults_.checkFailures, package_);
        prepareRead(wrongCheck);
        state_ = State::sending;
        return true;
    }
    refuseFirstData_ = takePackageFault(faults_.writeFailures, package_);
    state_ = State::receiving;
    return true;
}

// Lays out the package for the host: high nibble first, the upper half of each slot noise.
void KeyboardFirmware::prepareRead(bool wrongCheck) {
    std::array<std::uint8_t, packageSize + 1> bytes{};
    for (std::size_t i = 0; i < packageSize; ++i)
        bytes[i] = memory_[package_ * packageSize + i];
    bytes[packageSize] = xorOf(std::span(bytes.data(), packageSize));
    if (wrongCheck)
        bytes[packageSize] ^= 0xFF;

    SlotStream slots{};
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        slots[2 * i] = bytes[i] >> 4;
        slots[2 * i + 1] = bytes[i] & 0x0F;
    }
    for (int r = 0; r < reportsPerPackage; ++r) {
        reports_[r][0] = 0;
        for (int k = 0; k < 8; ++k)
            reports_[r][8 - k] = static_cast<std::uint8_t>(noise() | slots[8 * r + k]);
    }
}

bool KeyboardFirmware::takeData(const FeatureReport& report) {
    if (state_ != State::receiving)
        return false; // data without a write command
    if (refuseFirstData_) {
        refuseFirstData_ = false;
        state_ = State::idle; // the host must start the package again
        return false;
    }
    reports_[reportIndex_++] = report;
    if (reportIndex_ == reportsPerPackage) {
        state_ = State::idle;
        storeReceived();
    }
    return true;
}

// Keeps the received package only when every used slot is marked 0xD and the check byte
// matches; otherwise the next acknowledgement fails.
void KeyboardFirmware::storeReceived() {
    SlotStream slots{};
    for (int r = 0; r < reportsPerPackage; ++r)
        for (int k = 0; k < 8; ++k)
            slots[8 * r + k] = reports_[r][8 - k];
    std::array<std::uint8_t, packageSize + 1> bytes{};
    for (int s = 0; s < usedSlots; ++s) {
        if ((slots[s] & 0xF0) != writeMark)
            return;
        // Writing, the low nibble comes first.
        bytes[s / 2] |= static_cast<std::uint8_t>((slots[s] & 0x0F) << (s % 2 == 0 ? 0 : 4));
    }
    if (xorOf(std::span(bytes.data(), packageSize)) != bytes[packageSize])
        return;
    ackPending_ = storePackage(
        package_, std::span<const std::uint8_t, packageSize>(bytes.data(), packageSize));
}

bool KeyboardFirmware::storePackage(int n, std::span<const std::uint8_t, packageSize> bytes) {
    if (n < 0 || n >= packageCount)
        return false;
    TemplateImage next = memory_;
    std::copy(bytes.begin(), bytes.end(), next.begin() + n * packageSize);
    if (faults_.keptWrong.count(n) != 0)
        next[n * packageSize] ^= 0xFF; // what the keyboard keeps is not what it was given
    if (storeHook_ && !storeHook_(next))
        return false;
    memory_ = next;
    return true;
}

bool KeyboardFirmware::getFeature(FeatureReport& report) {
    if (unplugged_)
        return false;
    if (faults_.failedGets.count(++gets_) != 0)
        return false; // lost on the way: the keyboard's state is unchanged
    if (report[0] != 0)
        return false;
    if (state_ == State::sending) {
        if (dropFirstGet_) {
            dropFirstGet_ = false;
            state_ = State::idle; // the host must send the read command again
            return false;
        }
        report = reports_[reportIndex_++];
        if (reportIndex_ == reportsPerPackage) {
            state_ = State::idle;
            if (faults_.unplugAfterPackage == package_)
                unplugged_ = true;
        }
        return true;
    }
    return giveAck(report);
}

bool KeyboardFirmware::giveAck(FeatureReport& report) {
    if (!ackPending_)
        return false;
    ackPending_ = false;
    ++acks_;
    if (faults_.failEveryAck || faults_.failedAcks.count(acks_) != 0 ||
        takePackageFault(faults_.ackFailures, package_))
        return false;
    report.fill(0);
    if (faults_.unplugAfterPackage == package_)
        unplugged_ = true;
    return true;
}

// Changing values for the upper half of each nibble byte the keyboard sends (xorshift).
std::uint8_t KeyboardFirmware::noise() {
    noiseState_ ^= noiseState_ << 13;
    noiseState_ ^= noiseState_ >> 17;
    noiseState_ ^= noiseState_ << 5;
    return static_cast<std::uint8_t>(noiseState_ >> 24) & 0xF0;
}

} // namespace vorn
