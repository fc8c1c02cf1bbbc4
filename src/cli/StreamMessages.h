#pragma once

#include "document/UserMessages.h"

#include <iosfwd>

namespace vorn::cli {

// Messages for the user on a stream (standard error). Nobody is there to answer a question,
// so it is printed and answered No.
class StreamMessages : public UserMessages {
public:
    explicit StreamMessages(std::ostream& err)
        : err_(err) {}

    void showMessage(std::string_view text) override;
    bool askYesNo(std::string_view question) override;

private:
    std::ostream& err_;
};

} // namespace vorn::cli
