// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TestFolder.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <gtest/gtest.h>
#include <optional>

namespace vorn::test {
namespace {

struct VornRun {
    int exitCode;
    QString err;
};

// Runs the editor with its settings store in `folder`, on Qt's offscreen platform unless
// `display` names one (empty: none at all).
VornRun runVorn(const TestFolder& folder, const QStringList& arguments,
                std::optional<QString> display = std::nullopt) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    if (display) {
        env.remove("QT_QPA_PLATFORM");
        env.remove("WAYLAND_DISPLAY");
        env.remove("DISPLAY");
        if (!display->isEmpty())
            env.insert("DISPLAY", *display);
    }
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

// --scale draws the screen larger as vectors: no enlarged pixels; 1 gives the same file.
TEST(Screenshot, DrawsAtAScale) {
    TestFolder folder;
    const auto png = [&](const char* name) { return QString::fromStdString(folder.path(name)); };
    ASSERT_EQ(runVorn(folder, {"--screenshot", png("plain.png")}).exitCode, 0);
    ASSERT_EQ(runVorn(folder, {"--screenshot", png("one.png"), "--scale", "1"}).exitCode, 0);
    ASSERT_EQ(runVorn(folder, {"--screenshot", png("two.png"), "--scale=2"}).exitCode, 0);
    EXPECT_EQ(TestFolder::read(folder.path("plain.png")), TestFolder::read(folder.path("one.png")));
    const QImage plain(png("plain.png"));
    const QImage twice(png("two.png"));
    ASSERT_EQ(twice.size(), QSize(1500, 840));
    const QImage enlarged =
        plain.scaled(twice.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    EXPECT_NE(twice.convertToFormat(enlarged.format()), enlarged);
    EXPECT_EQ(twice.pixelColor(10, 400), plain.pixelColor(5, 200));
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

// Qt's standard options are Qt's; ours still work beside them, and after "--" nothing is Qt's.
TEST(Screenshot, TakesQtsStandardOptions) {
    TestFolder folder;
    const QString png = QString::fromStdString(folder.path("view.png"));
    const VornRun styled =
        runVorn(folder, {"-style", "Fusion", "--model=2014", "--screenshot", png});
    EXPECT_EQ(styled.exitCode, 0) << styled.err.toStdString();
    EXPECT_EQ(QImage(png).size(), QSize(750, 420));

    // A display that is not there is never tried.
    const VornRun offscreen =
        runVorn(folder, {"-platform", "offscreen", "--screenshot", png}, ":9999");
    EXPECT_EQ(offscreen.exitCode, 0) << offscreen.err.toStdString();

    const VornRun ended = runVorn(folder, {"--screenshot", png, "--", "-style"});
    EXPECT_EQ(ended.exitCode, 0);
    EXPECT_TRUE(ended.err.startsWith("vorn: The template file: <-style> can't be read"))
        << ended.err.toStdString();
}

TEST(Screenshot, NeedsNoDisplay) {
    TestFolder folder;
    const QString png = QString::fromStdString(folder.path("view.png"));
    EXPECT_EQ(runVorn(folder, {"--help"}, "").exitCode, 0);
    EXPECT_EQ(runVorn(folder, {"--screenshot", png}, "").exitCode, 0);
    EXPECT_TRUE(QFile::exists(png));
    const VornRun bogus = runVorn(folder, {"-style", "Fusion", "--bogus"}, "");
    EXPECT_EQ(bogus.exitCode, 2);
    EXPECT_TRUE(bogus.err.startsWith("vorn: unknown option --bogus")) << bogus.err.toStdString();
    // The window itself needs one: a message, not Qt's abort.
    const VornRun window = runVorn(folder, {}, "");
    EXPECT_EQ(window.exitCode, 2);
    EXPECT_EQ(window.err.toStdString(), "vorn: no display to show the window on"
                                        " (neither DISPLAY nor WAYLAND_DISPLAY is set)\n");
}

} // namespace
} // namespace vorn::test
