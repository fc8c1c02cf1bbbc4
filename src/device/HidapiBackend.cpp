// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/HidapiBackend.h"

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <set>
#include <unistd.h>

namespace vorn {

namespace {

constexpr std::size_t productChars = 128; // 256 bytes of UTF-16 on the wire

int systemAccessError(const char* path) {
    return ::faccessat(AT_FDCWD, path, R_OK | W_OK, AT_EACCESS) == 0 ? 0 : errno;
}

std::wstring wideOrEmpty(const wchar_t* text) {
    return text ? std::wstring(text) : std::wstring();
}

} // namespace

HidapiCalls HidapiCalls::system() {
    return {hid_init,
            hid_exit,
            hid_enumerate,
            hid_free_enumeration,
            hid_open_path,
            hid_close,
            hid_get_product_string,
            hid_get_device_info,
            hid_send_feature_report,
            hid_get_feature_report,
            systemAccessError};
}

HidapiBackend::HidapiBackend(HidapiCalls calls)
    : calls_(calls) {
    initialised_ = calls_.init() == 0;
}

HidapiBackend::~HidapiBackend() {
    for (const auto& [handle, device] : open_)
        calls_.close(device);
    if (initialised_)
        calls_.exit();
}

std::optional<std::vector<HidInterfaceInfo>> HidapiBackend::enumerate() {
    if (!initialised_)
        return std::nullopt;
    const std::lock_guard lock(mutex_);
    // hidapi returns no list both for "none present" and for a failure; either way there is
    // nothing to open.
    hid_device_info* const list = calls_.enumerate(0, 0);
    std::vector<HidInterfaceInfo> interfaces;
    std::set<std::string> seen;
    for (const hid_device_info* i = list; i; i = i->next) {
        // hidraw lists a node once per top-level usage; it is one interface to open.
        if (!i->path || !seen.insert(i->path).second)
            continue;
        interfaces.push_back({i->path, i->vendor_id, i->product_id, wideOrEmpty(i->product_string),
                              wideOrEmpty(i->manufacturer_string)});
    }
    if (list)
        calls_.freeEnumeration(list);
    return interfaces;
}

HidOpenResult HidapiBackend::open(const std::string& path) {
    if (!initialised_)
        return {HidOpenStatus::failed, 0};
    const std::lock_guard lock(mutex_);
    hid_device* const device = calls_.openPath(path.c_str());
    if (!device) {
        const int why = calls_.accessError(path.c_str());
        const bool denied = why == EACCES || why == EPERM;
        return {denied ? HidOpenStatus::permissionDenied : HidOpenStatus::failed, 0};
    }
    const HidHandle handle = nextHandle_++;
    open_[handle] = device;
    return {HidOpenStatus::opened, handle};
}

void HidapiBackend::close(HidHandle handle) {
    const std::lock_guard lock(mutex_);
    const auto it = open_.find(handle);
    if (it == open_.end())
        return;
    calls_.close(it->second);
    open_.erase(it);
}

hid_device* HidapiBackend::device(HidHandle handle) const {
    const std::lock_guard lock(mutex_);
    const auto it = open_.find(handle);
    return it == open_.end() ? nullptr : it->second;
}

std::optional<std::wstring> HidapiBackend::productString(HidHandle handle) {
    hid_device* const d = device(handle);
    if (!d)
        return std::nullopt;
    const std::lock_guard lock(mutex_);
    std::array<wchar_t, productChars> text{};
    if (calls_.getProductString(d, text.data(), text.size()) != 0)
        return std::nullopt;
    text.back() = L'\0';
    return std::wstring(text.data());
}

std::optional<HidIds> HidapiBackend::ids(HidHandle handle) {
    hid_device* const d = device(handle);
    if (!d)
        return std::nullopt;
    const std::lock_guard lock(mutex_);
    const hid_device_info* const info = calls_.getDeviceInfo(d);
    if (!info)
        return std::nullopt;
    return HidIds{info->vendor_id, info->product_id};
}

bool HidapiBackend::sendFeatureReport(HidHandle handle, const FeatureReport& report) {
    hid_device* const d = device(handle);
    if (!d)
        return false;
    const int sent = calls_.sendFeatureReport(d, report.data(), report.size());
    return sent == static_cast<int>(report.size());
}

int HidapiBackend::getFeatureReport(HidHandle handle, FeatureReport& report) {
    hid_device* const d = device(handle);
    if (!d)
        return -1;
    const int got = calls_.getFeatureReport(d, report.data(), report.size());
    return got < 0 ? -1 : got;
}

} // namespace vorn
