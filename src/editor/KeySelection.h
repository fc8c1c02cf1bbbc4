// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/EditingState.h"
#include "editor/KeyEvent.h"
#include "editor/TypingTables.h"
#include "image/TextMark.h"
#include "layout/KeyLayout.h"

#include <functional>
#include <string>
#include <string_view>

namespace vorn {

class CVornDoc;
class ContentCaret;
class UserMessages;

// What the view must repaint after an event.
enum class Repaint { nothing, contentBox, view };

// Selecting keys with the mouse and the arrow keys, and typing into the selected key: every
// edit goes straight into the document's key text of the selected key number; the editing
// state is what the drawing reads. Events come in as the view received them; the results say
// what to repaint.
class KeySelection {
public:
    static constexpr std::string_view noSpaceLeftNote =
        VORN_TRANSLATE_NOOP("vorn::Messages", "No space left in the template");

    KeySelection(CVornDoc& document, EditingState& state, UserMessages& messages);

    // A mouse button pressed at view point (x, y).
    Repaint mouseDown(int x, int y);
    // A key pressed (or auto-repeated) while the view has the keyboard.
    Repaint keyDown(const KeyEvent& key);
    // A key released.
    Repaint keyUp(const KeyEvent& key);

    // Selects the key (its first slot) with the caret at the end of its text: undo and redo
    // show so what they changed. A key the model does not show leaves the selection.
    void showKey(int key);
    // Inserts `text` up to its first line feed at the caret, as typing would, as far as the
    // template has room; what is left out beeps and says so in the status bar.
    void paste(std::string_view text);

    // After a new template, a load, a model change, a text import or Load Default.
    void documentUpdated();
    // When the view is first shown and after New and Load: the resets, then the keyboard
    // detection (which shows its own message when no keyboard answers).
    void initialUpdate(const std::function<void()>& detectKeyboard);

    // The slot a click at (x, y) selects (the Enter key's lower part for its upper one); -1
    // off the key caps.
    int keySlotAt(int x, int y) const;

private:
    const std::string& selectedText() const;
    void editText(const std::function<void(ContentCaret&)>& edit);
    bool selectedKeyIsAscii() const { return state_.keyIsAscii[state_.selectedKey]; }
    void markSelectedKeyModified();
    bool isEnterUpperPart(int slot) const;
    int slotAt(int x, int y) const;

    void selectSlot(int slot);
    void selectByClick(int slot);
    void moveSelection(Direction direction);

    void normalKey(const KeyEvent& key);
    void decimalKey(const KeyEvent& key);
    void specialKey(const SpecialKey& special);
    void keypadKey(const KeypadCursorKey& keypad, const KeyEvent& key);
    void ordinaryKey(const KeyEvent& key);
    void act(KeyAction action);
    // Left or right: the selection while Shift is held, else the caret.
    void sideways(Direction direction);
    void deleteBefore();
    void deleteAt();
    void copyPairedKey();
    // Inserts at the caret while the template has room; a dropped insertion beeps and says
    // so in the status bar.
    void insertIfRoom(std::string_view insertion);

    CVornDoc& document_;
    EditingState& state_;
    UserMessages& messages_;
};

} // namespace vorn
