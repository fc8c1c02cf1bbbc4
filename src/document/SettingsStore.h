#pragma once

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
};

} // namespace vorn
