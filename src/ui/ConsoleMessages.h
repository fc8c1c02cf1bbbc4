#pragma once

#include "document/UserMessages.h"

#include <iosfwd>

namespace vorn {

// Messages where no window is shown (the editor's --screenshot): on standard error, each line
// after "vorn: "; questions are answered No, or Cancel.
class ConsoleMessages : public UserMessages {
public:
    explicit ConsoleMessages(std::ostream& out)
        : out_(out) {}

    void showMessage(std::string_view text) override;
    bool askYesNo(std::string_view question) override;
    SaveAnswer askYesNoCancel(std::string_view question) override;

private:
    std::ostream& out_;
};

} // namespace vorn
