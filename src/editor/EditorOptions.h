// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "transfer/KeyboardTransports.h"

#include <optional>
#include <string>
#include <vector>

namespace vorn {

// The editor's command line:
// vorn [FILE] [--model ID] [--simulate MEMFILE] [--simulate-port driver] [--screenshot PNG
//      [--scale F]]
struct EditorOptions {
    std::optional<std::string> file;
    std::optional<int> modelId;
    KeyboardChoice keyboard;
    std::optional<std::string> screenshot;
    double screenshotScale = 1.0; // --scale F, 0.5 to 4
    bool help = false;
    bool version = false;
    std::string error; // a usage error, empty when the line is fine

    // `arguments` without the program name; `simulateVariable` is VORN_SIMULATE, if set.
    static EditorOptions parse(const std::vector<std::string>& arguments,
                               const char* simulateVariable);
    static std::string usage();
};

} // namespace vorn
