// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/DetectionMessage.h"

namespace vorn {

std::string detectionFailureMessage(bool accessDenied) {
    std::string message(noKeyboardMessage);
    if (accessDenied) {
        message += '\n';
        message += accessDeniedLine;
    }
    return message;
}

} // namespace vorn
