// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/KeySelection.h"

#include "document/UserMessages.h"
#include "document/VornDoc.h"
#include "editor/ContentCaret.h"
#include "editor/ViewGeometry.h"
#include "editor/VirtualKeys.h"
#include "image/KeyTextChecks.h"
#include "layout/LayoutTables.h"

namespace vorn {

namespace {

bool isShiftKey(const KeyEvent& key) {
    return !key.extended &&
           (key.scanCode == scanCodes::leftShift || key.scanCode == scanCodes::rightShift);
}

} // namespace

KeySelection::KeySelection(CVornDoc& document, EditingState& state, UserMessages& messages)
    : document_(document)
    , state_(state)
    , messages_(messages) {}

Repaint KeySelection::mouseDown(int x, int y) {
    // A click strictly inside the content box places the caret.
    if (viewGeometry::contentBox.holdsInside(x, y)) {
        editText([x](ContentCaret& caret) { caret.placeAt(x); });
        return Repaint::contentBox;
    }
    const int slot = slotAt(x, y);
    if (slot < 0)
        return Repaint::nothing;
    if (!isValidKeyText(selectedText())) {
        messages_.showMessage(wrongKeyTextMessage);
        return Repaint::nothing;
    }
    selectByClick(slot);
    return Repaint::view;
}

Repaint KeySelection::keyDown(const KeyEvent& key) {
    if (isPlatformKey(key))
        return Repaint::nothing;
    state_.invalidTextWarning = false;
    editText([](ContentCaret& caret) { caret.keepInsideText(); });
    if (state_.decimalDisplay)
        decimalKey(key);
    else
        normalKey(key);
    return Repaint::view;
}

Repaint KeySelection::keyUp(const KeyEvent& key) {
    if (isShiftKey(key))
        state_.shiftHeld = false;
    return Repaint::nothing;
}

void KeySelection::showKey(int key) {
    const KeyLayout& layout = document_.layout();
    for (int slot = 0; slot < layout.keyCount(); ++slot) {
        if (layout.slotKey()[slot] != key || isEnterUpperPart(slot))
            continue;
        selectSlot(slot);
        state_.decimalDisplay = false;
        state_.invalidTextWarning = false;
        editText([](ContentCaret& caret) { caret.end(); });
        return;
    }
}

namespace {

// A function or scan code word in brackets goes in whole, as the key word list types it;
// every other byte alone.
std::size_t pasteTokenLength(std::string_view text) {
    constexpr std::size_t longestWord = 12;
    if (text.front() == '[') {
        const std::size_t close = text.find(']');
        if (close != std::string_view::npos && close <= longestWord)
            return close + 1;
    }
    return 1;
}

} // namespace

void KeySelection::paste(std::string_view text) {
    text = text.substr(0, text.find('\n'));
    if (text.ends_with('\r'))
        text.remove_suffix(1);
    if (text.empty())
        return;
    state_.decimalDisplay = false;
    state_.escPending = false;
    state_.invalidTextWarning = false;
    markSelectedKeyModified();
    editText([](ContentCaret& caret) { caret.keepInsideText(); });
    while (!text.empty()) {
        if (document_.spaceLeft() <= 0) {
            messages_.showStatus(noSpaceLeftNote, StatusKind::refusal);
            return;
        }
        const std::size_t length = pasteTokenLength(text);
        editText([&](ContentCaret& caret) { caret.insert(text.substr(0, length)); });
        text.remove_prefix(length);
    }
}

void KeySelection::documentUpdated() {
    state_.resetForDocumentUpdate(document_.layout().slotKey()[0]);
}

void KeySelection::initialUpdate(const std::function<void()>& detectKeyboard) {
    state_.resetForInitialUpdate(document_.layout().slotKey()[0]);
    if (detectKeyboard)
        detectKeyboard();
}

const std::string& KeySelection::selectedText() const {
    return document_.keyText()[state_.selectedKey];
}

// The caret edits a copy of the text, which goes back into the document when it changed.
void KeySelection::editText(const std::function<void(ContentCaret&)>& edit) {
    const int key = state_.selectedKey;
    std::string text = selectedText();
    ContentCaret caret(state_, text);
    edit(caret);
    document_.setKeyText(key, std::move(text));
}

void KeySelection::markSelectedKeyModified() {
    document_.markKeyEdited(state_.selectedKey);
}

bool KeySelection::isEnterUpperPart(int slot) const {
    return slot == modelGeometry(document_.modelId()).enterUpperSlot;
}

int KeySelection::slotAt(int x, int y) const {
    const KeyLayout& layout = document_.layout();
    for (int s = 0; s < layout.keyCount(); ++s) {
        const auto [sx, sy] = layout.slotPos()[s];
        const auto [w, h] = layout.slotSize()[s];
        if (sx < x && x < sx + w && sy < y && y < sy + h)
            return s;
    }
    return -1;
}

int KeySelection::keySlotAt(int x, int y) const {
    const int slot = slotAt(x, y);
    return slot >= 0 && isEnterUpperPart(slot) ? enterLowerSlot : slot;
}

void KeySelection::selectSlot(int slot) {
    state_.highlightOnly(slot);
    state_.selectedSlot = slot;
    state_.selectedKey = document_.layout().slotKey()[slot];
    state_.caretHome();
    state_.keyIsAscii[state_.selectedKey] = isAsciiText(selectedText());
}

void KeySelection::selectByClick(int slot) {
    const int previousKey = state_.selectedKey;
    selectSlot(isEnterUpperPart(slot) ? enterLowerSlot : slot);
    if (state_.selectedKey != previousKey)
        state_.decimalDisplay = false;
}

void KeySelection::moveSelection(Direction direction) {
    if (!isValidKeyText(selectedText())) {
        state_.invalidTextWarning = true;
        return;
    }
    selectSlot(document_.layout().neighbour(direction, state_.selectedSlot));
    state_.decimalDisplay = false;
}

void KeySelection::normalKey(const KeyEvent& key) {
    // A held Caps Lock repeats as an ordinary key.
    const bool capsRepeat = key.repeat && key.scanCode == scanCodes::capsLock && !key.extended;
    if (const SpecialKey* special = findSpecialKey(key.scanCode, key.extended);
        special && !capsRepeat)
        specialKey(*special);
    else if (const KeypadCursorKey* keypad = findKeypadCursorKey(key.scanCode, key.extended))
        keypadKey(*keypad, key);
    else
        ordinaryKey(key);
}

void KeySelection::decimalKey(const KeyEvent& key) {
    // Nothing is typed; Esc and Shift are noted, the cursor keys move, the delete keys delete.
    if (const SpecialKey* special = findSpecialKey(key.scanCode, key.extended))
        act(special->action);
    else if (const KeypadCursorKey* keypad = findKeypadCursorKey(key.scanCode, key.extended))
        act(keypad->action);
}

void KeySelection::specialKey(const SpecialKey& special) {
    if (!state_.escPending)
        return act(special.action);
    markSelectedKeyModified();
    if (special.action != KeyAction::escape) // Esc stays pending after "[ESC]"
        state_.escPending = false;
    insertIfRoom(special.word);
}

void KeySelection::keypadKey(const KeypadCursorKey& keypad, const KeyEvent& key) {
    if (!vk::isNumpadDigit(key.virtualKey))
        return act(keypad.action);
    markSelectedKeyModified();
    insertIfRoom(selectedKeyIsAscii() ? std::string(1, keypad.digit) : std::string(keypad.word));
}

void KeySelection::ordinaryKey(const KeyEvent& key) {
    markSelectedKeyModified();
    if (state_.escPending && !key.extended &&
        (key.scanCode == scanCodes::letterE || key.scanCode == scanCodes::letterF)) {
        state_.escPending = false;
        insertIfRoom(key.scanCode == scanCodes::letterE ? "[0E0]" : "[0F0]");
        return;
    }
    insertIfRoom(selectedKeyIsAscii() ? asciiModeText(key, state_.shiftHeld) : scanModeWord(key));
    state_.escPending = false;
}

void KeySelection::act(KeyAction action) {
    switch (action) {
    case KeyAction::none: break;
    case KeyAction::escape: state_.escPending = true; break;
    case KeyAction::shift: state_.shiftHeld = true; break;
    case KeyAction::deleteBefore: deleteBefore(); break;
    case KeyAction::deleteAt: deleteAt(); break;
    case KeyAction::caretHome: editText([](ContentCaret& caret) { caret.home(); }); break;
    case KeyAction::caretEnd: editText([](ContentCaret& caret) { caret.end(); }); break;
    case KeyAction::caretLeft: sideways(Direction::left); break;
    case KeyAction::caretRight: sideways(Direction::right); break;
    case KeyAction::selectUp: moveSelection(Direction::up); break;
    case KeyAction::selectDown: moveSelection(Direction::down); break;
    }
}

void KeySelection::sideways(Direction direction) {
    if (state_.shiftHeld)
        return moveSelection(direction);
    editText([direction](ContentCaret& caret) {
        if (direction == Direction::left)
            caret.left();
        else
            caret.right();
    });
}

void KeySelection::deleteBefore() {
    bool deleted = false;
    editText([&deleted](ContentCaret& caret) { deleted = caret.backspace(); });
    if (!deleted)
        return;
    markSelectedKeyModified();
    copyPairedKey();
}

void KeySelection::deleteAt() {
    editText([](ContentCaret& caret) { caret.deleteAtCaret(); });
    markSelectedKeyModified();
    copyPairedKey();
}

void KeySelection::copyPairedKey() {
    // The encoder restores key 160 from key 121 when 160 is empty, so 121 follows at once.
    if (document_.modelId() == pairedModelId && state_.selectedKey == pairedKeyPrimary)
        document_.setKeyText(pairedKeySecondary, document_.keyText()[pairedKeyPrimary]);
}

void KeySelection::insertIfRoom(std::string_view insertion) {
    if (insertion.empty())
        return;
    if (document_.spaceLeft() <= 0) {
        messages_.showStatus(noSpaceLeftNote, StatusKind::refusal);
        return;
    }
    editText([insertion](ContentCaret& caret) { caret.insert(insertion); });
}

} // namespace vorn
