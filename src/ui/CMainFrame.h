// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/LockKeyState.h"

#include <QMainWindow>
#include <map>
#include <optional>
#include <string>

class QAction;
class QMenu;
class QMimeData;
class QLabel;
class QToolBar;

namespace vorn {

class CVornView;
class EditorSession;
class SettingsStore;
class UserMessages;

// The main window: menus, toolbar, status bar and the layout view. Menu commands go to the
// editor session; the window only follows what it says (title, checks, enabling).
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame(EditorSession& session, UserMessages& messages, QWidget* parent = nullptr);

    CVornView* view() const { return view_; }
    QToolBar* toolBar() const { return toolBar_; }
    // The action of a command id; nullptr for none.
    QAction* action(int id) const;
    // Shows the window where it was when last closed; the first time maximized, over an
    // un-maximized place that fits the screen. Its place is kept in `settings` on closing.
    void showInPlace(SettingsStore& settings);
    // Title, Keyboard menu check marks and the view, after the session changed.
    void followSession();
    // The title's modified mark and the commands' enabling follow the template and the
    // transfer; while a transfer runs, no command changes the template.
    void followState();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createActions();
    void createMenus();
    void createToolBar();
    void createRecentMenu(QMenu& parent);
    void fillRecentMenu();
    std::optional<std::string> droppedFile(const QMimeData& data) const;
    void createStatusBar();
    void consumeShortcuts();
    void connectCommands();
    void showLockKeys();
    void followHistory(bool transferActive);
    void showKeyMenu(QPoint globalPos);
    void keepPlace();

    EditorSession& session_;
    UserMessages& messages_;
    CVornView* view_;
    QToolBar* toolBar_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    std::map<int, QAction*> actions_;
    QLabel* capsIndicator_ = nullptr;
    QLabel* numIndicator_ = nullptr;
    QLabel* scrollIndicator_ = nullptr;
    LockKeyState lockKeys_;
    SettingsStore* placeStore_ = nullptr;
};

} // namespace vorn
