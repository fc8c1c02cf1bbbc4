// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/OneInterfaceBackend.h"

#include <algorithm>

namespace vorn {

std::optional<std::vector<HidInterfaceInfo>> OneInterfaceBackend::enumerate() {
    auto interfaces = inner_.enumerate();
    if (interfaces)
        std::erase_if(*interfaces, [this](const HidInterfaceInfo& i) { return i.path != path_; });
    return interfaces;
}

HidOpenResult OneInterfaceBackend::open(const std::string& path) {
    if (path != path_)
        return {HidOpenStatus::failed, 0};
    return inner_.open(path);
}

} // namespace vorn
