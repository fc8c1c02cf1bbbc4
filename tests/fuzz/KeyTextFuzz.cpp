// SPDX-License-Identifier: GPL-3.0-or-later
// The key text functions on any text: none fails, and for a text valid in either mode
// encodedLength() is the size of what encodeKeyText() gives; in an image, the text's record
// holds those bytes without 0x00 (the image walks common texts on its own).
#include "FuzzInput.h"
#include "image/KeyTextChecks.h"
#include "image/KeyTextEncoder.h"

#include <algorithm>
#include <memory>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vorn;
    const std::string_view text = fuzz::FuzzInput(data, size).rest();
    const bool valid = isAsciiText(text) || isScanText(text);
    fuzz::require(isValidKeyText(text) == valid, "isValidKeyText is ASCII-valid or scan-valid");
    const std::string encoded = encodeKeyText(text);
    const int length = encodedLength(text);
    if (valid)
        fuzz::require(static_cast<std::size_t>(length) == encoded.size(),
                      "for a valid text encodedLength equals the encoded size");
    decimalDisplayForm(text);

    auto keyText = std::make_unique<KeyTexts>();
    (*keyText)[keyOrder[0]] = text;
    TemplateImage image{};
    encodeImage(image, *keyText, 2018);
    std::string expected = encoded;
    std::erase(expected, '\0');
    expected.resize(std::min(expected.size(), maxContentBytes));
    const std::string stored(image.begin(), image.begin() + expected.size() + 1);
    fuzz::require(stored == expected + '\0',
                  "a record holds the bytes encodeKeyText gives, without 0x00");
    return 0;
}
