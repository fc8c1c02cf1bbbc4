// SPDX-License-Identifier: GPL-3.0-or-later
// From a key event delivered to the view to the repainted view, on the largest model (176
// keys, all filled): the typing rules, then the whole screen drawn again.
#include "document/SettingsStore.h"
#include "document/UserMessages.h"
#include "editor/CommandTable.h"
#include "editor/EditorDialogs.h"
#include "editor/EditorSession.h"
#include "support/PaintCounter.h"
#include "ui/CMainFrame.h"
#include "ui/CVornView.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

class NoMessages : public vorn::UserMessages {
public:
    void showMessage(std::string_view) override {}
    bool askYesNo(std::string_view) override { return false; }
};

class NoDialogs : public vorn::EditorDialogs {
public:
    std::optional<std::string> chooseTemplateToLoad() override { return {}; }
    std::optional<std::string> chooseTemplateToSave(const std::string&) override { return {}; }
    std::optional<std::string> chooseTextFile(bool) override { return {}; }
    bool confirmModelSwitch() override { return false; }
    std::optional<std::string> askKeyLabel(const std::string&, const std::string&) override {
        return std::nullopt;
    }
};

// The window on the largest model (176 keys, all filled), shown by `show`.
struct FilledWindow {
    QTemporaryDir folder;
    vorn::SettingsStore settings;
    NoMessages messages;
    NoDialogs dialogs;
    vorn::EditorSession session{settings, messages, dialogs,
                                vorn::DocumentPlaces{folder.path().toStdString(), {}}};
    vorn::CMainFrame frame{session, messages};

    FilledWindow() {
        session.start(std::nullopt, 2018);
        for (int key = 0; key < vorn::keyNumberCount; ++key)
            session.doc().setKeyText(key, "abc");
    }
    void show() {
        frame.show();
        for (int i = 0; i < 10; ++i)
            QCoreApplication::processEvents();
    }
};

void keyToRepaint(benchmark::State& state) {
    FilledWindow window;
    vorn::CMainFrame& frame = window.frame;
    std::string error;
    frame.view()->connectKeyboard(
        vorn::KeyboardChoice{
            .simulatorMemoryFiles = {window.folder.filePath("kb.mem").toStdString()},
            .simulatedWaits = false},
        error);
    window.show();
    int paints = 0;
    vorn::test::PaintCounter counter(paints);
    frame.view()->installEventFilter(&counter);
    // "a" and Backspace as X11 delivers them (Linux codes 30 and 14, plus 8).
    QKeyEvent letter(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, 38, 0x61, 0, "a");
    QKeyEvent backspace(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier, 22, 0, 0, "\b");
    bool typeLetter = true;
    for (auto _ : state) {
        QApplication::sendEvent(frame.view(), typeLetter ? &letter : &backspace);
        frame.view()->repaint();
        typeLetter = !typeLetter;
    }
    if (paints < static_cast<int>(state.iterations()))
        state.SkipWithError("the view was not repainted for every key");
}
BENCHMARK(keyToRepaint)->Unit(benchmark::kMicrosecond);

// Ctrl+Z and Ctrl+Y of a typing step, through the window's commands, to the repainted view.
void undoRedoToRepaint(benchmark::State& state) {
    FilledWindow window;
    vorn::CMainFrame& frame = window.frame;
    window.show();
    QKeyEvent letter(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, 38, 0x61, 0, "a");
    QApplication::sendEvent(frame.view(), &letter);
    QAction& undo = *frame.action(vorn::commandIds::undo);
    QAction& redo = *frame.action(vorn::commandIds::redo);
    for (auto _ : state) {
        undo.trigger();
        frame.view()->repaint();
        redo.trigger();
        frame.view()->repaint();
    }
    state.SetItemsProcessed(2 * state.iterations());
}
BENCHMARK(undoRedoToRepaint)->Unit(benchmark::kMicrosecond);

// The whole view repainted at Fit to Window in a 1600x1000 window.
void fitToWindowRepaint(benchmark::State& state) {
    FilledWindow window;
    vorn::CMainFrame& frame = window.frame;
    frame.view()->setFitToWindow(true);
    frame.resize(1600, 1000);
    window.show();
    state.counters["scale"] = frame.view()->scale();
    for (auto _ : state)
        frame.view()->repaint();
}
BENCHMARK(fitToWindowRepaint)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
