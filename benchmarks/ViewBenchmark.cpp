// SPDX-License-Identifier: GPL-3.0-or-later
// One full repaint of the editor screen for the largest model (176 keys, all filled).
#include "document/SettingsStore.h"
#include "document/UserMessages.h"
#include "document/VornDoc.h"
#include "view/LayoutRenderer.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStandardPaths>
#include <benchmark/benchmark.h>

namespace {

class NoMessages : public vorn::UserMessages {
public:
    void showMessage(std::string_view) override {}
    bool askYesNo(std::string_view) override { return false; }
};

void fullRepaint(benchmark::State& state) {
    vorn::SettingsStore settings;
    NoMessages messages;
    vorn::CVornDoc doc(settings, messages, vorn::DocumentPlaces{"/nonexistent", {}}, 2018);
    doc.onNewDocument();
    for (int key = 0; key < vorn::keyNumberCount; ++key)
        doc.setKeyText(key, key % 2 ? "[F1][Enter]" : "abc");
    doc.setKeyText(0, std::string(100, 'x'));
    vorn::EditingState editing;
    editing.caretIndex = 100;
    editing.caretColumn = 85;
    const vorn::LayoutRenderer renderer;
    QImage image(vorn::LayoutRenderer::screenSize, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        renderer.paint(painter, doc, editing, vorn::TransferStatus{"USB", false, false, ""},
                       image.rect());
    }
}
BENCHMARK(fullRepaint)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
