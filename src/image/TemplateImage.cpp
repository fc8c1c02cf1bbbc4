#include "image/TemplateImage.h"

#include "image/ShortBytes.h"

#include <algorithm>

namespace vorn {

namespace {

// Counts the bytes that are not 0x00, eight at a time; `size` is a multiple of 8 below 2040.
std::size_t nonZeroBytes(const std::uint8_t* bytes, std::size_t size) {
    constexpr std::uint64_t low7 = 0x7F7F7F7F7F7F7F7Full;
    constexpr std::uint64_t ones = 0x0101010101010101ull;
    std::uint64_t lanes = 0; // eight byte-wide counters; each counts at most size / 8 < 255
    for (std::size_t i = 0; i < size; i += 8) {
        const auto word = shortBytes::load<std::uint64_t>(reinterpret_cast<const char*>(bytes) + i);
        // A byte's top bit ends up set exactly when the byte is not 0x00.
        const std::uint64_t nonZero = ((word & low7) + low7) | word;
        lanes += (nonZero >> 7) & ones;
    }
    constexpr std::uint64_t evenBytes = 0x00FF00FF00FF00FFull;
    const std::uint64_t pairs = (lanes & evenBytes) + ((lanes >> 8) & evenBytes);
    return static_cast<std::size_t>((pairs * 0x0001000100010001ull) >> 48);
}
static_assert(offsets::keyAreaSize % 8 == 0 && offsets::keyAreaSize / 8 < 255);

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
    const std::size_t zeros =
        offsets::keyAreaSize - nonZeroBytes(image.data() + offsets::keyArea, offsets::keyAreaSize);
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
