// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/FeatureReport.h"
#include "image/TemplateImage.h"
#include "simulator/KeyboardFaults.h"

#include <array>
#include <cstdint>
#include <functional>
#include <span>

namespace vorn {

// The keyboard's side of the USB protocol: its 2048-byte memory, the package read and write
// commands, the nibble-coded data reports with their check byte, and the acknowledgement.
// It knows nothing of HID handles, so any front end that passes feature reports can drive it.
// Written from the keyboard's point of view, apart from the transport's own coding, so that a
// mistake on one side shows up instead of being mirrored.
class KeyboardFirmware {
public:
    using StoreHook = std::function<bool(const TemplateImage&)>;

    explicit KeyboardFirmware(const TemplateImage& memory = newTemplateImage(2013));

    // A feature report from the host (byte 0 is the report ID); false when not taken.
    bool setFeature(const FeatureReport& report);
    // The host asks for the report whose ID is in byte 0; false when there is none to give.
    bool getFeature(FeatureReport& report);

    const TemplateImage& memory() const { return memory_; }
    void setMemory(const TemplateImage& memory) { memory_ = memory; }
    // Keeps 32 bytes as package n; false when n is out of range or the store hook refuses.
    bool storePackage(int n, std::span<const std::uint8_t, packageSize> bytes);
    // Sees the memory as it will be after a store; returning false keeps the old memory and
    // rejects the package, as a keyboard that cannot keep it would.
    void setStoreHook(StoreHook hook) { storeHook_ = std::move(hook); }

    KeyboardFaults& faults() { return faults_; }
    bool unplugged() const { return unplugged_; }
    void unplug() { unplugged_ = true; }
    void plugIn() { unplugged_ = false; }

private:
    enum class State { idle, sending, receiving };
    static constexpr int reportsPerPackage = 9;

    bool takeCommand(const FeatureReport& report);
    bool takeData(const FeatureReport& report);
    void prepareRead(bool wrongCheck);
    void storeReceived();
    bool giveAck(FeatureReport& report);
    std::uint8_t noise();

    TemplateImage memory_;
    KeyboardFaults faults_;
    StoreHook storeHook_;
    State state_ = State::idle;
    int package_ = 0;
    int reportIndex_ = 0;
    std::array<FeatureReport, reportsPerPackage> reports_{};
    bool ackPending_ = false;
    bool dropFirstGet_ = false;    // an injected read failure is due
    bool refuseFirstData_ = false; // an injected write failure is due
    bool unplugged_ = false;
    int sets_ = 0;
    int gets_ = 0;
    int reads_ = 0;
    int acks_ = 0;
    std::uint32_t noiseState_ = 0x9E3779B9;
};

} // namespace vorn
