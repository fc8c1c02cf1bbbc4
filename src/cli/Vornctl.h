// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vorn::cli {

enum ExitStatus : int {
    exitSuccess = 0,
    exitRefused = 1, // refused, or a check failed
    exitUsage = 2,   // usage error, or a file that cannot be read or written
};

// Runs one vornctl command line (without the program name). Data goes to `out`,
// messages to `err`.
int runVornctl(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
               std::ostream& err);

} // namespace vorn::cli
