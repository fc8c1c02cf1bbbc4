// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/KeyEvent.h"

#include <optional>

class QKeyEvent;

namespace vorn {

// A PC scan code (set 1) with its extended marker.
struct SetOneCode {
    int scanCode;
    bool extended;
    friend bool operator==(const SetOneCode&, const SetOneCode&) = default;
};

// Makes the typing rules' key events from Qt's. Under X11 the native scan code names the
// physical key and the native modifiers carry the lock keys; where a platform gives no native
// scan code (Wayland, offscreen) the Qt key and the keypad modifier stand in for it on a US
// layout. The virtual-key code comes from a fixed US table either way.
class KeyEventTranslator {
public:
    // X11 key event state bits of the lock keys (the state before the event).
    static constexpr unsigned capsLockBit = 0x02;
    static constexpr unsigned numLockBit = 0x10;
    // X11 keycodes are Linux input codes plus 8.
    static constexpr int x11KeycodeOffset = 8;

    // The key event; nothing for a key that is no key of a PC keyboard.
    static std::optional<KeyEvent> translate(const QKeyEvent& event);

    // The set-1 code of a Linux input code; nothing for a code without one.
    static std::optional<SetOneCode> fromLinuxCode(int linuxCode);
    // The set-1 code of the key that gives a Qt key on a US layout (`keypad`: the event came
    // from the numeric keypad); nothing for a key without one.
    static std::optional<SetOneCode> fromQtKey(int qtKey, bool keypad);
};

} // namespace vorn
