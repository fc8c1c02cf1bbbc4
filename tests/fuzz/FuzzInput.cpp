// SPDX-License-Identifier: GPL-3.0-or-later
#include "FuzzInput.h"

#include <cstdio>
#include <cstdlib>

namespace vorn::fuzz {

void fail(const char* promise) {
    std::fprintf(stderr, "broken promise: %s\n", promise);
    std::abort();
}

} // namespace vorn::fuzz
