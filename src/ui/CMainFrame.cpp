// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CMainFrame.h"

#include "document/KeyboardModels.h"
#include "document/SettingsStore.h"
#include "document/Translation.h"
#include "document/UserMessages.h"
#include "editor/CommandTable.h"
#include "editor/EditorSession.h"
#include "editor/PropertyCommands.h"
#include "ui/ApplicationIcon.h"
#include "ui/CAboutDlg.h"
#include "ui/CKeyWordTable.h"
#include "ui/CMREdit.h"
#include "ui/CProperty.h"
#include "ui/CVornView.h"
#include "ui/LegendPrinting.h"
#include "ui/WindowPlacement.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

namespace vorn {

namespace {

using namespace commandIds;

// Shortcuts besides the menus' own: Load answers Ctrl+O as well.
std::map<int, QList<QKeySequence>> boundShortcuts() {
    return {{newTemplate, {QKeySequence("Ctrl+N")}},
            {loadTemplate, {QKeySequence("Ctrl+L"), QKeySequence("Ctrl+O")}},
            {saveTemplate, {QKeySequence("Ctrl+S")}},
            {loadDefault, {QKeySequence("Ctrl+D")}},
            {importText, {QKeySequence("Ctrl+I")}},
            {exportText, {QKeySequence("Ctrl+E")}},
            {printLegends, {QKeySequence("Ctrl+P")}},
            {undo, {QKeySequence("Ctrl+Z"), QKeySequence("Alt+Backspace")}},
            {zoomIn, {QKeySequence("Ctrl++"), QKeySequence("Ctrl+=")}},
            {zoomOut, {QKeySequence("Ctrl+-")}},
            {actualSize, {QKeySequence("Ctrl+0")}},
            {redo, {QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")}},
            {copyKey, {QKeySequence("Ctrl+C"), QKeySequence("Ctrl+Ins")}},
            {cutKey, {QKeySequence("Ctrl+X"), QKeySequence("Shift+Del")}},
            {pasteKey, {QKeySequence("Ctrl+V"), QKeySequence("Shift+Ins")}}};
}

// Translated where they are shown (MessageBoxMessages).
constexpr std::string_view stopReadQuestion = QT_TRANSLATE_NOOP(
    "vorn::Messages", "The keyboard is being read or written.\nStop the transfer and close Vorn?");
constexpr std::string_view stopWriteQuestion = QT_TRANSLATE_NOOP(
    "vorn::Messages",
    "The keyboard is being written. If you stop now it keeps an incomplete template until it "
    "is written again.\nStop the transfer and close Vorn?");
constexpr std::string_view partlyWrittenMessage = QT_TRANSLATE_NOOP(
    "vorn::Messages",
    "The keyboard was only partly written. Write the template into it again before using it.");

// A text of the command table in the user's language.
QString commandText(std::string_view source) {
    return QString::fromStdString(translateText("vorn::CommandTable", source));
}

LockKeyState::Key lockKeyOf(int qtKey) {
    switch (qtKey) {
    case Qt::Key_CapsLock: return LockKeyState::Key::capsLock;
    case Qt::Key_NumLock: return LockKeyState::Key::numLock;
    case Qt::Key_ScrollLock: return LockKeyState::Key::scrollLock;
    default: return LockKeyState::Key::other;
    }
}

QLabel* indicator(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance("SCRL") + 8);
    return label;
}

} // namespace

CMainFrame::CMainFrame(EditorSession& session, UserMessages& messages, QWidget* parent)
    : QMainWindow(parent)
    , session_(session)
    , messages_(messages)
    , view_(new CVornView(session, messages, this))
    , lockKeys_(LockKeyState::fromLeds()) {
    setWindowIcon(applicationIcon());
    auto* scroller = new QScrollArea(this);
    scroller->setWidget(view_);
    scroller->setWidgetResizable(true);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setFocusPolicy(Qt::NoFocus);
    setCentralWidget(scroller);
    setAcceptDrops(true);
    createActions();
    createMenus();
    createToolBar();
    createStatusBar();
    consumeShortcuts();
    connectCommands();
    qApp->installEventFilter(this);
    session_.setChangedHook([this] { followSession(); });
    session_.setDocumentUpdateHook([this] { view_->hideOutputTest(); });
    followSession();
}

QAction* CMainFrame::action(int id) const {
    const auto found = actions_.find(id);
    return found == actions_.end() ? nullptr : found->second;
}

void CMainFrame::createActions() {
    const auto shortcuts = boundShortcuts();
    for (const CommandInfo& command : commandTable()) {
        auto* action = new QAction(commandText(command.text), this);
        action->setStatusTip(commandText(command.prompt));
        action->setToolTip(commandText(command.tooltip));
        if (!command.icon.empty())
            action->setIcon(
                toolbarIcon(QString::fromUtf8(command.icon.data(), command.icon.size())));
        if (const auto bound = shortcuts.find(command.id); bound != shortcuts.end())
            action->setShortcuts(bound->second);
        actions_[command.id] = action;
    }
    for (const KeyboardModel& model : keyboardModels())
        actions_[model.menuCommand]->setCheckable(true);
    actions_[viewToolbar]->setCheckable(true);
    actions_[viewStatusBar]->setCheckable(true);
    actions_[fitToWindow]->setCheckable(true);
    actions_[verifyAfterWrite]->setCheckable(true);
    actions_[showLabels]->setCheckable(true);
    actions_[viewToolbar]->setChecked(true);
    actions_[viewStatusBar]->setChecked(true);
}

void CMainFrame::createMenus() {
    for (const MenuInfo& menuInfo : menuTable()) {
        QMenu* menu = menuBar()->addMenu(commandText(menuInfo.title));
        for (const int id : menuInfo.items) {
            if (id == separator)
                menu->addSeparator();
            else if (id == recentTemplates)
                createRecentMenu(*menu);
            else
                menu->addAction(actions_.at(id));
        }
    }
    // The clipboard commands live in the key's menu; their shortcuts work everywhere.
    for (const int id : {copyKey, cutKey, pasteKey})
        addAction(actions_.at(id));
}

void CMainFrame::createRecentMenu(QMenu& parent) {
    recentMenu_ = parent.addMenu(tr("Recent &Templates"));
    connect(recentMenu_, &QMenu::aboutToShow, this, &CMainFrame::fillRecentMenu);
    fillRecentMenu();
}

// Items "&1 name" with the full path as their prompt, most recent first.
void CMainFrame::fillRecentMenu() {
    recentMenu_->clear();
    const auto& files = session_.recentTemplates().files();
    for (std::size_t i = 0; i < files.size(); ++i) {
        const std::string path = files[i];
        QAction* item =
            recentMenu_->addAction(QString::fromStdString(RecentTemplates::itemText(i, path)));
        item->setStatusTip(QString::fromStdString(path));
        connect(item, &QAction::triggered, this, [this, path] {
            session_.openRecent(path);
            followState();
        });
    }
    recentMenu_->setEnabled(!files.empty() && !view_->transferActive());
}

void CMainFrame::createToolBar() {
    toolBar_ = addToolBar(tr("Standard"));
    toolBar_->setObjectName("toolBar");
    toolBar_->setIconSize(QSize(16, 16));
    toolBar_->setAllowedAreas(Qt::AllToolBarAreas);
    for (const int id : toolbarTable()) {
        if (id == separator)
            toolBar_->addSeparator();
        else
            toolBar_->addAction(actions_.at(id));
    }
}

void CMainFrame::createStatusBar() {
    statusBar()->addWidget(new QLabel(tr("Ready"), this), 1);
    capsIndicator_ = indicator(tr("CAP"), this);
    numIndicator_ = indicator(tr("NUM"), this);
    scrollIndicator_ = indicator(tr("SCRL"), this);
    for (QLabel* label : {capsIndicator_, numIndicator_, scrollIndicator_})
        statusBar()->addPermanentWidget(label);
    showLockKeys();
}

// These keys do nothing here and never reach the view.
void CMainFrame::consumeShortcuts() {
    for (const std::string_view keys : consumedShortcuts()) {
        auto* action = new QAction(this);
        action->setShortcut(QKeySequence(QString::fromUtf8(keys.data(), keys.size())));
        action->setObjectName("consumed");
        addAction(action);
    }
}

void CMainFrame::connectCommands() {
    // After every command the title and the commands follow what it changed.
    const auto on = [this](int id, auto handler) {
        connect(actions_.at(id), &QAction::triggered, this, handler);
        connect(actions_.at(id), &QAction::triggered, this, &CMainFrame::followState);
    };
    on(newTemplate, [this] { session_.newDocument(); });
    on(loadTemplate, [this] { session_.loadDocument(); });
    on(saveTemplate, [this] { session_.save(); });
    on(saveTemplateAs, [this] { session_.saveAs(); });
    on(loadDefault, [this] { session_.loadDefault(); });
    on(importText, [this] { session_.importTextData(); });
    on(exportText, [this] { session_.exportTextData(); });
    on(printLegends, [this] { LegendPrinting(session_, messages_).print(this); });
    on(exportLegendsPdf, [this] { LegendPrinting(session_, messages_).exportWithDialog(this); });
    on(exitApp, [this] { close(); });
    for (const KeyboardModel& model : keyboardModels()) {
        const int id = model.id;
        on(model.menuCommand, [this, id] {
            session_.selectModel(id);
            followSession();
        });
    }
    on(configKb, [this] {
        const TransferController* transfers = view_->transfers();
        const int portKind = transfers ? transfers->portKind() : TransferController::noPort;
        session_.recordStep(commandName(configKb), [&] {
            if (runKeyboardProperties(session_.doc(), session_.editing(), portKind, this))
                view_->update();
        });
    });
    on(configMr, [this] {
        session_.recordStep(commandName(configMr),
                            [this] { runCardReaderProperties(session_.doc(), messages_, this); });
    });
    // Reading replaces every key: unsaved work is offered for saving first.
    on(readFromKb, [this] {
        if (session_.saveModified())
            view_->readFromKeyboard();
    });
    on(writeIntoKb, [this] { view_->writeIntoKeyboard(); });
    connect(view_, &CVornView::stateChanged, this, &CMainFrame::followState);
    for (const int id : KeyEditCommands::allIds())
        on(id, [this, id] { view_->runEditCommand(id); });
    on(undo, [this] { view_->undo(); });
    on(redo, [this] { view_->redo(); });
    on(copyKey, [this] { view_->copyKey(); });
    on(cutKey, [this] { view_->cutKey(); });
    on(pasteKey, [this] { view_->pasteKey(); });
    connect(view_, &CVornView::keyMenuRequested, this, &CMainFrame::showKeyMenu);
    on(keyboardOutput, [this] { view_->showOutputTest(); });
    on(zoomIn, [this] { view_->zoomIn(); });
    on(zoomOut, [this] { view_->zoomOut(); });
    on(actualSize, [this] { view_->actualSize(); });
    on(fitToWindow, [this](bool fit) { view_->setFitToWindow(fit); });
    on(showLabels, [this](bool show) { view_->setShowLabels(show); });
    on(keyLabel, [this] {
        if (session_.editKeyLabel())
            view_->update();
    });
    connect(view_, &CVornView::keyLabelRequested, actions_.at(keyLabel), &QAction::trigger);
    on(verifyAfterWrite, [this](bool verify) { view_->setVerifyAfterWrite(verify); });
    on(viewToolbar, [this](bool shown) { toolBar_->setVisible(shown); });
    on(viewStatusBar, [this](bool shown) { statusBar()->setVisible(shown); });
    on(about, [this] { CAboutDlg(this).exec(); });
    on(keyWordList, [this] { CKeyWordTable(this).exec(); });
}

void CMainFrame::followSession() {
    setWindowTitle(QString::fromLocal8Bit(session_.windowTitle("[*]")));
    followState();
    for (const KeyboardModel& model : keyboardModels())
        actions_[model.menuCommand]->setChecked(model.id == session_.doc().modelId());
    view_->update();
}

void CMainFrame::followState() {
    setWindowModified(session_.doc().isModified());
    const TransferController* transfers = view_->transfers();
    const bool active = view_->transferActive();
    actions_[readFromKb]->setEnabled(!active && (!transfers || transfers->readEnabled()));
    actions_[writeIntoKb]->setEnabled(!active && (!transfers || transfers->writeEnabled()));
    for (const auto& [id, action] : actions_) {
        if (changesTemplate(id))
            action->setEnabled(!active);
    }
    if (recentMenu_)
        recentMenu_->setEnabled(!session_.recentTemplates().files().empty() && !active);
    actions_[configKb]->setEnabled(keyboardPropertiesEnabled(session_.doc(), active));
    actions_[configMr]->setEnabled(cardReaderPropertiesEnabled(session_.doc(), active));
    for (const int id : KeyEditCommands::allIds())
        actions_[id]->setEnabled(view_->editCommandEnabled(id));
    followHistory(active);
    actions_[fitToWindow]->setChecked(view_->zoom().fitToWindow());
    actions_[verifyAfterWrite]->setChecked(view_->verifyAfterWrite());
    actions_[showLabels]->setChecked(view_->showLabels());
}

// Undo and Redo name the step they would apply.
void CMainFrame::followHistory(bool transferActive) {
    const UndoStep* toUndo = session_.history().nextUndo();
    const UndoStep* toRedo = session_.history().nextRedo();
    actions_[undo]->setEnabled(toUndo && !transferActive);
    actions_[redo]->setEnabled(toRedo && !transferActive);
    actions_[undo]->setStatusTip(
        toUndo ? tr("Undo the last change: %1").arg(QString::fromLocal8Bit(toUndo->name))
               : commandText(findCommand(undo)->prompt));
    actions_[redo]->setStatusTip(toRedo ? tr("Redo: %1").arg(QString::fromLocal8Bit(toRedo->name))
                                        : commandText(findCommand(redo)->prompt));
}

void CMainFrame::showKeyMenu(QPoint globalPos) {
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (const int id : {copyKey, cutKey, pasteKey, clearKey, undo})
        menu->addAction(actions_.at(id));
    menu->addSeparator();
    menu->addAction(actions_.at(keyLabel));
    menu->popup(globalPos);
}

// A running transfer is ended cleanly first, when the user agrees; then the template's own
// question. A write stopped so while the window stays open leaves the user a warning.
void CMainFrame::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (view_->transferActive()) {
        const bool writing = !view_->transferReading();
        if (messages_.askYesNo(writing ? stopWriteQuestion : stopReadQuestion))
            view_->stopTransfer([this, writing] {
                QTimer::singleShot(0, this, [this, writing] {
                    if (!close() && writing)
                        messages_.showMessage(partlyWrittenMessage);
                });
            });
        return;
    }
    if (session_.saveModified()) {
        keepPlace();
        event->accept();
    }
}

void CMainFrame::showInPlace(SettingsStore& settings) {
    placeStore_ = &settings;
    namespace place = windowPlacement;
    const std::string geometry = settings.readBytes(place::section, place::geometryEntry);
    const std::string state = settings.readBytes(place::section, place::stateEntry);
    if (!geometry.empty() && restoreGeometry(QByteArray::fromStdString(geometry))) {
        restoreState(QByteArray::fromStdString(state));
        show();
        return;
    }
    setGeometry(place::firstGeometry(screen()->availableGeometry(), sizeHint()));
    showMaximized();
}

void CMainFrame::keepPlace() {
    if (!placeStore_)
        return;
    namespace place = windowPlacement;
    placeStore_->writeBytes(place::section, place::geometryEntry, saveGeometry().toStdString());
    placeStore_->writeBytes(place::section, place::stateEntry, saveState().toStdString());
}

// One local file dropped on the window is loaded or imported; never during a transfer.
std::optional<std::string> CMainFrame::droppedFile(const QMimeData& data) const {
    const QList<QUrl> urls = data.urls();
    if (urls.size() != 1 || !urls.front().isLocalFile() || view_->transferActive())
        return std::nullopt;
    return urls.front().toLocalFile().toStdString();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (droppedFile(*event->mimeData()))
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    const auto path = droppedFile(*event->mimeData());
    if (!path)
        return;
    event->acceptProposedAction();
    // The questions and messages come after the drop has ended.
    QTimer::singleShot(0, this, [this, file = *path] {
        session_.openDropped(file);
        followState();
    });
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    // Each key press reaches the window first, then the widgets: count it once.
    if (event->type() == QEvent::KeyPress && watched->isWindowType()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        std::optional<std::uint32_t> modifiers;
        if (key->nativeScanCode() != 0)
            modifiers = key->nativeModifiers();
        const LockKeyState before = lockKeys_;
        lockKeys_.keyPressed(lockKeyOf(key->key()), modifiers);
        if (before.caps != lockKeys_.caps || before.num != lockKeys_.num ||
            before.scroll != lockKeys_.scroll)
            showLockKeys();
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::showLockKeys() {
    capsIndicator_->setEnabled(lockKeys_.caps);
    numIndicator_->setEnabled(lockKeys_.num);
    scrollIndicator_->setEnabled(lockKeys_.scroll);
}

} // namespace vorn
