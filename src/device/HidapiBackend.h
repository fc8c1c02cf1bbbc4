// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/HidBackend.h"
#include "device/HidapiCalls.h"

#include <map>
#include <mutex>

namespace vorn {

// HidBackend on hidapi's hidraw backend, which leaves the kernel's keyboard driver attached
// so the keyboard keeps typing. Only one instance should exist at a time (hidapi's library
// state is global). Threads may share it, each with handles of its own: the feature reports
// of different handles run at the same time, every other call one at a time.
class HidapiBackend : public HidBackend {
public:
    explicit HidapiBackend(HidapiCalls calls = HidapiCalls::system());
    ~HidapiBackend() override;
    HidapiBackend(const HidapiBackend&) = delete;
    HidapiBackend& operator=(const HidapiBackend&) = delete;

    std::optional<std::vector<HidInterfaceInfo>> enumerate() override;
    HidOpenResult open(const std::string& path) override;
    void close(HidHandle handle) override;
    std::optional<std::wstring> productString(HidHandle handle) override;
    std::optional<HidIds> ids(HidHandle handle) override;
    bool sendFeatureReport(HidHandle handle, const FeatureReport& report) override;
    int getFeatureReport(HidHandle handle, FeatureReport& report) override;

private:
    hid_device* device(HidHandle handle) const;

    HidapiCalls calls_;
    mutable std::mutex mutex_; // guards open_ and nextHandle_, and serialises the other calls
    bool initialised_ = false;
    std::map<HidHandle, hid_device*> open_;
    HidHandle nextHandle_ = 1;
};

} // namespace vorn
