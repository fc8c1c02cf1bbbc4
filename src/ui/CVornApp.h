// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/EditorOptions.h"
#include "ui/UiTranslations.h"

#include <QApplication>
#include <optional>
#include <string>
#include <vector>

namespace vorn {

// The editor application: reads the command line, sets up the document, the main frame and
// the view, then runs the window (or draws the view into a PNG and ends).
class CVornApp : public QApplication {
    Q_OBJECT
public:
    CVornApp(int& argc, char** argv);

    // Qt's own diagnostics go nowhere unless VORN_DEBUG is set; call before construction.
    static void quietQtMessages();
    // Without a display (and no platform chosen) the application falls back to Qt's offscreen
    // platform, so help, version, usage errors and screenshots need none; call before
    // construction.
    static void fallBackToOffscreen();
    // The arguments from the first "--" on, which Qt must not see.
    static std::vector<std::string> argumentsFromEnd(int argc, char** argv);
    // The command line: what Qt left of the arguments before "--", then `fromEnd`;
    // VORN_SIMULATE included.
    static EditorOptions parseCommandLine(int argc, char** argv,
                                          const std::vector<std::string>& fromEnd);
    // What needs no window (help, version, usage errors, and a window without a display): the
    // exit status then, else nothing.
    static std::optional<int> answerWithoutWindow(const EditorOptions& options);

    // The exit status: 0 success, 2 usage error or a file that cannot be used.
    int run(const EditorOptions& options);

private:
    // The window's language follows the system's locale (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
    UiTranslations translations_;
};

} // namespace vorn
