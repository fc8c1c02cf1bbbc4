// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the main window's menus in the language the system's locale chooses, as the editor
// does: the translation tests run it under several locales, with a settings folder of its own
// (XDG_CONFIG_HOME).
#include "MenuLines.h"
#include "support/EditorFixture.h"
#include "ui/CMainFrame.h"
#include "ui/UiTranslations.h"

#include <QApplication>
#include <QTemporaryDir>
#include <iostream>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const vorn::UiTranslations translations;
    const QTemporaryDir folder;
    vorn::SettingsStore settings;
    vorn::test::RecordedMessages messages;
    vorn::test::ScriptedDialogs dialogs;
    vorn::EditorSession session(settings, messages, dialogs,
                                vorn::DocumentPlaces{folder.path().toStdString(), {}});
    vorn::CMainFrame frame(session, messages);
    std::cout << vorn::test::menuTexts(*frame.menuBar()).join('\n').toStdString() << '\n';
    return 0;
}
