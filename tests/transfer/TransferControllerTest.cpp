// SPDX-License-Identifier: GPL-3.0-or-later
// The read and write transfers on the simulated keyboard, behind USB or the driver, with a
// host that records every timer, progress and message request and ticks without waiting.
#include "transfer/TransferController.h"

#include "document/SettingsStore.h"
#include "document/UserMessages.h"
#include "image/KeyTextChecks.h"
#include "image/KeyTextEncoder.h"
#include "simulator/SimulatedDriver.h"
#include "simulator/SimulatedKeyboard.h"
#include "support/DeviceFakes.h"
#include "support/TestFolder.h"
#include "transfer/DetectionMessage.h"
#include "transfer/EditingFields.h"
#include "transfer/VornDocTransfer.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

namespace vorn {
namespace {

using namespace std::chrono_literals;

enum class Port { usb, driver };
enum class Direction { read, write };

// Logs the host's requests and the messages in one sequence.
class RecordingHost : public TransferHost, public UserMessages {
public:
    void startTimer(int id, std::chrono::milliseconds interval) override {
        log.push_back("start " + std::to_string(id) + " " + std::to_string(interval.count()));
        timer = id;
    }
    void stopTimer(int id) override {
        log.push_back("stop " + std::to_string(id));
        if (timer == id)
            timer = 0;
    }
    void createProgress(int low, int high) override {
        log.push_back("progress " + std::to_string(low) + " " + std::to_string(high));
        position = 0;
    }
    void stepProgress() override { ++position; }
    void destroyProgress() override { log.push_back("destroy"); }
    void showPercent(std::string_view text) override { percents.emplace_back(text); }
    void redraw() override { ++redraws; }
    void showMessage(std::string_view text) override {
        log.push_back("message");
        messages.emplace_back(text);
    }
    bool askYesNo(std::string_view) override { return false; }

    bool logged(const std::string& entry) const {
        return std::ranges::find(log, entry) != log.end();
    }
    std::size_t indexOf(const std::string& entry) const {
        return static_cast<std::size_t>(std::ranges::find(log, entry) - log.begin());
    }

    std::vector<std::string> log;
    std::vector<std::string> messages;
    std::vector<std::string> percents;
    int timer = 0;
    int position = 0;
    int redraws = 0;
};

class CountingDocument : public VornDocTransfer {
public:
    using VornDocTransfer::VornDocTransfer;
    void applyModel() override {
        ++applied;
        VornDocTransfer::applyModel();
    }
    int applied = 0;
};

// A template with a few keys set, and its image.
KeyTexts sampleTexts() {
    KeyTexts texts;
    texts[0] = "hello";
    texts[12] = "[F1]";
    texts[40] = "[Enter]";
    texts[175] = "z";
    return texts;
}

TemplateImage encoded(KeyTexts texts) {
    TemplateImage image = newTemplateImage(2013);
    encodeImage(image, texts, 2013);
    return image;
}

std::string usbError(std::string_view head, int package) {
    return std::string(head) + std::to_string(package) +
           "\n unplug/plug keyboard and try it again please";
}

std::string driverError(std::string_view head, int package) {
    return std::string(head) + std::to_string(package);
}

const std::string readError = "Data Read Error, Count=";
const std::string writeError = "Error in writing data, Count=";

// One editor's worth of transfer: document, editing state, both transports on one simulated
// keyboard that sits either behind USB (no driver installed) or behind the driver (no USB).
class Rig {
public:
    explicit Rig(Port port)
        : keyboard(port == Port::usb ? std::vector<SimulatedInterface>{{}}
                                     : std::vector<SimulatedInterface>{}) {
        driver.setInstalled(port == Port::driver);
        doc.onNewDocument();
    }

    KeyboardFaults& faults() { return keyboard.firmware().faults(); }
    const TemplateImage& memory() { return keyboard.firmware().memory(); }

    void command(Direction direction) {
        if (direction == Direction::read)
            transfer.ReadFromKB();
        else
            transfer.WriteIntoKB();
    }
    // Ticks the running timer until the host stops it; the number of ticks.
    int runTicks() {
        int ticks = 0;
        while (host.timer != 0 && ticks < 10000) {
            EXPECT_TRUE(transfer.OnTimer(host.timer));
            ++ticks;
        }
        return ticks;
    }
    int run(Direction direction) {
        command(direction);
        return runTicks();
    }
    void setDocumentTexts(const KeyTexts& texts) {
        for (int k = 0; k < keyNumberCount; ++k) {
            doc.setKeyText(k, texts[k]);
            doc.setKeyFlags(k, texts[k].empty(), texts[k].empty());
        }
    }

