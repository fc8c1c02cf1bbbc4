// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CommandLine.h"

namespace vorn::cli {

std::optional<std::string> CommandLine::value(const std::string& option) const {
    const auto it = values.find(option);
    if (it == values.end())
        return std::nullopt;
    return it->second;
}

std::vector<std::string> CommandLine::allValues(const std::string& option) const {
    const auto it = repeated.find(option);
    return it == repeated.end() ? std::vector<std::string>{} : it->second;
}

std::optional<CommandLine> parseCommandLine(std::span<const std::string> args,
                                            const std::set<std::string>& valueOptions,
                                            const std::set<std::string>& flagOptions,
                                            std::string& error) {
    CommandLine line;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            line.positionals.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        std::string name = arg;
        std::optional<std::string> inlineValue;
        if (const auto eq = arg.find('='); arg.starts_with("--") && eq != std::string::npos) {
            name = arg.substr(0, eq);
            inlineValue = arg.substr(eq + 1);
        }
        if (flagOptions.count(name) && !inlineValue) {
            line.flags.insert(name);
        } else if (valueOptions.count(name)) {
            if (!inlineValue && i + 1 >= args.size()) {
                error = "option " + name + " needs a value";
                return std::nullopt;
            }
            line.values[name] = inlineValue ? *inlineValue : args[++i];
            line.repeated[name].push_back(line.values[name]);
        } else {
            error = "unknown option " + arg;
            return std::nullopt;
        }
    }
    return line;
}

} // namespace vorn::cli
