// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace vorn {

// The per-user settings store: QSettings of the organization and application "Vorn"
// (on Linux ~/.config/Vorn/Vorn.conf).
class SettingsStore {
public:
    // The integer under section/entry, or `fallback` when none is stored or it is no integer.
    int readInt(std::string_view section, std::string_view entry, int fallback) const;
    // Stores the integer; returns false when the store could not be written.
    bool writeInt(std::string_view section, std::string_view entry, int value);
    // The bytes under section/entry; empty when none are stored.
    std::string readBytes(std::string_view section, std::string_view entry) const;
    bool writeBytes(std::string_view section, std::string_view entry, std::string_view bytes);
};

} // namespace vorn
