// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CVornApp.h"

int main(int argc, char** argv) {
    vorn::CVornApp::quietQtMessages();
    const vorn::EditorOptions options = vorn::CVornApp::parseCommandLine(argc, argv);
    if (const auto status = vorn::CVornApp::answerWithoutWindow(options))
        return *status;
    vorn::CVornApp app(argc, argv);
    return app.run(options);
}
