#pragma once

#include "cli/Command.h"
#include "device/CUSBport.h"

namespace vorn::cli {

// Prints, one line each, the path, product string and manufacturer of every interface with
// the keyboard's identity; says which ones cannot be opened for lack of permission; then runs
// the detection and says which interface answers. Exit status 0 when one answers, else 1.
int listKeyboards(CUSBport& port, Io& io);

} // namespace vorn::cli
