// SPDX-License-Identifier: GPL-3.0-or-later
// Several simulated keyboards: choosing one with --device, all of them with --all (each on its
// own thread, with faults of its own), and the read-back check of write --verify.
#include "CliTest.h"
#include "cli/ProgressBoard.h"
#include "image/KeyTextEncoder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

namespace vorn::cli {
namespace {

namespace fs = std::filesystem;
using test::Result;

const std::string usbTail = " unplug/plug keyboard and try it again please";

class Keyboards : public test::CliTest {
protected:
    Keyboards() {
        KeyTexts texts;
        texts[0] = "hello";
        texts[12] = "[F1]";
        TemplateImage image = newTemplateImage(2013);
        encodeImage(image, texts, 2013);
        sample = imageBytes(image);
        write(tpl, sample);
        for (const std::string& m : memories)
            write(m, empty);
    }

    // The command, with the three simulated keyboards (sim:hidraw0 to 2), and a transfer
    // without waits.
    Result three(std::vector<std::string> args) {
        for (const std::string& m : memories)
            args.insert(args.end(), {"--simulate", m});
        if (args[0] != "devices")
            args.push_back("--no-wait");
        return run(args);
    }
    std::string memory(int k) { return read(memories[k]); }

    std::string tpl = path("t.tpl");
    std::vector<std::string> memories{path("a.mem"), path("b.mem"), path("c.mem")};
    std::string sample;
    const std::string empty = imageBytes(newTemplateImage(2013));
};

TEST_F(Keyboards, DevicesListsEveryKeyboardThatAnswers) {
    const Result r = three({"devices"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "sim:hidraw0\tVQ5040U Simulated\tVorn simulator\n"
                     "sim:hidraw1\tVQ5040U Simulated\tVorn simulator\n"
                     "sim:hidraw2\tVQ5040U Simulated\tVorn simulator\n"
                     "keyboard\tsim:hidraw0\tVQ5040U Simulated\n"
                     "keyboard\tsim:hidraw1\tVQ5040U Simulated\n"
                     "keyboard\tsim:hidraw2\tVQ5040U Simulated\n");
    EXPECT_EQ(r.err, "The keyboard answers at sim:hidraw0.\n");
}

TEST_F(Keyboards, DevicePicksTheOneInterface) {
    const Result listed = three({"devices", "--device", "sim:hidraw2"});
    EXPECT_EQ(listed.status, 0);
    EXPECT_EQ(listed.out, "sim:hidraw2\tVQ5040U Simulated\tVorn simulator\n"
                          "keyboard\tsim:hidraw2\tVQ5040U Simulated\n");
    EXPECT_EQ(listed.err, "The keyboard answers at sim:hidraw2.\n");

    const Result w = three({"write", tpl, "--device", "sim:hidraw1", "--quiet"});
    EXPECT_EQ(w.status, 0) << w.err;
    EXPECT_EQ(memory(0), empty);
    EXPECT_EQ(memory(1), sample);
    EXPECT_EQ(memory(2), empty);

    const std::string back = path("back.tpl");
    const Result r = three({"read", "-o", back, "--device", "sim:hidraw1", "--quiet"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(read(back), sample);
}

TEST_F(Keyboards, DeviceThatIsAbsentOrSilentIsNoKeyboard) {
    const std::string noKeyboard = "There is no VQ series keyboard connected!\n";
    for (const auto& args : {std::vector<std::string>{"devices", "--device", "/dev/hidraw9"},
                             std::vector<std::string>{"write", tpl, "--device", "sim:hidraw3"},
                             std::vector<std::string>{"write", tpl, "--device", "sim:hidraw1",
                                                      "--fault", "2=read-fail:0:5"}}) {
        const Result r = three(args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, noKeyboard) << args.back();
    }
    // No driver fallback: the driver would reach the first keyboard.
    const Result r = run({"read", "-o", path("x.tpl"), "--simulate", memories[0], "--device",
                          "sim:hidraw1", "--no-wait"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, noKeyboard);
    EXPECT_FALSE(fs::exists(path("x.tpl")));
}

TEST_F(Keyboards, WriteAllWritesTheGoodOneAndReportsTheOthers) {
    // Keyboard 1 is unplugged after package 10, keyboard 2 never acknowledges, 3 is good.
    const Result r = three(
        {"write", tpl, "--all", "--fault", "1=unplug-after:10", "--fault", "2=no-ack:0:1000000"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "sim:hidraw0\tfailed\tError in writing data, Count=11" + usbTail + "\n" +
                         "sim:hidraw1\tfailed\tError in writing data, Count=0" + usbTail + "\n" +
                         "sim:hidraw2\tok\n");
    EXPECT_EQ(memory(0), sample.substr(0, 11 * 32) + empty.substr(11 * 32));
    EXPECT_EQ(memory(1), sample.substr(0, 32) + empty.substr(32)); // taken, never acknowledged
    EXPECT_EQ(memory(2), sample);
    // One progress line per keyboard and percentage, the keyboards' lines interleaved.
    const auto progress = lines(r.err);
    EXPECT_EQ(std::count(progress.begin(), progress.end(), "sim:hidraw2\t100%"), 1);
    EXPECT_EQ(std::count(progress.begin(), progress.end(), "sim:hidraw0\t17%"), 1); // package 10
    EXPECT_EQ(progress.size(), 64u + 11u);
}

TEST_F(Keyboards, WriteAllSucceedsOnlyWhenEveryKeyboardWasWritten) {
    const Result r = three({"write", tpl, "--all", "--quiet"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "sim:hidraw0\tok\nsim:hidraw1\tok\nsim:hidraw2\tok\n");
    EXPECT_EQ(r.err, "");
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(memory(k), sample) << k;
}

TEST_F(Keyboards, AKeyboardThatDoesNotAnswerIsNotAmongAll) {
    const Result r = three({"write", tpl, "--all", "--quiet", "--fault", "2=read-fail:0:9"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "sim:hidraw0\tok\nsim:hidraw2\tok\n");
    EXPECT_EQ(memory(1), empty);

    const Result none = three({"write", tpl, "--all", "--fault", "no-keyboard"});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.out, "");
    EXPECT_EQ(none.err, "There is no VQ series keyboard connected!\n");
}

TEST_F(Keyboards, ReadAllWritesOneFilePerKeyboard) {
    write(memories[0], sample);
    const std::string dir = path("from/keyboards");
    const Result r = three({"read", "--all", "-o", dir, "--quiet", "--fault", "3=bad-check:5:5"});
    EXPECT_EQ(r.status, 1);
    const std::string first = dir + "/1-sim_hidraw0.tpl";
    const std::string second = dir + "/2-sim_hidraw1.tpl";
    EXPECT_EQ(r.out, "sim:hidraw0\tok\t" + first + "\nsim:hidraw1\tok\t" + second +
                         "\nsim:hidraw2\tfailed\tData Read Error, Count=5" + usbTail + "\n");
    EXPECT_EQ(read(first), sample);
    EXPECT_EQ(read(second), empty);
    EXPECT_FALSE(fs::exists(dir + "/3-sim_hidraw2.tpl"));

    write(path("file"), "");
    const Result notADir = three({"read", "--all", "-o", path("file"), "--quiet"});
    EXPECT_EQ(notADir.status, 2);
    EXPECT_EQ(notADir.out, "");
}

TEST_F(Keyboards, VerifyReadsBackAndCatchesWhatTheKeyboardKeptWrong) {
    const Result good = three({"write", tpl, "--device", "sim:hidraw0", "--verify"});
    EXPECT_EQ(good.status, 0) << good.err;
    // The write's percentages, then the read's.
    EXPECT_NE(good.err.find("\n100%\n1%\n"), std::string::npos) << good.err;
    EXPECT_TRUE(good.err.ends_with("\n100%\nverified\n")) << good.err;

    const std::string wrong =
        "vornctl: the keyboard holds other data than was written, first at package 7\n";
    for (const char* port : {"usb", "driver"}) {
        const Result r =
            run({"write", tpl, "--simulate", memories[1], "--no-wait", "--verify", "--quiet",
                 "--simulate-port", port, "--fault", "keep-wrong:7", "--fault", "keep-wrong:40"});
        EXPECT_EQ(r.status, 1) << port;
        EXPECT_EQ(r.err, wrong) << port;
    }
    // Without --verify the acknowledgements alone say done.
    EXPECT_EQ(three({"write", tpl, "--quiet", "--fault", "keep-wrong:7"}).status, 0);

    const Result all = three({"write", tpl, "--all", "--verify", "--quiet", "--fault",
                              "2=keep-wrong:63", "--fault", "3=unplug-after:63"});
    EXPECT_EQ(all.status, 1);
    EXPECT_EQ(all.out, "sim:hidraw0\tok verified\n"
                       "sim:hidraw1\tfailed\tvornctl: the keyboard holds other data than was "
                       "written, first at package 63\n"
                       "sim:hidraw2\tfailed\tThere is no VQ series keyboard connected!\n");
}

TEST_F(Keyboards, UsageErrors) {
    for (const auto& args : {
             std::vector<std::string>{"write", tpl, "--all", "--device", "sim:hidraw0"},
             std::vector<std::string>{"write", tpl, "--simulate-port", "driver"},
             std::vector<std::string>{"write", tpl, "--all", "--simulate-port", "driver"},
             std::vector<std::string>{"write", tpl, "--fault", "4=no-keyboard"},
             std::vector<std::string>{"write", tpl, "--fault", "0=no-keyboard"},
             std::vector<std::string>{"write", tpl, "--fault", "2=keep-wrong"},
             std::vector<std::string>{"write", tpl, "--fault", "keep-wrong:64"},
             std::vector<std::string>{"read", "--all", "-o", path("d"), "--verify"},
         }) {
        const Result r = three(args);
        EXPECT_EQ(r.status, 2) << args.back();
    }
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(memory(k), empty);
}

TEST(ProgressBoard, LinesNameTheKeyboardAndBarsAreRedrawnInTheirOwnLine) {
    std::ostringstream lines, bars;
    ProgressBoard lineBoard(lines, ProgressStyle::lines, {"a", "b"});
    lineBoard.showPercent(1, 32, 64, "50%");
    lineBoard.traceLine(0, "SET 00");
    EXPECT_EQ(lines.str(), "b\t50%\na\tSET 00\n");

    ProgressBoard barBoard(bars, ProgressStyle::bar, {"a", "b"});
    barBoard.showPercent(0, 32, 64, "50%");
    barBoard.showPercent(1, 64, 64, "100%");
    EXPECT_EQ(bars.str(), "[          ]  a\n[          ]  b\n"
                          "\x1b[2A\r[#####     ] 50% a\x1b[K\x1b[2B\r"
                          "\x1b[1A\r[##########] 100% b\x1b[K\x1b[1B\r");
}

} // namespace
} // namespace vorn::cli
