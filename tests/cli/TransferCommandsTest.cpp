// SPDX-License-Identifier: GPL-3.0-or-later
// vornctl read and write end to end against the simulated keyboard, without waiting, and
// every fault option through to its message.
#include "cli/Vornctl.h"
#include "image/KeyTextEncoder.h"
#include "image/TemplateImage.h"
#include "support/TestFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

namespace vorn::cli {
namespace {

namespace fs = std::filesystem;
using test::TestFolder;

struct Result {
    int status;
    std::string out;
    std::string err;
};

std::string bytesOf(const TemplateImage& image) {
    return {image.begin(), image.end()};
}

TemplateImage sampleImage() {
    KeyTexts texts;
    texts[0] = "hello";
    texts[12] = "[F1]";
    texts[100] = "[Enter]";
    TemplateImage image = newTemplateImage(2013);
    encodeImage(image, texts, 2013);
    return image;
}

std::string percentLines() {
    std::string lines;
    for (int n = 0; n < 64; ++n)
        lines += std::to_string((n + 1) * 100 / 64) + "%\n";
    return lines;
}

class TransferCommands : public ::testing::Test {
protected:
    TransferCommands() {
        TestFolder::write(tpl, bytesOf(sampleImage()));
        TestFolder::write(memory, bytesOf(newTemplateImage(2013)));
    }

    static Result run(std::vector<std::string> args) {
        std::istringstream in;
        std::ostringstream out, err;
        const int status = runVornctl(args, in, out, err);
        return {status, out.str(), err.str()};
    }
    // vornctl read or write on the simulated keyboard, with extra options.
    Result read(std::vector<std::string> extra = {}) {
        std::vector<std::string> args{"read", "-o", back, "--simulate", memory, "--no-wait"};
        args.insert(args.end(), extra.begin(), extra.end());
        return run(args);
    }
    Result write(std::vector<std::string> extra = {}) {
        std::vector<std::string> args{"write", tpl, "--simulate", memory, "--no-wait"};
        args.insert(args.end(), extra.begin(), extra.end());
        return run(args);
    }
    std::string memoryBytes() const { return TestFolder::read(memory); }

