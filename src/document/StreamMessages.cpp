// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/StreamMessages.h"

#include "document/Translation.h"

#include <ostream>

namespace vorn {

// The fixed messages in the user's language: only the editor (vorn --screenshot) installs a
// translator; vornctl's stay English.
void StreamMessages::showMessage(std::string_view source) {
    const std::string translated = translateText("vorn::Messages", source);
    const std::string_view text = translated;
    if (form_ == Form::asIs) {
        err_ << text;
        if (!text.ends_with('\n'))
            err_ << '\n';
        return;
    }
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        if (end > start)
            err_ << program_ << ": " << text.substr(start, end - start) << '\n';
        start = end + 1;
    }
}

bool StreamMessages::askYesNo(std::string_view question) {
    showMessage(question);
    if (form_ == Form::asIs)
        err_ << program_ << ": answered No\n";
    return false;
}

SaveAnswer StreamMessages::askYesNoCancel(std::string_view question) {
    showMessage(question);
    return SaveAnswer::cancel;
}

} // namespace vorn
