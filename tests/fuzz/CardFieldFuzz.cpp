// SPDX-License-Identifier: GPL-3.0-or-later
// The card reader fields: a decoded field passes its check, and encoding a text writes
// nothing outside its field.
#include "FuzzInput.h"
#include "image/CardField.h"

#include <algorithm>

// Input: the field's offset (two bytes; past the image too) and size, a byte the rest of the
// image is filled with, the field's bytes, then the text to encode.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vorn;
    fuzz::FuzzInput input(data, size);
    const std::size_t offset = input.word() % (imageSize + 16);
    const std::size_t fieldSize = input.byte() % 17;
    TemplateImage image;
    image.fill(input.byte());
    const std::size_t inImage = offset < imageSize ? std::min(fieldSize, imageSize - offset) : 0;
    const auto fieldBytes = input.take(inImage);
    if (!fieldBytes.empty())
        std::copy(fieldBytes.begin(), fieldBytes.end(), image.begin() + offset);

    const std::string decoded = decodeCardField(image, offset, fieldSize);
    fuzz::require(checkCardText(decoded, fieldSize), "a decoded field passes its check");

    const TemplateImage before = image;
    encodeCardField(input.rest(), image, offset, fieldSize);
    for (std::size_t i = 0; i < imageSize; ++i)
        fuzz::require(image[i] == before[i] || (i >= offset && i < offset + fieldSize),
                      "encoding writes nothing outside its field");
    return 0;
}
