// SPDX-License-Identifier: GPL-3.0-or-later
// One typed key on the largest model with a full template: the selection and typing rules'
// share of a key event, from the event to the state the view repaints from.
#include "document/SettingsStore.h"
#include "document/UserMessages.h"
#include "document/VornDoc.h"
#include "editor/KeySelection.h"
#include "editor/VirtualKeys.h"

#include <benchmark/benchmark.h>

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

} // namespace
