// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "image/TemplateImage.h"
#include "image/TextMark.h"

#include <optional>
#include <string>
#include <string_view>

namespace vorn {

inline constexpr std::string_view wrongKeyTextMessage =
    VORN_TRANSLATE_NOOP("vorn::Messages", "Wrong function word or scan code word!!");
inline constexpr std::string_view wrongAsciiTextMessage =
    VORN_TRANSLATE_NOOP("vorn::Messages", "Wrong ASCII or function word!!");

// A valid ASCII-mode text (or empty). A text with a plain 0x00, 0xFD or 0xFE byte, or with
// 0xFF as its first byte, cannot be stored as written: it is valid in neither mode.
bool isAsciiText(std::string_view text);
// A valid scan-code-mode text (or empty).
bool isScanText(std::string_view text);
// Valid in either mode; the ASCII check is made first.
bool isValidKeyText(std::string_view text);

// The first key number, in key-number order, whose text passes neither check.
std::optional<int> firstInvalidKeyText(const KeyTexts& keyText);

// Every plain character as "[code]" in decimal, function words as they stand, literal
// brackets as nothing; empty when the text is not a valid ASCII-mode text.
std::string decimalDisplayForm(std::string_view text);

} // namespace vorn
