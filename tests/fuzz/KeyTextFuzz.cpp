// The key text functions on any text: none fails, and for a text valid in either mode
// encodedLength() is the size of what encodeKeyText() gives.
#include "FuzzInput.h"
#include "image/KeyTextChecks.h"
#include "image/KeyTextEncoder.h"

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
    return 0;
}
