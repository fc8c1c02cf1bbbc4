// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vorn {

// Caps Lock, Num Lock and Scroll Lock as the status bar shows them: read from the keyboard
// LEDs at start, then followed through the key events the program sees.
class LockKeyState {
public:
    enum class Key { other, capsLock, numLock, scrollLock };

    // X11 modifier bits of a key event (the state before it).
    static constexpr std::uint32_t x11CapsLock = 0x02;
    static constexpr std::uint32_t x11NumLock = 0x10;

    // The LEDs under `ledFolder` (/sys/class/leds on Linux); all off when none can be read.
    static LockKeyState fromLeds(const std::string& ledFolder = "/sys/class/leds");

    // A key press; `modifiers` are the X11 modifier bits where the platform gives them.
    void keyPressed(Key key, std::optional<std::uint32_t> modifiers);

    bool caps = false;
    bool num = false;
    bool scroll = false;
};

} // namespace vorn
