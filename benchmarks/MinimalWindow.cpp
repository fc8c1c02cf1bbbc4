// SPDX-License-Identifier: GPL-3.0-or-later
// The smallest Qt 6 main window with a menu bar, toolbar and status bar: the yardstick for the
// editor's start-up (benchmarks/startup-timing).
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Minimal Qt window");
    window.menuBar()->addMenu("&File")->addAction("E&xit", &window, &QWidget::close);
    window.addToolBar("Standard")->addAction("Exit");
    window.statusBar()->showMessage("Ready");
    window.setCentralWidget(new QLabel("Minimal", &window));
    window.showMaximized();
    return app.exec();
}