    TestFolder folder;
    std::string tpl = folder.path("t.tpl");
    std::string memory = folder.path("kb.mem");
    std::string back = folder.path("back.tpl");
};

TEST_F(TransferCommands, WriteThenReadThroughEitherPortGivesTheImageBack) {
    for (const auto& [writePort, readPort] : {std::pair{"usb", "driver"}, {"driver", "usb"}}) {
        TestFolder::write(memory, bytesOf(newTemplateImage(2013)));
        fs::remove(back);
        const Result w = write({"--simulate-port", writePort});
        EXPECT_EQ(w.status, 0) << w.err;
        EXPECT_EQ(w.err, percentLines());
        EXPECT_EQ(memoryBytes(), bytesOf(sampleImage()));
        const Result r = read({"--simulate-port", readPort, "--quiet"});
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(TestFolder::read(back), bytesOf(sampleImage()));
    }
}

TEST_F(TransferCommands, TraceShowsTheReportsAndPlainPercentages) {
    const Result r = read({"--trace"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.err.find("SET 00 E6 00 00 00 00 00 00 00\n"), std::string::npos);
    EXPECT_NE(r.err.find("SET 00 E6 E0 07 00 00 00 00 00\n"), std::string::npos); // package 63
    EXPECT_NE(r.err.find("\n1%\n"), std::string::npos);
    EXPECT_TRUE(r.err.ends_with("\n100%\n"));
}

const std::string usbTail = "\n unplug/plug keyboard and try it again please";
const std::string noKeyboard = "There is no VQ series keyboard connected!\n";

struct FaultCase {
    const char* name;
    bool reading;
    std::vector<std::string> options;
    std::string message; // the end of standard error
    int packagesWritten; // by a write: how many packages the keyboard keeps
};

void PrintTo(const FaultCase& c, std::ostream* os) {
    *os << c.name;
}

class FaultOptions : public TransferCommands, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(FaultOptions, AbortWithTheMessageAndExit1) {
    const FaultCase& c = GetParam();
    TestFolder::write(back, "old");
    const Result r = c.reading ? read(c.options) : write(c.options);
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.ends_with(c.message)) << r.err;
    EXPECT_EQ(TestFolder::read(back), "old");
    const std::string expected = bytesOf(sampleImage()).substr(0, 32 * c.packagesWritten) +
                                 bytesOf(newTemplateImage(2013)).substr(32 * c.packagesWritten);
    EXPECT_EQ(memoryBytes(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    TransferCommands, FaultOptions,
    ::testing::Values(
        FaultCase{"NoKeyboardRead", true, {"--fault", "no-keyboard"}, noKeyboard, 0},
        FaultCase{"NoKeyboardWriteDriver",
                  false,
                  {"--fault", "no-keyboard", "--simulate-port", "driver"},
                  noKeyboard,
                  0},
        FaultCase{
            "ProbesCountAsReadsOfPackage0", true, {"--fault", "read-fail:0:1"}, noKeyboard, 0},
        FaultCase{"ReadFailUsb",
                  true,
                  {"--fault", "read-fail:5:5"},
                  "6%\n7%\nData Read Error, Count=5" + usbTail + "\n",
                  0},
        FaultCase{"ReadFailDriver",
                  true,
                  {"--fault", "read-fail:7:5", "--simulate-port", "driver"},
                  "Data Read Error, Count=7\n",
                  0},
        FaultCase{"BadCheck",
                  true,
                  {"--fault=bad-check:63:5"},
                  "Data Read Error, Count=63" + usbTail + "\n",
                  0},
        FaultCase{"WriteFailUsbAtPackage0",
                  false,
                  {"--fault", "write-fail:0:5"},
                  "Error in writing data, Count=0" + usbTail + "\n",
                  0},
        FaultCase{"WriteFailUsbAfterAGoodPackage",
                  false,
                  {"--fault", "write-fail:1:3"},
                  "1%\nError in writing data, Count=1" + usbTail + "\n",
                  1},
        FaultCase{"WriteFailDriverFiveTimesInTheTransfer",
                  false,
                  {"--simulate-port", "driver", "--fault", "write-fail:2:1", "--fault",
                   "write-fail:9:1", "--fault", "write-fail:20:1", "--fault", "write-fail:21:1",
                   "--fault", "write-fail:30:1"},
                  "Error in writing data, Count=30\n",
                  30},
        FaultCase{"NoAckStoresButEnds",
                  false,
                  {"--fault", "no-ack:2:5"},
                  "Error in writing data, Count=2" + usbTail + "\n",
                  3},
        FaultCase{"UnplugAfterUsbWrite",
                  false,
                  {"--fault", "unplug-after:10"},
                  "Error in writing data, Count=11" + usbTail + "\n",
                  11},
        FaultCase{"UnplugAfterPackage0OfAUsbRead",
                  true,
                  {"--fault", "unplug-after:0"},
                  "Data Read Error, Count=1" + usbTail + "\n",
                  0},
        FaultCase{"UnplugAfterDriverRead",
                  true,
                  {"--fault", "unplug-after:10", "--simulate-port", "driver"},
                  "Data Read Error, Count=11\n",
                  0},
        FaultCase{"DriverStatusAtDetection",
                  true,
                  {"--fault", "driver-status:1", "--simulate-port", "driver"},
                  noKeyboard,
                  0},
        FaultCase{"DriverStatus1BeforeRead",
                  true,
                  {"--fault", "driver-status:1:3", "--simulate-port", "driver"},
                  "No Programmable Keyboard detected!\nPlease check the keyboard "
                  "connection!\n\nTry to read again please!\n",
                  0},
        FaultCase{"DriverStatus2BeforeRead",
                  true,
                  {"--fault", "driver-status:2:3", "--simulate-port", "driver"},
                  "Can't access programmable keyboard!\nPlease to check the driver "
                  "setup!\n\nTry to read again please!\n",
                  0},
        FaultCase{"DriverStatus1BeforeWrite",
                  false,
                  {"--fault", "driver-status:1:3", "--simulate-port", "driver"},
                  "No Programmable Keyboard detected!\nPlease check the keyboard "
                  "connection!\n\nTry to write Keyboard again please!\n",
                  0},
        FaultCase{"DriverStatus2BeforeWrite",
                  false,
                  {"--fault", "driver-status:2:3", "--simulate-port", "driver"},
                  "Can't access programmable keyboard!\nPlease check the driver setup!\n\nTry "
                  "to write Keyboard again please!\n",
                  0},
        FaultCase{"SecondDetectionFails",
                  true,
                  {"--fault", "driver-status:2:2", "--simulate-port", "driver"},
                  "vornctl: the keyboard did not answer a second time; nothing was "
                  "transferred\n",
                  0}),
    [](const auto& info) { return info.param.name; });

TEST_F(TransferCommands, StatusRequestsAfterWrittenPackagesAreNotUsed) {
    const Result r = write({"--simulate-port", "driver", "--fault", "driver-status:2:4"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(memoryBytes(), bytesOf(sampleImage()));
}

TEST_F(TransferCommands, WriteRefusesAnInvalidKeyTextAndSendsNothing) {
    TemplateImage image = newTemplateImage(2013);
    image[127] = 0xFD; // key 0: an ASCII delay above 250
    image[128] = 0xFB;
    image[129] = 0;
    TestFolder::write(tpl, bytesOf(image));
    const Result r = write();
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Wrong function word or scan code word!!\nkey 0\n");
    EXPECT_EQ(memoryBytes(), bytesOf(newTemplateImage(2013)));
}

TEST_F(TransferCommands, WriteRefusesADamagedTemplateUnlessForced) {
    TemplateImage corrupted = sampleImage();
    corrupted[offsets::signature] = 0;
    TemplateImage noKeyNumbers = sampleImage();
    std::fill_n(noKeyNumbers.begin(), offsets::keyAreaSize, 'x');
    for (const auto& [image, message] : {std::pair{corrupted, corruptedImageMessage},
                                         std::pair{noKeyNumbers, wrongKeyNumberMessage}}) {
        TestFolder::write(tpl, bytesOf(image));
        Result r = write();
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, std::string(message) +
                             "\nvornctl: nothing was written; --force writes the template "
                             "anyway\n");
        EXPECT_EQ(memoryBytes(), bytesOf(newTemplateImage(2013)));

        r = write({"--force", "--quiet"});
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, std::string(message) + "\n");
        EXPECT_NE(memoryBytes(), bytesOf(newTemplateImage(2013)));
        TestFolder::write(memory, bytesOf(newTemplateImage(2013)));
    }
}

TEST_F(TransferCommands, FileErrorsExitWith2) {
    EXPECT_EQ(write({}).status, 0);
    fs::remove(tpl);
    EXPECT_EQ(write().status, 2);
    TestFolder::write(memory, "short");
    EXPECT_EQ(read().status, 2);
    TestFolder::write(memory, bytesOf(newTemplateImage(2013)));
    const Result noFolder =
        run({"read", "-o", folder.path("no/such/dir/x"), "--simulate", memory, "--no-wait"});
    EXPECT_EQ(noFolder.status, 2);
    EXPECT_EQ(noFolder.err.find("%"), std::string::npos) << "checked before reading";
    // A simulated keyboard whose memory file could never be made is refused before writing.
    TestFolder::write(tpl, bytesOf(sampleImage()));
    const Result lost =
        run({"write", tpl, "--simulate", folder.path("no/such/dir/kb.mem"), "--no-wait"});
    EXPECT_EQ(lost.status, 2);
    EXPECT_EQ(lost.err, "vornctl: " + folder.path("no/such/dir") + ": No such file or directory\n");
}

TEST_F(TransferCommands, UsageErrors) {
    const std::vector<std::vector<std::string>> cases{
        {"read"},
        {"read", "-o", back, "--no-wait"},
        {"read", "-o", back, "--fault", "no-keyboard"},
        {"read", "-o", back, "--simulate-port", "driver"},
        {"write"},
        {"write", tpl, "--no-wait"},
        {"write", tpl, "--no-lock-wait"},
        {"devices", "--no-lock-wait"},
        {"write", tpl, "--simulate", memory, "--simulate-port", "ps2"},
        {"write", tpl, "--simulate", memory, "--model", "x"},
    };
    for (const auto& args : cases)
        EXPECT_EQ(run(args).status, 2) << args.back();
    for (const char* fault :
         {"read-fail:64:1", "read-fail:1", "read-fail:1:0", "bad-check:a:1", "write-fail:1:2:3",
          "no-ack::1", "unplug-after:x", "unplug-after", "no-keyboard:1", "driver-status:3",
          "driver-status:1:0", "driver-status", "unknown"}) {
        const Result r = read({"--fault", fault});
        EXPECT_EQ(r.status, 2) << fault;
        EXPECT_NE(r.err.find(fault), std::string::npos) << r.err;
    }
    EXPECT_FALSE(fs::exists(back));
    EXPECT_EQ(memoryBytes(), bytesOf(newTemplateImage(2013)));
}

TEST_F(TransferCommands, HelpNamesEveryFault) {
    for (const char* command : {"read", "write"}) {
        const Result r = run({command, "--help"});
        EXPECT_EQ(r.status, 0);
        for (const char* fault : {"read-fail:P:K", "bad-check:P:K", "write-fail:P:K", "no-ack:P:K",
                                  "keep-wrong:P", "unplug-after:P", "no-keyboard", "driver-status"})
            EXPECT_NE(r.out.find(fault), std::string::npos) << fault;
    }
}

} // namespace
} // namespace vorn::cli
