// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace vorn {

enum class SaveAnswer { yes, no, cancel };

// A passing note: what happened, or why an action of the user's did nothing (with a beep).
enum class StatusKind { note, refusal };

// Where messages and questions for the user go: the editor shows message boxes, vornctl
// writes to standard error, tests record them.
class UserMessages {
public:
    virtual ~UserMessages() = default;

    // A message with an OK button.
    virtual void showMessage(std::string_view text) = 0;
    // A question with Yes and No buttons; true for Yes.
    virtual bool askYesNo(std::string_view question) = 0;
    // A question with Yes, No and Cancel buttons (whether to save changes). Where nobody can
    // answer, Cancel: nothing is lost.
    virtual SaveAnswer askYesNoCancel(std::string_view question) {
        static_cast<void>(question);
        return SaveAnswer::cancel;
    }
    // A note for a few seconds in the status bar, needing no answer; shown nowhere else.
    virtual void showStatus(std::string_view text, StatusKind kind) {
        static_cast<void>(text);
        static_cast<void>(kind);
    }
};

} // namespace vorn
