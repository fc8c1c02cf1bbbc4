// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/TemplateImage.h"

#include <algorithm>
#include <cstring>

namespace vorn {

namespace {

// Counts the 0x00 bytes, sixteen at a time in byte-wide counters (the compiler's vector
// types, one instruction a compare); `size` is a multiple of 16.
std::size_t zeroBytes(const std::uint8_t* bytes, std::size_t size) {
    using Lanes = std::uint8_t __attribute__((vector_size(16)));
    Lanes zeros{}; // each lane counts at most size / 16 < 256
    for (std::size_t i = 0; i < size; i += sizeof(Lanes)) {
        Lanes lanes;
        std::memcpy(&lanes, bytes + i, sizeof lanes);
        zeros -= reinterpret_cast<Lanes>(lanes == 0); // a match is all ones: minus one
    }
    std::size_t count = 0;
    for (std::size_t lane = 0; lane < sizeof(Lanes); ++lane)
        count += zeros[lane];
    return count;
}
static_assert(offsets::keyAreaSize % 16 == 0 && offsets::keyAreaSize / 16 < 256);

} // namespace

void pairModelKeys(KeyTexts& keyText, int modelId) {
    if (modelId != pairedModelId)
        return;
    if (!keyText[pairedKeyPrimary].empty())
        keyText[pairedKeySecondary] = keyText[pairedKeyPrimary];
    else
        keyText[pairedKeyPrimary] = keyText[pairedKeySecondary];
}

TemplateImage newTemplateImage(int modelId) {
    TemplateImage image{};
    if (isCardReaderModel(modelId)) {
        std::fill_n(image.begin() + offsets::track1Prefix, cardReaderAreaSize, 0xFF);
        image[offsets::featureFlags] = 0xEA;
        image[offsets::optionFlags] = 0xD6;
    } else {
        image[offsets::featureFlags] = 0xE0;
        image[offsets::optionFlags] = 0x9E;
    }
    image[offsets::interCharDelay] = 0x02;
    std::copy(imageSignature.begin(), imageSignature.end(), image.begin() + offsets::signature);
    return image;
}

ImageCheck validateImage(const TemplateImage& image) {
    const bool signatureOk = std::equal(imageSignature.begin(), imageSignature.end(),
                                        image.begin() + offsets::signature);
    const std::uint8_t delay = image[offsets::interCharDelay];
    if (!signatureOk || delay == 0 || delay > 250)
        return ImageCheck::corrupted;
    if (zeroBytes(image.data() + offsets::keyArea, offsets::keyAreaSize) <
        static_cast<std::size_t>(keyNumberCount))
        return ImageCheck::wrongKeyNumber;
    return ImageCheck::valid;
}

std::string_view imageCheckMessage(ImageCheck check) {
    switch (check) {
    case ImageCheck::corrupted: return corruptedImageMessage;
    case ImageCheck::wrongKeyNumber: return wrongKeyNumberMessage;
    case ImageCheck::valid: break;
    }
    return {};
}

void writeBlockIndex(TemplateImage& image) {
    std::size_t pos = offsets::keyArea;
    constexpr std::size_t end = offsets::keyArea + offsets::keyAreaSize;
    for (std::size_t entry = 0; entry < 5; ++entry) {
        for (int record = 0; record < 32; ++record) {
            while (pos < end && image[pos] != 0)
                ++pos;
            if (pos < end)
                ++pos;
        }
        storeBlockIndexEntry(image, entry, pos);
    }
}

void storeBlockIndexEntry(TemplateImage& image, std::size_t entry, std::size_t offset) {
    image[offsets::blockIndex + 2 * entry] = static_cast<std::uint8_t>(offset & 0xFF);
    image[offsets::blockIndex + 2 * entry + 1] = static_cast<std::uint8_t>(offset >> 8);
}

std::optional<int> parseKeyNumber(std::string_view field) {
    if (field.empty() || field.size() > 3)
        return std::nullopt;
    int value = 0;
    for (const char c : field) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value >= keyNumberCount)
        return std::nullopt;
    return value;
}

} // namespace vorn
