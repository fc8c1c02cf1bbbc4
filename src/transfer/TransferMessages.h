// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace vorn {

// The transfers' messages besides "There is no VQ series keyboard connected!"
// (DetectionMessage.h) and "Wrong function word or scan code word!!" (KeyTextChecks.h).
namespace transferMessages {

inline constexpr std::string_view readNoKeyboard =
    "No Programmable Keyboard detected!\nPlease check the keyboard connection!\n\nTry to read "
    "again please!";
inline constexpr std::string_view readDriverUnreachable =
    "Can't access programmable keyboard!\nPlease to check the driver setup!\n\nTry to read again "
    "please!";
inline constexpr std::string_view writeNoKeyboard =
    "No Programmable Keyboard detected!\nPlease check the keyboard connection!\n\nTry to write "
    "Keyboard again please!";
inline constexpr std::string_view writeDriverUnreachable =
    "Can't access programmable keyboard!\nPlease check the driver setup!\n\nTry to write "
    "Keyboard again please!";

// Status bar notes after a transfer that ended well.
inline constexpr std::string_view readDone = "Template read from the keyboard";
inline constexpr std::string_view writeDone = "Template written into the keyboard";

// The failed package's number goes after "Count=", then the tail (empty for the driver).
inline constexpr std::string_view readError = "Data Read Error, Count=";
inline constexpr std::string_view writeError = "Error in writing data, Count=";
inline constexpr std::string_view usbErrorTail = "\n unplug/plug keyboard and try it again please";

inline std::string withCount(std::string_view head, int package, std::string_view tail = {}) {
    return std::string(head) + std::to_string(package) + std::string(tail);
}

} // namespace transferMessages

} // namespace vorn
