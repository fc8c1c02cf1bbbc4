// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/HidBackend.h"

#include <string>

namespace vorn {

// The one interface of another backend that has a given path, as if no other were present:
// a search over it finds that interface or nothing.
class OneInterfaceBackend : public HidBackend {
public:
    OneInterfaceBackend(HidBackend& inner, std::string path)
        : inner_(inner)
        , path_(std::move(path)) {}

    const std::string& path() const { return path_; }

    std::optional<std::vector<HidInterfaceInfo>> enumerate() override;
    HidOpenResult open(const std::string& path) override;
    void close(HidHandle handle) override { inner_.close(handle); }
    std::optional<std::wstring> productString(HidHandle handle) override {
        return inner_.productString(handle);
    }
    std::optional<HidIds> ids(HidHandle handle) override { return inner_.ids(handle); }
    bool sendFeatureReport(HidHandle handle, const FeatureReport& report) override {
        return inner_.sendFeatureReport(handle, report);
    }
    int getFeatureReport(HidHandle handle, FeatureReport& report) override {
        return inner_.getFeatureReport(handle, report);
    }

private:
    HidBackend& inner_;
    std::string path_;
};

} // namespace vorn
