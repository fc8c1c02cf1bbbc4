// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/Translation.h"

#include <string>
#include <string_view>

namespace vorn {

// The transfers' messages besides "There is no VQ series keyboard connected!"
// (DetectionMessage.h) and "Wrong function word or scan code word!!" (KeyTextChecks.h).
namespace transferMessages {

inline constexpr std::string_view readNoKeyboard = VORN_TRANSLATE_NOOP(
    "vorn::Messages",
    "No Programmable Keyboard detected!\nPlease check the keyboard connection!\n\nTry to read "
    "again please!");
inline constexpr std::string_view readDriverUnreachable = VORN_TRANSLATE_NOOP(
    "vorn::Messages",
    "Can't access programmable keyboard!\nPlease to check the driver setup!\n\nTry to read again "
    "please!");
inline constexpr std::string_view writeNoKeyboard = VORN_TRANSLATE_NOOP(
    "vorn::Messages",
    "No Programmable Keyboard detected!\nPlease check the keyboard connection!\n\nTry to write "
    "Keyboard again please!");
inline constexpr std::string_view writeDriverUnreachable = VORN_TRANSLATE_NOOP(
    "vorn::Messages",
    "Can't access programmable keyboard!\nPlease check the driver setup!\n\nTry to write "
    "Keyboard again please!");

// Status bar notes after a transfer that ended well.
inline constexpr std::string_view readDone =
    VORN_TRANSLATE_NOOP("vorn::Messages", "Template read from the keyboard");
inline constexpr std::string_view writeDone =
    VORN_TRANSLATE_NOOP("vorn::Messages", "Template written into the keyboard");

// The failed package's number goes after "Count=", then the tail (empty for the driver).
inline constexpr std::string_view readError =
    VORN_TRANSLATE_NOOP("vorn::Messages", "Data Read Error, Count=");
inline constexpr std::string_view writeError =
    VORN_TRANSLATE_NOOP("vorn::Messages", "Error in writing data, Count=");
inline constexpr std::string_view usbErrorTail =
    VORN_TRANSLATE_NOOP("vorn::Messages", "\n unplug/plug keyboard and try it again please");

// The editor shows HEAD and TAIL translated.
inline std::string withCount(std::string_view head, int package, std::string_view tail = {}) {
    return translateText("vorn::Messages", head) + std::to_string(package) +
           (tail.empty() ? std::string() : translateText("vorn::Messages", tail));
}

} // namespace transferMessages

} // namespace vorn
