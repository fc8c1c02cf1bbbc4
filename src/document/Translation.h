// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "image/TextMark.h"

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

namespace vorn {

// Turns an English text the user sees (UTF-8) into the user's language: the editor installs
// one; vornctl installs none, so its messages stay English.
using TextTranslator =
    std::function<std::string(std::string_view context, std::string_view source)>;

// Installs the translator; an empty one removes it.
void setTextTranslator(TextTranslator translator);

// The text in the user's language; the source itself while no translator is installed. The
// translation tools find the calls with literal texts (lupdate -tr-function-alias).
std::string translateText(std::string_view context, std::string_view source);

// The text with %1 ... %9 replaced by the arguments in order, in one pass: the dynamic parts of
// a translated text. A number without an argument stays as it is.
std::string fillIn(std::string_view text, std::initializer_list<std::string_view> arguments);

} // namespace vorn