    test::TestFolder folder;
    SettingsStore settings;
    RecordingHost host;
    CVornDoc doc{settings, host, DocumentPlaces{}, 2013};
    CountingDocument document{doc};
    EditingFields editing;
    SimulatedKeyboard keyboard;
    test::FakeClock clock;
    CUSBport usb{keyboard, clock};
    SimulatedDriver driver{keyboard.firmware()};
    CKBIO kbio{driver};
    TransferController transfer{usb, kbio, document, editing, host, host};
};

class BothPorts : public ::testing::TestWithParam<Port> {};
INSTANTIATE_TEST_SUITE_P(Transfer, BothPorts, ::testing::Values(Port::usb, Port::driver),
                         [](const auto& info) {
                             return info.param == Port::usb ? "Usb" : "Driver";
                         });

TEST_P(BothPorts, WriteThenReadGivesTheEncodedImageBack) {
    Rig rig(GetParam());
    const bool usb = GetParam() == Port::usb;
    rig.setDocumentTexts(sampleTexts());
    EXPECT_EQ(rig.run(Direction::write), 64);
    EXPECT_EQ(rig.transfer.outcome(), TransferOutcome::completed);
    EXPECT_TRUE(rig.host.logged(usb ? "start 2 280" : "start 4 200"));
    EXPECT_EQ(rig.memory(), encoded(sampleTexts()));
    EXPECT_EQ(rig.driver.endWrites(), usb ? 0 : 1);
    EXPECT_EQ(rig.transfer.portName(), usb ? "USB" : "PS2");
    EXPECT_EQ(rig.transfer.portKind(), usb ? 5 : 0);

    Rig reader(GetParam());
    reader.keyboard.firmware().setMemory(rig.memory());
    EXPECT_EQ(reader.run(Direction::read), 64);
    EXPECT_EQ(reader.transfer.outcome(), TransferOutcome::completed);
    EXPECT_TRUE(reader.host.logged(usb ? "start 1 250" : "start 3 200"));
    EXPECT_EQ(reader.doc.image(), encoded(sampleTexts()));
    EXPECT_EQ(reader.transfer.transferBuffer(), reader.doc.image());
    EXPECT_EQ(reader.doc.keyText(), sampleTexts());
    EXPECT_EQ(reader.usb.isOpen(), false);
    EXPECT_EQ(reader.keyboard.openHandles(), 0u);
    EXPECT_TRUE(reader.host.messages.empty());
}

TEST_P(BothPorts, ProgressAndPercentageForEveryPackage) {
    Rig rig(GetParam());
    rig.command(Direction::read);
    EXPECT_TRUE(rig.host.logged("progress 1 64"));
    EXPECT_TRUE(rig.transfer.transferActive());
    EXPECT_TRUE(rig.transfer.transferReading());
    EXPECT_FALSE(rig.transfer.readEnabled());
    EXPECT_FALSE(rig.transfer.writeEnabled());
    rig.command(Direction::write); // disabled while the read runs
    EXPECT_TRUE(rig.transfer.transferReading());
    rig.runTicks();
    ASSERT_EQ(rig.host.percents.size(), 64u);
    EXPECT_EQ(rig.host.percents[0], "1%");
    EXPECT_EQ(rig.host.percents[31], "50%");
    EXPECT_EQ(rig.host.percents[63], "100%");
    EXPECT_EQ(rig.host.position, 64);
    EXPECT_TRUE(rig.host.logged("destroy"));
    EXPECT_TRUE(rig.transfer.readEnabled());
    EXPECT_TRUE(rig.transfer.writeEnabled());
    EXPECT_FALSE(rig.transfer.transferActive());
    EXPECT_EQ(rig.transfer.packageNo(), 64);
}

TEST(TransferPercent, TruncatedPercentOfThePackagesDone) {
    EXPECT_EQ(TransferController::transferPercent(0), "1%");
    EXPECT_EQ(TransferController::transferPercent(1), "3%");
    EXPECT_EQ(TransferController::transferPercent(31), "50%");
    EXPECT_EQ(TransferController::transferPercent(62), "98%");
    EXPECT_EQ(TransferController::transferPercent(63), "100%");
}

TEST(CompleteRead, FlagsFollowTheReadKeyTexts) {
    Rig rig(Port::usb);
    rig.keyboard.firmware().setMemory(encoded(sampleTexts()));
    for (int k = 0; k < keyNumberCount; ++k)
        rig.doc.setKeyFlags(k, false, false); // changed since loaded
    rig.doc.setKeyText(3, "old");
    rig.run(Direction::read);
    for (int k = 0; k < keyNumberCount; ++k) {
        const bool blank = sampleTexts()[k].empty();
        EXPECT_EQ(rig.doc.keyBlank()[k], blank) << k;
        EXPECT_EQ(rig.doc.keyDefined()[k], !blank) << k; // a blank key keeps its flag
    }
    EXPECT_EQ(rig.doc.keyText()[3], "");
}

TEST(ViewStateReset, SelectionCaretAndModesAfterATransfer) {
    Rig rig(Port::usb);
    KeyTexts texts = sampleTexts();
    const int firstKey = rig.doc.layout().slotKey()[0];
    texts[firstKey] = "[F2]";
    rig.keyboard.firmware().setMemory(encoded(texts));
    rig.editing.setSelection(9, 33);
    rig.editing.highlightOnly(9);
    rig.editing.setCaret(4, 3);
    rig.editing.setEscPending(true);
    rig.editing.setShiftHeld(true);
    rig.editing.keyIsAscii[firstKey] = true;
    rig.run(Direction::read);
    EXPECT_EQ(rig.editing.selectedSlot, 0);
    EXPECT_EQ(rig.editing.currentKey, firstKey);
    EXPECT_EQ(rig.editing.highlightedSlot, 0);
    EXPECT_EQ(rig.editing.caretIndex, 0);
    EXPECT_EQ(rig.editing.caretColumn, 0);
    EXPECT_FALSE(rig.editing.escPending);
    EXPECT_FALSE(rig.editing.shiftHeld);
    EXPECT_EQ(rig.editing.keyIsAscii[firstKey], isAsciiText("[F2]"));
    EXPECT_GE(rig.host.redraws, 1);
}

// Every row of the failure table that retries reach, and each budget at its edges.
struct RetryCase {
    const char* name;
    Port port;
    Direction direction;
    std::function<void(KeyboardFaults&)> faults;
    std::string message; // empty: the transfer completes
};

void PrintTo(const RetryCase& c, std::ostream* os) {
    *os << c.name;
}

class RetryBudgets : public ::testing::TestWithParam<RetryCase> {};

TEST_P(RetryBudgets, AbortOrCompleteWithTheMessage) {
    const RetryCase& c = GetParam();
    Rig rig(c.port);
    c.faults(rig.faults());
    rig.run(c.direction);
    if (c.message.empty()) {
        EXPECT_TRUE(rig.host.messages.empty());
        EXPECT_EQ(rig.transfer.outcome(), TransferOutcome::completed);
        return;
    }
    ASSERT_EQ(rig.host.messages, std::vector<std::string>{c.message});
    EXPECT_EQ(rig.transfer.outcome(), TransferOutcome::aborted);
    const int timer = (c.port == Port::usb ? 1 : 3) + (c.direction == Direction::write ? 1 : 0);
    EXPECT_LT(rig.host.indexOf("stop " + std::to_string(timer)), rig.host.indexOf("message"));
    EXPECT_TRUE(rig.host.logged("destroy"));
    EXPECT_TRUE(rig.transfer.readEnabled());
    EXPECT_TRUE(rig.transfer.writeEnabled());
    EXPECT_FALSE(rig.transfer.transferActive());
    EXPECT_FALSE(rig.usb.isOpen());
    if (c.port == Port::driver && c.direction == Direction::write) {
        EXPECT_EQ(rig.driver.endWrites(), 1);
    }
}

// Package 0 of a USB read is also read by the detections' probes, so USB read cases use
// later packages.
INSTANTIATE_TEST_SUITE_P(
    Transfer, RetryBudgets,
    ::testing::Values(
        RetryCase{"UsbRead4FailuresGoThrough", Port::usb, Direction::read,
                  [](auto& f) {
                      f.readFailures = {{7, 4}};
                  },
                  ""},
        RetryCase{"UsbRead5FailuresAbort", Port::usb, Direction::read,
                  [](auto& f) {
                      f.readFailures = {{7, 5}};
                  },
                  usbError(readError, 7)},
        RetryCase{"UsbReadBadCheckBytes", Port::usb, Direction::read,
                  [](auto& f) {
                      f.checkFailures = {{63, 5}};
                  },
                  usbError(readError, 63)},
        RetryCase{"UsbReadBudgetIsPerPackage", Port::usb, Direction::read,
                  [](auto& f) {
                      f.readFailures = {{3, 4}, {4, 4}, {5, 4}};
                  },
                  ""},
        RetryCase{"UsbWrite4FailuresAtPackage0GoThrough", Port::usb, Direction::write,
                  [](auto& f) {
                      f.writeFailures = {{0, 4}};
                  },
                  ""},
        RetryCase{"UsbWrite5FailuresAtPackage0Abort", Port::usb, Direction::write,
                  [](auto& f) {
                      f.writeFailures = {{0, 5}};
                  },
                  usbError(writeError, 0)},
        RetryCase{"UsbWrite2FailuresAfterAGoodPackageGoThrough", Port::usb, Direction::write,
                  [](auto& f) {
                      f.writeFailures = {{1, 2}};
                  },
                  ""},
        RetryCase{"UsbWrite3FailuresAfterAGoodPackageAbort", Port::usb, Direction::write,
                  [](auto& f) {
                      f.writeFailures = {{1, 3}};
                  },
                  usbError(writeError, 1)},
        RetryCase{"UsbWriteUnacknowledged4TimesGoesThrough", Port::usb, Direction::write,
                  [](auto& f) {
                      f.ackFailures = {{5, 4}};
                  },
                  ""},
        RetryCase{"UsbWriteUnacknowledged5TimesEnds", Port::usb, Direction::write,
                  [](auto& f) {
                      f.ackFailures = {{5, 5}};
                  },
                  usbError(writeError, 5)},
        RetryCase{"UsbWriteNeverAcknowledgedEnds", Port::usb, Direction::write,
                  [](auto& f) { f.failEveryAck = true; }, usbError(writeError, 0)},
        RetryCase{"UsbReadUnplugged", Port::usb, Direction::read,
                  [](auto& f) { f.unplugAfterPackage = 20; }, usbError(readError, 21)},
        RetryCase{"UsbWriteUnplugged", Port::usb, Direction::write,
                  [](auto& f) { f.unplugAfterPackage = 20; }, usbError(writeError, 21)},
        RetryCase{"DriverRead4FailuresGoThrough", Port::driver, Direction::read,
                  [](auto& f) {
                      f.readFailures = {{0, 4}};
                  },
                  ""},
        RetryCase{"DriverRead5FailuresAbort", Port::driver, Direction::read,
                  [](auto& f) {
                      f.readFailures = {{9, 5}};
                  },
                  driverError(readError, 9)},
        RetryCase{"DriverWrite4FailuresInTheTransferGoThrough", Port::driver, Direction::write,
                  [](auto& f) {
                      f.writeFailures = {{3, 1}, {10, 1}, {20, 1}, {30, 1}};
                  },
                  ""},
        RetryCase{"DriverWriteFifthFailureInTheTransferAborts", Port::driver, Direction::write,
                  [](auto& f) {
                      f.writeFailures = {{3, 1}, {10, 1}, {20, 1}, {30, 1}, {40, 1}};
                  },
                  driverError(writeError, 40)},
        RetryCase{"DriverWriteUnplugged", Port::driver, Direction::write,
                  [](auto& f) { f.unplugAfterPackage = 0; }, driverError(writeError, 1)}),
    [](const auto& info) { return info.param.name; });

TEST(AbortedRead, LeavesTheDocumentAsItWas) {
    for (const Port port : {Port::usb, Port::driver}) {
        Rig rig(port);
        rig.setDocumentTexts(sampleTexts());
        rig.doc.replaceImageBytes(encoded(sampleTexts()));
        rig.doc.setKeyFlags(12, rig.doc.keyBlank()[12], false); // changed since loaded
        const CVornDoc before = rig.doc;
        TemplateImage other = encoded({});
        rig.keyboard.firmware().setMemory(other);
        rig.faults().readFailures = {{40, 5}};
        rig.run(Direction::read);
        EXPECT_EQ(rig.transfer.outcome(), TransferOutcome::aborted);
        EXPECT_EQ(rig.host.messages.size(), 1u);
        EXPECT_EQ(rig.doc.image(), before.image());
        EXPECT_EQ(rig.doc.keyText(), before.keyText());
        EXPECT_EQ(rig.doc.keyBlank(), before.keyBlank());
        EXPECT_EQ(rig.doc.keyDefined(), before.keyDefined());
        EXPECT_EQ(rig.editing.highlightedSlot, 0); // the view state is reset all the same
        EXPECT_TRUE(rig.transfer.readEnabled());
    }
}

TEST(UsbWrite, UnacknowledgedPackageIsSentAgainWithoutLoweringTheRetries) {
    Rig rig(Port::usb);
    rig.faults().ackFailures = {{0, 2}};
    rig.command(Direction::write);
    rig.transfer.OnTimer(2);
    EXPECT_EQ(rig.transfer.packageNo(), 0);
    EXPECT_EQ(rig.transfer.retriesLeft(), 3);
    rig.transfer.OnTimer(2);
    rig.transfer.OnTimer(2);
    EXPECT_EQ(rig.transfer.packageNo(), 1);
    EXPECT_EQ(rig.transfer.retriesLeft(), 3);
    // Each written package waits 250 ms for its acknowledgement, after the two probes.
    EXPECT_EQ(rig.clock.waits, (std::vector<long>{200, 200, 250, 250, 250}));
}

TEST(Detection, UsbFirstThenTheDriverThenTheMessage) {
    Rig usb(Port::usb);
    EXPECT_EQ(usb.transfer.portKind(), -1);
    EXPECT_EQ(usb.transfer.portName(), "No");
    EXPECT_TRUE(usb.transfer.DetectKeyboard());
    EXPECT_EQ(usb.transfer.portKind(), 5);
    EXPECT_EQ(usb.transfer.portName(), "USB");
    EXPECT_EQ(usb.driver.statusRequests(), 0);
    EXPECT_EQ(usb.document.applied, 1);

    Rig driver(Port::driver);
    EXPECT_TRUE(driver.transfer.DetectKeyboard());
    EXPECT_EQ(driver.transfer.portKind(), 0);
    EXPECT_EQ(driver.transfer.portName(), "PS2");
    EXPECT_EQ(driver.document.applied, 1);

    for (const Port port : {Port::usb, Port::driver}) {
        for (const Direction direction : {Direction::read, Direction::write}) {
            Rig none(port);
            none.keyboard.firmware().unplug();
            none.command(direction);
            EXPECT_EQ(none.host.messages, std::vector<std::string>{std::string(noKeyboardMessage)});
            EXPECT_EQ(none.transfer.portKind(), -1);
            EXPECT_EQ(none.transfer.portName(), "No");
            EXPECT_EQ(none.document.applied, 0);
            EXPECT_EQ(none.host.timer, 0);
            EXPECT_TRUE(none.transfer.readEnabled());
        }
    }
}

TEST(Detection, FailedSecondDetectionEndsWithoutAMessage) {
    Rig driver(Port::driver);
    driver.driver.answerStatusFrom(2, 2);
    driver.command(Direction::read);
    EXPECT_TRUE(driver.host.messages.empty());
    EXPECT_EQ(driver.transfer.portKind(), 0);
    EXPECT_FALSE(driver.host.logged("progress 1 64"));

    Rig usb(Port::usb);
    ASSERT_TRUE(usb.transfer.DetectKeyboard());
    usb.faults().readFailures = {{0, 1}}; // the second detection's probe
    EXPECT_FALSE(usb.transfer.DetectUSBKeyboard());
    EXPECT_EQ(usb.transfer.portName(), "No");
    EXPECT_EQ(usb.transfer.portKind(), 5);
}

TEST(StartChecks, UsbDeviceGoneAtTheStart) {
    for (const Direction direction : {Direction::read, Direction::write}) {
        Rig rig(Port::usb);
        ASSERT_TRUE(rig.transfer.DetectKeyboard());
        rig.keyboard.firmware().unplug();
        if (direction == Direction::read)
            rig.transfer.StartUSBRead();
        else
            rig.transfer.StartUSBWrite();
        EXPECT_EQ(rig.host.messages, std::vector<std::string>{std::string(noKeyboardMessage)});
        EXPECT_EQ(rig.host.timer, 0);
        EXPECT_FALSE(rig.transfer.transferActive());
    }
}

TEST(StartChecks, DriverStatusBeforeTheTransfer) {
    struct Case {
        Direction direction;
        int status;
        std::string message;
    };
    const Case cases[] = {
        {Direction::read, 1,
         "No Programmable Keyboard detected!\nPlease check the keyboard connection!\n\nTry to read "
         "again please!"},
        {Direction::read, 2,
         "Can't access programmable keyboard!\nPlease to check the driver setup!\n\nTry to read "
         "again please!"},
        {Direction::write, 1,
         "No Programmable Keyboard detected!\nPlease check the keyboard connection!\n\nTry to "
         "write Keyboard again please!"},
        {Direction::write, 2,
         "Can't access programmable keyboard!\nPlease check the driver setup!\n\nTry to write "
         "Keyboard again please!"},
    };
    for (const Case& c : cases) {
        Rig rig(Port::driver);
        const TemplateImage memory = rig.memory();
        rig.driver.answerStatusFrom(c.status, 3); // after the two detections
        rig.setDocumentTexts(sampleTexts());
        rig.command(c.direction);
        EXPECT_EQ(rig.host.messages, std::vector<std::string>{c.message});
        EXPECT_EQ(rig.host.timer, 0);
        EXPECT_TRUE(rig.transfer.readEnabled());
        EXPECT_EQ(rig.memory(), memory);
    }
}

TEST(StartChecks, InvalidSelectedKeySendsNothing) {
    for (const Port port : {Port::usb, Port::driver}) {
        Rig rig(port);
        std::vector<FeatureReport> sent;
        rig.usb.setTrace([&](const ReportTraceEvent& e) {
            if (e.direction == ReportDirection::set)
                sent.push_back(e.report);
        });
        const TemplateImage memory = rig.memory();
        rig.setDocumentTexts(sampleTexts());
        rig.doc.setKeyText(12, "[F1"); // valid in neither mode
        rig.editing.currentKey = 12;
        rig.command(Direction::write);
        EXPECT_EQ(rig.host.messages,
                  std::vector<std::string>{"Wrong function word or scan code word!!"});
        EXPECT_EQ(rig.host.timer, 0);
        EXPECT_TRUE(std::ranges::none_of(sent, [](const auto& r) { return r[1] == 0xE7; }));
        EXPECT_EQ(rig.memory(), memory);
        EXPECT_FALSE(rig.usb.isOpen());
        EXPECT_TRUE(rig.transfer.writeEnabled());
    }
}

TEST(OnTimer, OtherTimerIdsAreNotHandled) {
    Rig rig(Port::usb);
    EXPECT_FALSE(rig.transfer.OnTimer(0));
    EXPECT_FALSE(rig.transfer.OnTimer(5));
    EXPECT_TRUE(rig.transfer.OnTimer(1)); // a transfer id, but none runs: nothing happens
    EXPECT_EQ(rig.transfer.packageNo(), 0);
}

} // namespace
} // namespace vorn

