// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vorn {

// The port shown while no keyboard is found; the screen draws it translated.
inline constexpr char noPortName[] = "No";

} // namespace vorn
