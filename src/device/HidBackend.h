// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/FeatureReport.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vorn {

// One present HID interface as the system lists it.
struct HidInterfaceInfo {
    std::string path;
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::wstring product;
    std::wstring manufacturer;
};

struct HidIds {
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
};

enum class HidOpenStatus { opened, permissionDenied, failed };

using HidHandle = int;

struct HidOpenResult {
    HidOpenStatus status = HidOpenStatus::failed;
    HidHandle handle = 0; // meaningful only when opened
};

// What the USB transport needs of the system's HID services. Every call reports failure by
// its result and prints nothing.
class HidBackend {
public:
    virtual ~HidBackend() = default;

    // The present HID interfaces in enumeration order; nothing when they cannot be listed.
    virtual std::optional<std::vector<HidInterfaceInfo>> enumerate() = 0;
    virtual HidOpenResult open(const std::string& path) = 0;
    virtual void close(HidHandle handle) = 0;

    // The product string as the device reports it, one wide character per code unit.
    virtual std::optional<std::wstring> productString(HidHandle handle) = 0;
    virtual std::optional<HidIds> ids(HidHandle handle) = 0;

    // Sends a report whose byte 0 is the report ID; true when all 9 bytes went out.
    virtual bool sendFeatureReport(HidHandle handle, const FeatureReport& report) = 0;
    // Fetches the report whose ID is in byte 0 of `report`; returns the number of bytes the
    // device delivered (report ID included), or -1 on failure.
    virtual int getFeatureReport(HidHandle handle, FeatureReport& report) = 0;
};

} // namespace vorn
