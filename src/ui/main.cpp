#include "ui/CVornApp.h"

int main(int argc, char** argv) {
    vorn::CVornApp::quietQtMessages();
    vorn::CVornApp app(argc, argv);
    return app.run();
}
