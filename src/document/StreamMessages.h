// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/UserMessages.h"

#include <iosfwd>
#include <string>

namespace vorn {

// Messages for the user on a stream (standard error) where nobody can answer: a question is
// printed and answered No (or Cancel).
class StreamMessages : public UserMessages {
public:
    enum class Form {
        // Each message as it is, ended by a line end; "PROGRAM: answered No" after a question
        // (vornctl).
        asIs,
        // Each line of a message after "PROGRAM: ", empty lines left out (the editor without a
        // window).
        eachLineNamed,
    };

    StreamMessages(std::ostream& err, std::string program, Form form)
        : err_(err)
        , program_(std::move(program))
        , form_(form) {}

    void showMessage(std::string_view text) override;
    bool askYesNo(std::string_view question) override;
    SaveAnswer askYesNoCancel(std::string_view question) override;

private:
    std::ostream& err_;
    std::string program_;
    Form form_;
};

} // namespace vorn
