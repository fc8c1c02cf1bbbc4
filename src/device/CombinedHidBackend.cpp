// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/CombinedHidBackend.h"

namespace vorn {

std::optional<std::vector<HidInterfaceInfo>> CombinedHidBackend::enumerate() {
    std::vector<HidInterfaceInfo> all;
    for (HidBackend* part : parts_)
        if (auto interfaces = part->enumerate())
            all.insert(all.end(), interfaces->begin(), interfaces->end());
    return all;
}

HidOpenResult CombinedHidBackend::open(const std::string& path) {
    for (HidBackend* part : parts_) {
        const HidOpenResult result = part->open(path);
        if (result.status == HidOpenStatus::failed)
            continue;
        if (result.status == HidOpenStatus::opened) {
            open_[nextHandle_] = {part, result.handle};
            return {HidOpenStatus::opened, nextHandle_++};
        }
        return result;
    }
    return {HidOpenStatus::failed, 0};
}

void CombinedHidBackend::close(HidHandle handle) {
    const auto it = open_.find(handle);
    if (it == open_.end())
        return;
    it->second.first->close(it->second.second);
    open_.erase(it);
}

const std::pair<HidBackend*, HidHandle>* CombinedHidBackend::find(HidHandle handle) const {
    const auto it = open_.find(handle);
    return it == open_.end() ? nullptr : &it->second;
}

std::optional<std::wstring> CombinedHidBackend::productString(HidHandle handle) {
    const auto* part = find(handle);
    return part ? part->first->productString(part->second) : std::nullopt;
}

std::optional<HidIds> CombinedHidBackend::ids(HidHandle handle) {
    const auto* part = find(handle);
    return part ? part->first->ids(part->second) : std::nullopt;
}

bool CombinedHidBackend::sendFeatureReport(HidHandle handle, const FeatureReport& report) {
    const auto* part = find(handle);
    return part && part->first->sendFeatureReport(part->second, report);
}

int CombinedHidBackend::getFeatureReport(HidHandle handle, FeatureReport& report) {
    const auto* part = find(handle);
    return part ? part->first->getFeatureReport(part->second, report) : -1;
}

} // namespace vorn
