#include "ui/CVornApp.h"

int main(int argc, char** argv) {
    vorn::CVornApp::quietQtMessages();
    if (const auto status = vorn::CVornApp::answerWithoutWindow(argc, argv))
        return *status;
    vorn::CVornApp app(argc, argv);
    return app.run();
}
