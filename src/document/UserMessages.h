#pragma once

#include <string_view>

namespace vorn {

enum class SaveAnswer { yes, no, cancel };

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
};

} // namespace vorn
