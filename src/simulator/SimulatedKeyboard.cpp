// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulator/SimulatedKeyboard.h"

namespace vorn {

SimulatedKeyboard::SimulatedKeyboard(std::vector<SimulatedInterface> interfaces)
    : interfaces_(std::move(interfaces)) {
    for (std::size_t i = 0; i < interfaces_.size(); ++i)
        if (interfaces_[i].path.empty())
            interfaces_[i].path = "sim:hidraw" + std::to_string(i);
}

bool SimulatedKeyboard::useMemoryFile(const std::string& path, std::string& error) {
    memoryFile_.reset(); // gives the firmware's store hook up before the next one takes it
    auto file = std::make_unique<SharedMemoryFile>(path, firmware_);
    if (!file->start(error))
        return false;
    memoryFile_ = std::move(file);
    return true;
}

std::string SimulatedKeyboard::memoryFileError() const {
    return memoryFile_ ? memoryFile_->error() : std::string();
}

bool SimulatedKeyboard::isGone(const SimulatedInterface& interface) const {
    return interface.kind == SimulatedInterface::Kind::keyboard && firmware_.unplugged();
}

std::optional<std::vector<HidInterfaceInfo>> SimulatedKeyboard::enumerate() {
    std::vector<HidInterfaceInfo> list;
    for (const SimulatedInterface& i : interfaces_)
        if (!isGone(i))
            list.push_back({i.path, i.vendorId, i.productId, i.product, i.manufacturer});
    return list;
}

HidOpenResult SimulatedKeyboard::open(const std::string& path) {
    for (std::size_t i = 0; i < interfaces_.size(); ++i) {
        const SimulatedInterface& interface = interfaces_[i];
        if (interface.path != path || isGone(interface))
            continue;
        switch (interface.kind) {
        case SimulatedInterface::Kind::permissionDenied:
            return {HidOpenStatus::permissionDenied, 0};
        case SimulatedInterface::Kind::unopenable: return {HidOpenStatus::failed, 0};
        case SimulatedInterface::Kind::keyboard:
            // A host that has the keyboard open has its memory to itself.
            if (memoryFile_ && !memoryFile_->hold())
                return {HidOpenStatus::failed, 0};
            break;
        case SimulatedInterface::Kind::silent: break;
        }
        const HidHandle handle = nextHandle_++;
        open_[handle] = i;
        return {HidOpenStatus::opened, handle};
    }
    return {HidOpenStatus::failed, 0};
}

void SimulatedKeyboard::close(HidHandle handle) {
    const auto it = open_.find(handle);
    if (it == open_.end())
        return;
    if (memoryFile_ && interfaces_[it->second].kind == SimulatedInterface::Kind::keyboard)
        memoryFile_->release();
    open_.erase(it);
}

const SimulatedInterface* SimulatedKeyboard::reachable(HidHandle handle) const {
    const auto it = open_.find(handle);
    if (it == open_.end() || isGone(interfaces_[it->second]))
        return nullptr;
    return &interfaces_[it->second];
}

std::optional<std::wstring> SimulatedKeyboard::productString(HidHandle handle) {
    const SimulatedInterface* interface = reachable(handle);
    if (!interface || interface->identityUnreadable)
        return std::nullopt;
    return interface->product;
}

std::optional<HidIds> SimulatedKeyboard::ids(HidHandle handle) {
    const SimulatedInterface* interface = reachable(handle);
    if (!interface || interface->identityUnreadable)
        return std::nullopt;
    return HidIds{interface->vendorId, interface->productId};
}

bool SimulatedKeyboard::sendFeatureReport(HidHandle handle, const FeatureReport& report) {
    const SimulatedInterface* interface = reachable(handle);
    if (!interface)
        return false;
    if (interface->kind == SimulatedInterface::Kind::silent)
        return true;
    return firmware_.setFeature(report);
}

int SimulatedKeyboard::getFeatureReport(HidHandle handle, FeatureReport& report) {
    const SimulatedInterface* interface = reachable(handle);
    if (!interface || interface->kind == SimulatedInterface::Kind::silent)
        return -1;
    return firmware_.getFeature(report) ? static_cast<int>(report.size()) : -1;
}

} // namespace vorn
