#include "cli/Vornctl.h"

#include <iostream>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int status = vorn::cli::runVornctl(args, std::cin, std::cout, std::cerr);
    std::cout.flush();
    return std::cout ? status : vorn::cli::exitUsage;
}
