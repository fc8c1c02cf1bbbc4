// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <optional>
#include <set>

namespace vorn {

// Faults a simulated keyboard injects, for tests. Ordinal numbers count from 1, from the
// keyboard's start; per-package counts say how many more times the fault hits that package.
struct KeyboardFaults {
    std::set<int> failedSets;     // the Nth feature set is not taken
    std::set<int> failedGets;     // the Nth feature get delivers nothing
    std::set<int> corruptedReads; // the Nth package read is sent with a wrong check byte
    std::set<int> failedAcks;     // the Nth acknowledgement fails
    bool failEveryAck = false;
    // After this package is read or acknowledged the keyboard is gone: every later call fails.
    std::optional<int> unplugAfterPackage;

    // The first data report get of a read of the package fails (the command is taken).
    std::map<int, int> readFailures;
    // The first data report of a write of the package is refused (the command is taken).
    std::map<int, int> writeFailures;
    std::map<int, int> checkFailures; // the package is read with a wrong check byte
    std::map<int, int> ackFailures;   // the acknowledgement of the stored package fails
    // Packages the keyboard takes and acknowledges but keeps with other bytes.
    std::set<int> keptWrong;
};

// Uses up one hit of a per-package fault count; true when the fault hits this time.
inline bool takePackageFault(std::map<int, int>& counts, int package) {
    const auto it = counts.find(package);
    if (it == counts.end() || it->second <= 0)
        return false;
    --it->second;
    return true;
}

} // namespace vorn