namespace vorn {
namespace {

// Closing the window mid-transfer: the transfer ends between ticks, its port closed, a driver
// write's end sent, and the document kept.
TEST_P(BothPorts, CancelledTransferEndsCleanly) {
    for (const Direction direction : {Direction::read, Direction::write}) {
        Rig rig(GetParam());
        rig.setDocumentTexts(sampleTexts());
        rig.command(direction);
        for (int tick = 0; tick < 10; ++tick)
            ASSERT_TRUE(rig.transfer.OnTimer(rig.host.timer));
        rig.transfer.CancelTransfer();
        EXPECT_FALSE(rig.transfer.transferActive());
        EXPECT_EQ(rig.host.timer, 0);
        EXPECT_EQ(rig.transfer.outcome(), TransferOutcome::aborted);
        EXPECT_TRUE(rig.host.logged("destroy"));
        EXPECT_FALSE(rig.usb.isOpen());
        EXPECT_EQ(rig.keyboard.openHandles(), 0u);
        const bool driverWrite = GetParam() == Port::driver && direction == Direction::write;
        EXPECT_EQ(rig.driver.endWrites(), driverWrite ? 1 : 0);
        EXPECT_EQ(rig.doc.keyText(), sampleTexts());
        EXPECT_TRUE(rig.host.messages.empty());
        rig.transfer.CancelTransfer(); // nothing running: nothing happens
        EXPECT_EQ(rig.driver.endWrites(), driverWrite ? 1 : 0);
    }
}

} // namespace
} // namespace vorn
