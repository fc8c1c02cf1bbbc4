// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace vorn {

class CVornDoc;
class KeyEditDialogs;
class UserMessages;
struct EditingState;

// What the view must repaint after a Key Edit command: nothing, the key text lines
// (viewGeometry::keyTextLines) or the whole view.
enum class EditRepaint { nothing, keyTextLine, view };

// The ten commands of the Key Edit menu, acting on the selected key's text in the document
// and on the view's editing state. The caret index is the insertion point in the stored text,
// also in the decimal display.
class KeyEditCommands {
public:
    // The ten command ids in menu order.
    static const std::array<int, 10>& allIds();
    // Whether a command is available for a key with `keyText` in ASCII mode (`keyIsAscii`)
    // or scan-code mode, with `portKind` the last keyboard detection's result.
    static bool isEnabled(int commandId, std::string_view keyText, bool keyIsAscii, int portKind);

    KeyEditCommands(CVornDoc& document, EditingState& state, UserMessages& messages,
                    KeyEditDialogs& dialogs);

    // Whether the selected key has the command available now.
    bool isEnabled(int commandId, int portKind) const;
    // Runs the command with this id; nothing for an id that is none of the ten.
    EditRepaint run(int commandId);

    EditRepaint clearKey();
    EditRepaint setAsciiMode();
    EditRepaint setScanMode();
    EditRepaint insertCaps();
    EditRepaint insertDelay();
    EditRepaint insertSeparator();
    EditRepaint insertShiftLevel();
    EditRepaint enterAsciiCode();
    EditRepaint switchDisplayMode();
    EditRepaint selectScanCode();

private:
    void setSelectedText(std::string text);
    const std::string& selectedText() const;
    // Empties the selected key; on the paired model its partner key follows.
    void emptySelectedKey();
    void switchMode(bool ascii);
    // Inserts at the caret while the template has room.
    void insert(std::string_view text);
    void insertInDecimalDisplay(char code);
    // The display caret to the token the caret index stands before.
    void followCaretIndex();
    // Where the caret goes after a key word: in the decimal display to the start (home) or
    // behind the word (word); in the normal display always behind the word.
    enum class CaretAfter { home, word };
    // Sets the modified flag, inserts the word and marks the key changed.
    EditRepaint insertWord(std::string_view word, CaretAfter after);
    // Marks the key changed (step A); the whole view repaints.
    EditRepaint markKeyChanged();
    // In the decimal display, back to the start (step B).
    void decimalCaretHome();

    CVornDoc& document_;
    EditingState& state_;
    UserMessages& messages_;
    KeyEditDialogs& dialogs_;
};

} // namespace vorn
