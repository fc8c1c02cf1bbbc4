// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "image/TextMark.h"

#include <string>
#include <string_view>

namespace vorn {

inline constexpr std::string_view noKeyboardMessage =
    VORN_TRANSLATE_NOOP("vorn::Messages", "There is no VQ series keyboard connected!");

// Said in addition when a keyboard is present but the user may not open it.
inline constexpr std::string_view accessDeniedLine = VORN_TRANSLATE_NOOP(
    "vorn::Messages",
    "A VQ series keyboard was found, but access to it was denied: install the udev rule "
    "70-vorn-keyboard.rules (see the README).");

// The message of a failed detection; `accessDenied` adds the second line.
std::string detectionFailureMessage(bool accessDenied);

} // namespace vorn
