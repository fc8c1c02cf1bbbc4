#include "cli/StreamMessages.h"

#include <ostream>

namespace vorn::cli {

void StreamMessages::showMessage(std::string_view text) {
    err_ << text;
    if (!text.ends_with('\n'))
        err_ << '\n';
}

bool StreamMessages::askYesNo(std::string_view question) {
    showMessage(question);
    err_ << "vornctl: answered No\n";
    return false;
}

} // namespace vorn::cli
