// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <hidapi.h>

namespace vorn {

// The hidapi functions HidapiBackend calls, so that tests can put fakes in their place.
struct HidapiCalls {
    int (*init)();
    int (*exit)();
    hid_device_info* (*enumerate)(unsigned short vendorId, unsigned short productId);
    void (*freeEnumeration)(hid_device_info* list);
    hid_device* (*openPath)(const char* path);
    void (*close)(hid_device* device);
    int (*getProductString)(hid_device* device, wchar_t* text, std::size_t maxChars);
    hid_device_info* (*getDeviceInfo)(hid_device* device);
    int (*sendFeatureReport)(hid_device* device, const unsigned char* data, std::size_t length);
    int (*getFeatureReport)(hid_device* device, unsigned char* data, std::size_t length);
    // Not hidapi: 0 when the user may read and write `path`, else the errno that says why.
    // hidapi does not tell why an open failed.
    int (*accessError)(const char* path);

    // The real hidapi (hidraw backend) and the system's access check.
    static HidapiCalls system();
};

} // namespace vorn
