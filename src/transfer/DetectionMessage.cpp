// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/DetectionMessage.h"

#include "document/Translation.h"

namespace vorn {

std::string detectionFailureMessage(bool accessDenied) {
    std::string message = translateText("vorn::Messages", noKeyboardMessage);
    if (accessDenied) {
        message += '\n';
        message += translateText("vorn::Messages", accessDeniedLine);
    }
    return message;
}

} // namespace vorn
