// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CVornApp.h"

int main(int argc, char** argv) {
    vorn::CVornApp::quietQtMessages();
    vorn::CVornApp::fallBackToOffscreen();
    // Qt takes its standard options (-style, -platform, ...) out of the arguments before "--";
    // the rest of them and everything from "--" on are ours.
    const std::vector<std::string> fromEnd = vorn::CVornApp::argumentsFromEnd(argc, argv);
    int qtArgc = argc - static_cast<int>(fromEnd.size());
    vorn::CVornApp app(qtArgc, argv);
    const vorn::EditorOptions options = vorn::CVornApp::parseCommandLine(qtArgc, argv, fromEnd);
    if (const auto status = vorn::CVornApp::answerWithoutWindow(options))
        return *status;
    return app.run(options);
}
