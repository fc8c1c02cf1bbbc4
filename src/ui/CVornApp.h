// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/EditorOptions.h"

#include <QApplication>
#include <optional>

namespace vorn {

// The editor application: reads the command line, sets up the document, the main frame and
// the view, then runs the window (or draws the view into a PNG and ends).
class CVornApp : public QApplication {
    Q_OBJECT
public:
    CVornApp(int& argc, char** argv);

    // Qt's own diagnostics go nowhere unless VORN_DEBUG is set; call before construction.
    static void quietQtMessages();
    // The command line, VORN_SIMULATE included.
    static EditorOptions parseCommandLine(int argc, char** argv);
    // What needs no window (help, version, usage errors) is answered before the application
    // exists, so it works without a display: the exit status then, else nothing. A screenshot
    // without a display is drawn offscreen.
    static std::optional<int> answerWithoutWindow(const EditorOptions& options);

    // The exit status: 0 success, 2 usage error or a file that cannot be used.
    int run(const EditorOptions& options);
};

} // namespace vorn
