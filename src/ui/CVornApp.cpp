// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CVornApp.h"

#include "document/Files.h"
#include "document/ProgramLicence.h"
#include "document/SettingsStore.h"
#include "document/StreamMessages.h"
#include "editor/EditorOptions.h"
#include "editor/EditorSession.h"
#include "ui/ApplicationIcon.h"
#include "ui/CMainFrame.h"
#include "ui/CVornView.h"
#include "ui/MessageBoxMessages.h"
#include "ui/WindowDialogs.h"

#include <QBuffer>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <iostream>

namespace vorn {

namespace {

constexpr int exitUsage = 2;

// Set when fallBackToOffscreen chose the platforms.
bool offscreenFallback = false;

// Qt's own diagnostics are for developers: shown only with VORN_DEBUG set.
void quietMessageHandler(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg || qEnvironmentVariableIsSet("VORN_DEBUG"))
        std::cerr << message.toLocal8Bit().constData() << '\n';
}

std::vector<std::string> argumentsOf(int argc, char** argv) {
    return {argv + std::min(argc, 1), argv + argc};
}

} // namespace

CVornApp::CVornApp(int& argc, char** argv)
    : QApplication(argc, argv) {
    setApplicationName("Vorn");
    setOrganizationName("Vorn");
    setApplicationVersion(VORN_VERSION);
    setDesktopFileName("org.vorn.Vorn");
    setWindowIcon(applicationIcon());
}

// The user who set Qt's own logging rules wants to see what they let through.
void CVornApp::quietQtMessages() {
    if (!qEnvironmentVariableIsSet("VORN_DEBUG") && !qEnvironmentVariableIsSet("QT_LOGGING_RULES"))
        qInstallMessageHandler(quietMessageHandler);
}

void CVornApp::fallBackToOffscreen() {
    if (!qEnvironmentVariableIsEmpty("DISPLAY") ||
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
        !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return;
    // X11 first: -display may still name a server.
    qputenv("QT_QPA_PLATFORM", "xcb;offscreen");
    offscreenFallback = true;
}

std::vector<std::string> CVornApp::argumentsFromEnd(int argc, char** argv) {
    const auto end = std::find(argv + std::min(argc, 1), argv + argc, std::string_view("--"));
    return {end, argv + argc};
}

EditorOptions CVornApp::parseCommandLine(int argc, char** argv,
                                         const std::vector<std::string>& fromEnd) {
    std::vector<std::string> arguments = argumentsOf(argc, argv);
    arguments.insert(arguments.end(), fromEnd.begin(), fromEnd.end());
    return EditorOptions::parse(arguments, std::getenv("VORN_SIMULATE"));
}

std::optional<int> CVornApp::answerWithoutWindow(const EditorOptions& options) {
    if (!options.error.empty()) {
        std::cerr << "vorn: " << options.error << "\nTry 'vorn --help'.\n";
        return exitUsage;
    }
    if (options.help) {
        std::cout << EditorOptions::usage();
        return 0;
    }
    if (options.version) {
        std::cout << "vorn " << VORN_VERSION << '\n' << licenceNotice;
        return 0;
    }
    if (!options.screenshot && offscreenFallback && platformName() == "offscreen") {
        std::cerr << "vorn: no display to show the window on"
                     " (neither DISPLAY nor WAYLAND_DISPLAY is set)\n";
        return exitUsage;
    }
    return std::nullopt;
}

int CVornApp::run(const EditorOptions& options) {

    const bool screenshot = options.screenshot.has_value();
    StreamMessages consoleMessages(std::cerr, "vorn", StreamMessages::Form::eachLineNamed);
    MessageBoxMessages boxMessages;
    UserMessages& messages = screenshot ? static_cast<UserMessages&>(consoleMessages) : boxMessages;
    WindowDialogs dialogs;
    SettingsStore settings;
    EditorSession session(settings, messages, dialogs);
    CMainFrame frame(session, messages);
    boxMessages.setParent(&frame);
    dialogs.setParent(&frame);

    CVornView& view = *frame.view();
    std::string error;
    if (!view.connectKeyboard(options.keyboard, error)) {
        std::cerr << "vorn: " << error << '\n';
        return exitUsage;
    }
    const auto detect = [&view] { view.detectKeyboard(); };
    if (screenshot)
        session.setInitialUpdateHook(detect);
    session.start(options.file, options.modelId);

    if (screenshot) {
        // Replaced as a whole: on a full disk the old picture stays and no fragment is left.
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!view.renderScreen(LayoutRenderer::screenSize, options.screenshotScale)
                 .save(&buffer, "PNG") ||
            writeFileAtomically(*options.screenshot,
                                std::string_view(png.constData(), png.size()))) {
            std::cerr << "vorn: the screenshot <" << *options.screenshot << "> can't be written\n";
            return exitUsage;
        }
        return 0;
    }
    frame.showInPlace(settings);
    // The start's keyboard detection waits for the keyboard: the window shows first. Then the
    // keyboard is watched live, so New and Load need not look for it again.
    QTimer::singleShot(0, &frame, [&view, detect] {
        detect();
        view.watchKeyboard();
    });
    return exec();
}

} // namespace vorn
