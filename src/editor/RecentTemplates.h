// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorn {

class SettingsStore;

// The templates loaded or saved last, most recent first, kept in the settings store.
class RecentTemplates {
public:
    static constexpr std::size_t maxFiles = 8;
    static constexpr std::string_view section = "RecentTemplates";

    explicit RecentTemplates(SettingsStore& settings);

    const std::vector<std::string>& files() const { return files_; }
    // `path` (made absolute) goes first; the oldest beyond maxFiles drops out.
    void add(const std::string& path);
    void remove(const std::string& path);

    // A menu item's text: "&1 name", the mnemonic's ampersands kept out of the name.
    static std::string itemText(std::size_t index, const std::string& path);

private:
    void store();

    SettingsStore& settings_;
    std::vector<std::string> files_;
};

} // namespace vorn
