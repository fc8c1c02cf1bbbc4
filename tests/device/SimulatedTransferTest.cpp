// SPDX-License-Identifier: GPL-3.0-or-later
// CUSBport against the simulated keyboard: whole-memory round trip and every injected fault.
#include "device/CUSBport.h"
#include "simulator/SimulatedKeyboard.h"
#include "support/DeviceFakes.h"

#include <gtest/gtest.h>

namespace vorn {
namespace {

TemplateImage patternImage() {
    TemplateImage image;
    std::uint32_t x = 12345;
    for (std::uint8_t& b : image) {
        x = x * 1103515245 + 12345;
        b = static_cast<std::uint8_t>(x >> 16);
    }
    return image;
}

class WithSimulator : public ::testing::Test {
protected:
    // Opened directly, so that fault ordinals count from the test's first report.
    void SetUp() override {
        port.setCurrentDevicePath("sim:hidraw0");
        ASSERT_TRUE(port.OpenHIDDevice());
    }
    KeyboardFaults& faults() { return keyboard.firmware().faults(); }
    const TemplateImage& memory() { return keyboard.firmware().memory(); }

    bool write(int n, std::uint8_t fill) {
        std::fill_n(port.packageBuffer().begin(), packageSize, fill);
        return port.SendHIDBlockData(static_cast<std::uint8_t>(n));
    }
    bool writeAcknowledged(int n, std::uint8_t fill) { return write(n, fill) && port.WaitHIDAck(); }
    bool read(int n) { return port.GetHIDBlockData(static_cast<std::uint8_t>(n)); }
    std::uint8_t memoryAt(int n) { return memory()[n * packageSize]; }

    SimulatedKeyboard keyboard;
    test::FakeClock clock;
    CUSBport port{keyboard, clock};
};

TEST_F(WithSimulator, All64PackagesWrittenAndReadBackGiveTheSameMemory) {
    const TemplateImage image = patternImage();
    for (int n = 0; n < packageCount; ++n) {
        std::copy_n(image.begin() + n * packageSize, packageSize, port.packageBuffer().begin());
        ASSERT_TRUE(port.SendHIDBlockData(static_cast<std::uint8_t>(n))) << n;
        ASSERT_TRUE(port.WaitHIDAck()) << n;
    }
    EXPECT_EQ(memory(), image);
    TemplateImage back{};
    for (int n = 0; n < packageCount; ++n) {
        ASSERT_TRUE(read(n)) << n;
        std::copy_n(port.packageBuffer().begin(), packageSize, back.begin() + n * packageSize);
    }
    EXPECT_EQ(back, image);
    port.CloseHIDDevice();
    EXPECT_EQ(keyboard.openHandles(), 0u);
}

TEST_F(WithSimulator, LostSetFailsTheOperationAndARetryWorks) {
    faults().failedSets = {1, 5}; // the read command; the third data report of the write
    EXPECT_FALSE(read(0));
    EXPECT_TRUE(read(0));
    EXPECT_FALSE(write(3, 0x11));
    EXPECT_FALSE(port.WaitHIDAck()); // nothing was stored
    EXPECT_NE(memoryAt(3), 0x11);
    EXPECT_TRUE(writeAcknowledged(3, 0x11));
    EXPECT_EQ(memoryAt(3), 0x11);
}

TEST_F(WithSimulator, LostGetFailsTheReadAndARetryWorks) {
    faults().failedGets = {4};
    EXPECT_FALSE(read(1)); // the fourth data report
    EXPECT_TRUE(read(1));  // a new command starts the package again
}

TEST_F(WithSimulator, LostAcknowledgementGetStillStoresThePackage) {
    faults().failedGets = {1};
    EXPECT_TRUE(write(2, 0x22));
    EXPECT_FALSE(port.WaitHIDAck());
    EXPECT_EQ(memoryAt(2), 0x22);
}

TEST_F(WithSimulator, CorruptedCheckByteFailsOnlyThatRead) {
    faults().corruptedReads = {2};
    EXPECT_TRUE(read(0));
    EXPECT_FALSE(read(0));
    EXPECT_TRUE(read(0));
}

TEST_F(WithSimulator, FailedAcknowledgementsKeepThePackage) {
    faults().failedAcks = {1};
    EXPECT_TRUE(write(4, 0x44));
    EXPECT_FALSE(port.WaitHIDAck());
    EXPECT_EQ(memoryAt(4), 0x44);
    EXPECT_TRUE(writeAcknowledged(4, 0x45));

    faults().failEveryAck = true;
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(write(5, 0x55));
        EXPECT_FALSE(port.WaitHIDAck());
    }
    EXPECT_EQ(memoryAt(5), 0x55);
}

TEST_F(WithSimulator, PerPackageFaultsHitTheirPackageTheGivenNumberOfTimes) {
    faults().readFailures = {{7, 2}};
    faults().checkFailures = {{8, 1}};
    faults().writeFailures = {{9, 1}};
    faults().ackFailures = {{10, 2}};
    EXPECT_TRUE(read(6));
    EXPECT_FALSE(read(7));
    EXPECT_FALSE(read(7));
    EXPECT_TRUE(read(7));
    EXPECT_FALSE(read(8));
    EXPECT_TRUE(read(8));
    EXPECT_FALSE(write(9, 0x99));
    EXPECT_TRUE(writeAcknowledged(9, 0x99));
    EXPECT_TRUE(write(10, 0xAA));
    EXPECT_FALSE(port.WaitHIDAck());
    EXPECT_TRUE(write(10, 0xAA));
    EXPECT_FALSE(port.WaitHIDAck());
    EXPECT_TRUE(writeAcknowledged(10, 0xAA));
}

TEST_F(WithSimulator, UnplugAfterAWrittenPackageFailsEveryLaterCall) {
    faults().unplugAfterPackage = 1;
    EXPECT_TRUE(writeAcknowledged(0, 0x10));
    EXPECT_TRUE(writeAcknowledged(1, 0x11));
    EXPECT_FALSE(write(2, 0x12));
    EXPECT_FALSE(port.WaitHIDAck());
    EXPECT_FALSE(read(0));
    EXPECT_FALSE(port.CheckHIDParam());
    port.CloseHIDDevice();
    EXPECT_FALSE(port.OpenHIDDevice());
    EXPECT_FALSE(port.ProbeHIDDevice());
    EXPECT_FALSE(port.GetDeviceFullPath());
    EXPECT_EQ(port.candidateCount(), 0u);
    EXPECT_TRUE(keyboard.enumerate()->empty());
    EXPECT_EQ(memoryAt(1), 0x11);
    EXPECT_NE(memoryAt(2), 0x12);
}

TEST_F(WithSimulator, UnplugAfterAReadPackage) {
    faults().unplugAfterPackage = 0;
    EXPECT_TRUE(read(0));
    EXPECT_FALSE(read(0));
    EXPECT_FALSE(writeAcknowledged(0, 1));
}

TEST(SimulatorSearch, KeyboardThatFailsTheProbeIsNotFound) {
    SimulatedKeyboard keyboard;
    keyboard.firmware().faults().failedGets = {1};
    test::FakeClock clock;
    CUSBport port(keyboard, clock);
    EXPECT_FALSE(port.GetDeviceFullPath());
    EXPECT_EQ(port.candidateCount(), 1u);
    EXPECT_TRUE(port.GetDeviceFullPath()); // the next search answers
    EXPECT_EQ(port.currentDevicePath(), "sim:hidraw0");
}

} // namespace
} // namespace vorn
