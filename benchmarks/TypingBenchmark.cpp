// SPDX-License-Identifier: GPL-3.0-or-later
// One typed key on the largest model with a full template: the selection and typing rules'
// share of a key event, from the event to the state the view repaints from.
#include "document/SettingsStore.h"
#include "document/UserMessages.h"
#include "document/VornDoc.h"
#include "editor/EditorDialogs.h"
#include "editor/EditorSession.h"
#include "editor/KeySelection.h"
#include "editor/VirtualKeys.h"

#include <benchmark/benchmark.h>
#include <malloc.h>

namespace {

class SilentMessages : public vorn::UserMessages {
public:
    void showMessage(std::string_view) override {}
    bool askYesNo(std::string_view) override { return false; }
};

vorn::KeyEvent pcKey(int scanCode) {
    vorn::KeyEvent key;
    key.scanCode = scanCode;
    key.virtualKey = vorn::usVirtualKey(scanCode, false, true);
    return key;
}

void BM_TypeAndDeleteOnTheLargestModel(benchmark::State& state) {
    vorn::SettingsStore settings;
    SilentMessages messages;
    vorn::CVornDoc doc(settings, messages, vorn::DocumentPlaces{}, 2018);
    doc.onNewDocument();
    for (int key = 0; key < vorn::keyNumberCount; ++key)
        doc.setKeyText(key, "Hello[CR]");
    vorn::EditingState editing;
    vorn::KeySelection selection(doc, editing, messages);
    selection.initialUpdate(nullptr);
    const vorn::KeyEvent letter = pcKey(30);
    const vorn::KeyEvent backspace = pcKey(14);
    for (auto _ : state) {
        benchmark::DoNotOptimize(selection.keyDown(letter));
        benchmark::DoNotOptimize(selection.keyDown(backspace));
    }
    state.SetItemsProcessed(2 * state.iterations());
}
BENCHMARK(BM_TypeAndDeleteOnTheLargestModel);

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

// A session on the largest model with every key filled, whose clock moves 3 s at every look:
// each typed key is an undo step of its own.
struct FilledSession {
    vorn::SettingsStore settings;
    SilentMessages messages;
    NoDialogs dialogs;
    std::chrono::steady_clock::time_point now{};
    vorn::EditorSession session{settings, messages, dialogs, vorn::DocumentPlaces{},
                                [this] { return now += std::chrono::seconds(3); }};

    FilledSession() {
        session.start(std::nullopt, 2018);
        for (int key = 0; key < vorn::keyNumberCount; ++key)
            session.doc().setKeyText(key, "Hello[CR]");
    }
};

// The same through the session, which records each change for undo.
void BM_TypeAndDeleteWithUndoSteps(benchmark::State& state) {
    FilledSession filled;
    vorn::EditorSession& session = filled.session;
    const vorn::KeyEvent letter = pcKey(30);
    const vorn::KeyEvent backspace = pcKey(14);
    for (auto _ : state) {
        benchmark::DoNotOptimize(session.keyDown(letter));
        benchmark::DoNotOptimize(session.keyDown(backspace));
    }
    state.SetItemsProcessed(2 * state.iterations());
}
BENCHMARK(BM_TypeAndDeleteWithUndoSteps);

// Undo and redo of one typing step, to the state the view repaints from.
void BM_UndoRedoATypingStep(benchmark::State& state) {
    FilledSession filled;
    vorn::EditorSession& session = filled.session;
    session.keyDown(pcKey(30));
    for (auto _ : state) {
        benchmark::DoNotOptimize(session.undo());
        benchmark::DoNotOptimize(session.redo());
    }
    state.SetItemsProcessed(2 * state.iterations());
}
BENCHMARK(BM_UndoRedoATypingStep);

// Heap growth over 1000 typing steps (each its own step), as malloc counts it.
void BM_MemoryOfAThousandTypingSteps(benchmark::State& state) {
    for (auto _ : state) {
        FilledSession filled;
        vorn::EditorSession& session = filled.session;
        const std::size_t before = mallinfo2().uordblks;
        for (int i = 0; i < 1000; ++i)
            session.keyDown(pcKey(i % 2 ? 14 : 30));
        const std::size_t after = mallinfo2().uordblks;
        state.counters["heap_growth_KiB"] = double(after - before) / 1024;
        state.counters["steps"] = double(session.history().size());
    }
}
BENCHMARK(BM_MemoryOfAThousandTypingSteps)->Iterations(1);

} // namespace
