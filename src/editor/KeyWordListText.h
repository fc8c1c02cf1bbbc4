// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace vorn {

// The text of the "Special Function Key Word Table": every listed key word with its
// description, in groups, then the note on plain characters.
std::string keyWordListText();

} // namespace vorn
