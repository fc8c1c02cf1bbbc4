// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/KeyCodeTranscript.h"

#include "editor/KeyCodeText.h"
#include "editor/TypingTables.h"

namespace vorn {

void KeyCodeTranscript::keyDown(int virtualKey, int keyFlags, bool capsLock) {
    KeyDescription description = describeKey(virtualKey, keyFlags, testShiftHeld_, capsLock);
    if (description.shiftPressed)
        testShiftHeld_ = true;
    outputText_ += description.text;
}

void KeyCodeTranscript::keyUp(int keyFlags) {
    if (keyFlags == leftShiftUp || keyFlags == rightShiftUp)
        testShiftHeld_ = false;
}

void KeyCodeTranscript::keyDown(const KeyEvent& key) {
    if (!isPlatformKey(key))
        keyDown(key.virtualKey, keyDownFlags(key), key.capsLock);
}

void KeyCodeTranscript::keyUp(const KeyEvent& key) {
    if (!key.repeat) // the release that comes with an auto-repeat is no release
        keyUp(keyUpFlags(key));
}

} // namespace vorn
