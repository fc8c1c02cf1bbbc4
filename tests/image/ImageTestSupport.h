// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "image/TemplateImage.h"

#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

namespace vorn::test {

// "FF 3B 00" as bytes.
inline std::string hexBytes(std::string_view hex) {
    std::istringstream in{std::string(hex)};
    std::string out;
    unsigned value = 0;
    while (in >> std::hex >> value)
        out += static_cast<char>(value);
    return out;
}

// An image whose key area starts with `records` and is otherwise empty records.
inline TemplateImage imageWithKeyArea(std::string_view records, int modelId = 2018) {
    TemplateImage image = newTemplateImage(modelId);
    for (std::size_t i = 0; i < records.size(); ++i)
        image[i] = static_cast<std::uint8_t>(records[i]);
    return image;
}

inline std::string keyArea(const TemplateImage& image) {
    return {image.begin(), image.begin() + offsets::keyAreaSize};
}

} // namespace vorn::test
