#include "ui/ConsoleMessages.h"

#include <ostream>

namespace vorn {

void ConsoleMessages::showMessage(std::string_view text) {
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        if (end > start)
            out_ << "vorn: " << text.substr(start, end - start) << '\n';
        start = end + 1;
    }
}

bool ConsoleMessages::askYesNo(std::string_view question) {
    showMessage(question);
    return false;
}

SaveAnswer ConsoleMessages::askYesNoCancel(std::string_view question) {
    showMessage(question);
    return SaveAnswer::cancel;
}

} // namespace vorn
