#include "image/TemplateImage.h"

#include <algorithm>

namespace vorn {

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
    // A plain counting loop with a fixed trip count, which the compiler vectorises.
    std::size_t zeros = 0;
    for (std::size_t i = offsets::keyArea; i < offsets::keyArea + offsets::keyAreaSize; ++i)
        zeros += image[i] == 0 ? 1 : 0;
    if (zeros < static_cast<std::size_t>(keyNumberCount))
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

} // namespace vorn
