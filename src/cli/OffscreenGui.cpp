// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/OffscreenGui.h"

#include <QGuiApplication>

namespace vorn::cli {

namespace {

// QGuiApplication keeps argv: the strings live as long as the program.
char programName[] = "vornctl";
char platformOption[] = "-platform";
char platformName[] = "offscreen";

QtMessageHandler passedOn = nullptr;

// The platform's notes (a missing XDG_RUNTIME_DIR and the like) concern no one running vornctl;
// errors still show.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if ((type == QtCriticalMsg || type == QtFatalMsg) && passedOn)
        passedOn(type, context, message);
}

} // namespace

OffscreenGui::OffscreenGui() {
    if (QCoreApplication::instance())
        return;
    argv_ = {programName, platformOption, platformName, nullptr};
    argc_ = 3;
    passedOn = qInstallMessageHandler(quietHandler);
    app_ = std::make_unique<QGuiApplication>(argc_, argv_.data());
}

OffscreenGui::~OffscreenGui() {
    if (!app_)
        return;
    app_.reset();
    qInstallMessageHandler(passedOn);
}

bool OffscreenGui::ready() const {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

} // namespace vorn::cli
