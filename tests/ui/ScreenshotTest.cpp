// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TestFolder.h"

#include <QImage>
#include <QProcess>
#include <gtest/gtest.h>

namespace vorn::test {
namespace {

struct VornRun {
    int exitCode;
    QString err;
};

// Runs the editor with its settings store in `folder`.
VornRun runVorn(const TestFolder& folder, const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_CONFIG_HOME", QString::fromStdString(folder.path("config")));
    env.insert("XDG_RUNTIME_DIR", QString::fromStdString(folder.dir().string()));
    env.remove("VORN_SIMULATE");
    env.remove("VORN_DEBUG");
    process.setProcessEnvironment(env);
    process.start(VORN_VORN_BINARY, arguments);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError())};
}

TEST(Screenshot, DrawsTheViewAsItShowsAfterStart) {
    TestFolder folder;
    const QString simulated = QString::fromStdString(folder.path("simulated.png"));
    const QString unplugged = QString::fromStdString(folder.path("unplugged.png"));
    const QString memory = QString::fromStdString(folder.path("kb.mem"));

    const VornRun withKeyboard =
        runVorn(folder, {"--simulate", memory, "--model", "2016", "--screenshot", simulated});
    EXPECT_EQ(withKeyboard.exitCode, 0);
    EXPECT_EQ(withKeyboard.err, ""); // no noise from Qt, no message
    const QImage image(simulated);
    EXPECT_EQ(image.size(), QSize(750, 420));
    EXPECT_EQ(image.pixelColor(100, 20), QColor(0, 0, 0));
    EXPECT_EQ(image.pixelColor(5, 200), QColor(220, 220, 220));
    EXPECT_NE(TestFolder::read(folder.path("config/Vorn/Vorn.conf")).find("Zemlat=2016"),
              std::string::npos);

    const VornRun without = runVorn(folder, {"--screenshot", unplugged});
    EXPECT_EQ(without.exitCode, 0);
    EXPECT_EQ(without.err, "vorn: There is no VQ series keyboard connected!\n");
    const QRect portName(620, 2, 120, 16);
    EXPECT_NE(QImage(unplugged).copy(portName), image.copy(portName)); // "USB" against "No"
    // The stored model is used: the keys drawn are the same.
    EXPECT_EQ(QImage(unplugged).copy(0, 20, 750, 280), image.copy(0, 20, 750, 280));
}

TEST(Screenshot, UsageErrors) {
    TestFolder folder;
    for (const QStringList& arguments :
         {QStringList{"--model", "2020"}, QStringList{"--bogus"}, QStringList{"a", "b"},
          QStringList{"--simulate-port", "driver"}}) {
        const VornRun run = runVorn(folder, arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.startsWith("vorn: ")) << run.err.toStdString();
    }
}

} // namespace
} // namespace vorn::test
