// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/HidBackend.h"

#include <map>
#include <utility>
#include <vector>

namespace vorn {

// The interfaces of several backends as one list, in the backends' order: several simulated
// keyboards, each with a memory of its own, side by side. Paths must differ between them.
class CombinedHidBackend : public HidBackend {
public:
    explicit CombinedHidBackend(std::vector<HidBackend*> parts)
        : parts_(std::move(parts)) {}

    std::optional<std::vector<HidInterfaceInfo>> enumerate() override;
    // The first part that knows the path opens it.
    HidOpenResult open(const std::string& path) override;
    void close(HidHandle handle) override;
    std::optional<std::wstring> productString(HidHandle handle) override;
    std::optional<HidIds> ids(HidHandle handle) override;
    bool sendFeatureReport(HidHandle handle, const FeatureReport& report) override;
    int getFeatureReport(HidHandle handle, FeatureReport& report) override;

private:
    // The part and its own handle behind one of ours; nothing for an unknown handle.
    const std::pair<HidBackend*, HidHandle>* find(HidHandle handle) const;

    std::vector<HidBackend*> parts_;
    std::map<HidHandle, std::pair<HidBackend*, HidHandle>> open_;
    HidHandle nextHandle_ = 1;
};

} // namespace vorn
