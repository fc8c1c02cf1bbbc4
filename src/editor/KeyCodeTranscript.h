// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/KeyEvent.h"

#include <string>

namespace vorn {

// The output test's transcript: every key press that reaches the test, in readable form, and
// whether a Shift key is held.
class KeyCodeTranscript {
public:
    // Key-up flags of the left and right Shift keys.
    static constexpr int leftShiftUp = 0xC02A;
    static constexpr int rightShiftUp = 0xC036;

    // A new showing of the test starts with an empty transcript.
    void clear() { outputText_.clear(); }

    // A key press as the platform's key message gives it.
    void keyDown(int virtualKey, int keyFlags, bool capsLock);
    // A key release: a Shift key going up ends the shift.
    void keyUp(int keyFlags);
    // The same for a key event; keys the platform keeps for the menu bar add nothing, and the
    // release that comes with an auto-repeat releases nothing.
    void keyDown(const KeyEvent& key);
    void keyUp(const KeyEvent& key);

    const std::string& text() const { return outputText_; }
    bool shiftHeld() const { return testShiftHeld_; }

private:
    std::string outputText_;
    bool testShiftHeld_ = false;
};

} // namespace vorn
