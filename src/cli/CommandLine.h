// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <vector>

namespace vorn::cli {

// The arguments of one command: positional arguments, options with values and flags.
struct CommandLine {
    std::vector<std::string> positionals;
    std::map<std::string, std::string> values;
    std::set<std::string> flags;
    // Every value of each option, in order, for options that may be repeated.
    std::map<std::string, std::vector<std::string>> repeated;

    bool has(const std::string& flag) const { return flags.count(flag) != 0; }
    // The last value given for the option.
    std::optional<std::string> value(const std::string& option) const;
    std::vector<std::string> allValues(const std::string& option) const;
};

// Parses "--opt VALUE", "--opt=VALUE", "-o VALUE" and flags; "--" ends the options.
// Returns nothing and sets `error` for an unknown option or a missing value.
std::optional<CommandLine> parseCommandLine(std::span<const std::string> args,
                                            const std::set<std::string>& valueOptions,
                                            const std::set<std::string>& flagOptions,
                                            std::string& error);

} // namespace vorn::cli
