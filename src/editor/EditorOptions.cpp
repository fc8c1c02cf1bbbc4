// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/EditorOptions.h"

#include "document/KeyboardModels.h"

#include <charconv>
#include <utility>

namespace vorn {

namespace {

std::optional<int> modelIdOf(const std::string& text) {
    int id = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, id);
    if (ec != std::errc() || ptr != end || !isKnownModel(id))
        return std::nullopt;
    return id;
}

std::optional<double> scaleOf(const std::string& text) {
    double scale = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, scale, std::chars_format::fixed);
    if (ec != std::errc() || ptr != end || !(scale >= 0.5 && scale <= 4))
        return std::nullopt;
    return scale;
}

} // namespace

EditorOptions EditorOptions::parse(const std::vector<std::string>& arguments,
                                   const char* simulateVariable) {
    EditorOptions options;
    if (simulateVariable && *simulateVariable)
        options.keyboard.simulatorMemoryFiles = {simulateVariable};
    std::optional<std::string> port;
    std::optional<double> scale;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size() && options.error.empty(); ++i) {
        // "--name=value" gives the value with the name, as vornctl takes it.
        std::string argument = arguments[i];
        std::optional<std::string> inlineValue;
        if (const auto eq = argument.find('=');
            !optionsEnded && argument.starts_with("--") && eq != std::string::npos) {
            inlineValue = argument.substr(eq + 1);
            argument.resize(eq);
        }
        const auto value = [&]() -> std::optional<std::string> {
            if (inlineValue)
                return std::exchange(inlineValue, std::nullopt);
            if (i + 1 < arguments.size())
                return arguments[++i];
            options.error = argument + " needs a value";
            return std::nullopt;
        };
        if (optionsEnded) {
            if (options.file)
                options.error = "only one FILE can be opened";
            else
                options.file = argument;
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (inlineValue && (argument == "--help" || argument == "--version")) {
            options.error = argument + " takes no value";
        } else if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else if (argument == "--version") {
            options.version = true;
        } else if (argument == "--model") {
            if (const auto text = value()) {
                options.modelId = modelIdOf(*text);
                if (!options.modelId)
                    options.error = "--model takes a model id from 2013 to 2019";
            }
        } else if (argument == "--simulate") {
            if (const auto text = value())
                options.keyboard.simulatorMemoryFiles = {*text};
        } else if (argument == "--simulate-port") {
            port = value();
        } else if (argument == "--screenshot") {
            options.screenshot = value();
        } else if (argument == "--scale") {
            if (const auto text = value()) {
                scale = scaleOf(*text);
                if (!scale)
                    options.error = "--scale takes a factor from 0.5 to 4";
            }
        } else if (argument.starts_with("-") && argument != "-") {
            options.error = "unknown option " + argument;
        } else if (options.file) {
            options.error = "only one FILE can be opened";
        } else {
            options.file = argument;
        }
    }
    if (options.error.empty() && scale) {
        if (!options.screenshot)
            options.error = "--scale goes with --screenshot";
        options.screenshotScale = *scale;
    }
    if (options.error.empty() && port) {
        if (*port != "driver" && *port != "usb")
            options.error = "--simulate-port takes usb or driver";
        else if (options.keyboard.simulatorMemoryFiles.empty())
            options.error = "--simulate-port goes with --simulate";
        options.keyboard.driverPort = *port == "driver";
    }
    return options;
}

std::string EditorOptions::usage() {
    return "Usage: vorn [FILE] [--model ID] [--simulate MEMFILE] [--simulate-port driver]\n"
           "            [--screenshot PNG [--scale F]]\n"
           "The editor of programmable keyboard templates.\n"
           "\n"
           "FILE                   a template file (2048 bytes) to open at start\n"
           "--model ID             select the keyboard model first (2013 to 2019), as the\n"
           "                       Keyboard menu does, without asking\n"
           "--simulate MEMFILE     use a simulated keyboard keeping its memory in MEMFILE\n"
           "                       (also VORN_SIMULATE=MEMFILE)\n"
           "--simulate-port driver connect it behind the simulated keyboard driver\n"
           "--screenshot PNG       draw the view as it shows after start into PNG and exit\n"
           "--scale F              draw the screenshot at factor F (0.5 to 4; 1 by default)\n"
           "--help                 show this help\n"
           "--version              show the version\n"
           "An option's value may also follow it after '=' (--model=2014); after '--' every\n"
           "argument is the FILE.\n";
}

} // namespace vorn
