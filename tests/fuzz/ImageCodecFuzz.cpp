// SPDX-License-Identifier: GPL-3.0-or-later
// The image decoder and encoder on any 2048 bytes: decoding stays inside the image; after
// encoding the key area holds exactly 176 records, the block index points at the records it
// names, every byte outside the records and the block index keeps its value, and each record
// holds what encodeKeyText() gives for its text.
#include "FuzzInput.h"
#include "image/KeyTextDecoder.h"
#include "image/KeyTextEncoder.h"
#include "image/TemplateImage.h"

#include <algorithm>
#include <array>
#include <memory>
#include <string>

namespace vorn::fuzz {
namespace {

constexpr std::size_t blockIndexSize = 10;

bool sameBytes(const TemplateImage& a, const TemplateImage& b, std::size_t from, std::size_t to) {
    return std::equal(a.begin() + from, a.begin() + to, b.begin() + from);
}

// Checks the records, block index and untouched bytes of an image encodeImage() wrote.
void checkEncoded(const TemplateImage& before, const TemplateImage& image) {
    const auto keyAreaEnd = image.begin() + offsets::keyArea + offsets::keyAreaSize;
    auto pos = image.begin() + offsets::keyArea;
    std::array<std::size_t, 5> blockStarts{};
    for (int record = 1; record <= keyNumberCount; ++record) {
        pos = std::find(pos, keyAreaEnd, 0);
        require(pos != keyAreaEnd, "the key area holds 176 records");
        ++pos;
        if (record % 32 == 0 && record / 32 <= 5)
            blockStarts[record / 32 - 1] = static_cast<std::size_t>(pos - image.begin());
    }
    for (std::size_t entry = 0; entry < blockStarts.size(); ++entry) {
        const std::size_t at = offsets::blockIndex + 2 * entry;
        require((image[at] | image[at + 1] << 8) == static_cast<int>(blockStarts[entry]),
                "the block index points at records 32, 64, 96, 128 and 160");
    }
    const auto end = static_cast<std::size_t>(pos - image.begin());
    require(sameBytes(before, image, end, offsets::keyArea + offsets::keyAreaSize),
            "bytes after the last record keep their values");
    require(sameBytes(before, image, offsets::keyArea + offsets::keyAreaSize, offsets::blockIndex),
            "the card reader area keeps its values");
    require(sameBytes(before, image, offsets::blockIndex + blockIndexSize, imageSize),
            "the settings after the block index keep their values");
}

// Each record holds its text's bytes as encodeKeyText() gives them, without 0x00, cut where
// the key area runs out.
void checkRecordsMatchTexts(const TemplateImage& image, const KeyTexts& keyText) {
    std::size_t pos = offsets::keyArea;
    for (int record = 0; record < keyNumberCount; ++record) {
        std::string expected = encodeKeyText(keyText[keyOrder[record]]);
        std::erase(expected, '\0');
        expected.resize(std::min(expected.size(), maxContentBytes + record - pos));
        const std::string stored(image.begin() + pos, image.begin() + pos + expected.size());
        require(stored == expected, "a record holds its text's bytes");
        pos += expected.size();
        require(image[pos++] == 0, "a record ends after its text's bytes");
    }
}

} // namespace
} // namespace vorn::fuzz

// Input: a model selector byte, a two-byte record start, then the image (zeros after the end).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vorn;
    fuzz::FuzzInput input(data, size);
    const int model = 2013 + input.byte() % 8; // 2020: an unknown id
    const std::size_t start = input.word() % (imageSize + 1);
    // An allocation of exactly the image's size, so that the sanitizer sees any read past it.
    auto image = std::make_unique<TemplateImage>();
    const auto bytes = input.take(imageSize);
    std::copy(bytes.begin(), bytes.end(), image->begin());

    std::size_t pos = start;
    decodeRecord(*image, pos);
    fuzz::require(pos <= imageSize && (pos > start || start == imageSize),
                  "decodeRecord ends after the record, inside the image");

    auto keyText = std::make_unique<KeyTexts>();
    decodeImage(*image, model, *keyText);
    const TemplateImage before = *image;
    encodeImage(*image, *keyText, model);
    fuzz::checkEncoded(before, *image);
    fuzz::checkRecordsMatchTexts(*image, *keyText);
    validateImage(*image);
    return 0;
}
