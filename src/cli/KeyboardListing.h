// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/Command.h"
#include "device/CUSBport.h"

namespace vorn::cli {

// Prints, one line each, the path, product string and manufacturer of every interface with
// the keyboard's identity; says which ones cannot be opened for lack of permission; then runs
// the detection and says which interface answers. Then prints "keyboard<TAB>PATH<TAB>PRODUCT"
// for every interface that answers the package-0 probe. Exit status 0 when the detection
// found one, else 1.
int listKeyboards(CUSBport& port, Io& io);

} // namespace vorn::cli
