// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "image/TextMark.h"

#include <string_view>

namespace vorn {

// The licence lines that follow the version of vorn and vornctl, and the About box's tooltip.
inline constexpr std::string_view licenceNotice = VORN_TRANSLATE_NOOP(
    "vorn::CAboutDlg",
    "License GPL-3.0-or-later: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.\n");

} // namespace vorn
