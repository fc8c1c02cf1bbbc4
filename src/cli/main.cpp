// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Vornctl.h"

#include <cerrno>
#include <cstring>
#include <iostream>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int status = vorn::cli::runVornctl(args, std::cin, std::cout, std::cerr);
    errno = 0;
    std::cout.flush();
    if (std::cout)
        return status;
    // A full disk or a closed descriptor: the data did not arrive, which a script must learn.
    std::cerr << "vornctl: write error: " << std::strerror(errno ? errno : EIO) << '\n';
    return vorn::cli::exitUsage;
}
