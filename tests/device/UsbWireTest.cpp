// SPDX-License-Identifier: GPL-3.0-or-later
// The bytes CUSBport puts on the wire and takes from it, against a scripted interface.
#include "device/CUSBport.h"
#include "support/DeviceFakes.h"

#include <gtest/gtest.h>

namespace vorn {
namespace {

using test::FakeClock;
using test::ScriptedBackend;

constexpr FeatureReport allD0{0x00, 0xD0, 0xD0, 0xD0, 0xD0, 0xD0, 0xD0, 0xD0, 0xD0};

// What the keyboard sends for a package whose byte 0 is 0x3A and the rest 0: 3 and 0xA in
// the low halves of bytes 8 and 7 of the first report, the check byte (also 0x3A) likewise in
// the ninth; every upper half, and bytes 1 to 6 of the ninth report, are noise.
std::array<FeatureReport, 9> readOf3A() {
    std::array<FeatureReport, 9> r;
    for (std::size_t i = 0; i < r.size(); ++i)
        r[i] = {0x00, 0x90, 0x80, 0x70, 0x60, 0x50, 0x40, 0x30, static_cast<std::uint8_t>(i << 4)};
    r[0][8] = 0xF3;
    r[0][7] = 0x2A;
    r[8] = {0x00, 0x37, 0x1F, 0xE5, 0x42, 0x9C, 0x08, 0xCA, 0x63};
    return r;
}

class UsbWire : public ::testing::Test {
protected:
    void SetUp() override {
        port.setCurrentDevicePath("fake0");
        ASSERT_TRUE(port.OpenHIDDevice());
    }
    void script(const std::array<FeatureReport, 9>& reports) {
        for (const FeatureReport& r : reports)
            backend.gets.push_back({r, 9});
    }

    ScriptedBackend backend;
    FakeClock clock;
    CUSBport port{backend, clock};
};

TEST_F(UsbWire, CommandReportCarriesCommandAndByteAddress) {
    ASSERT_TRUE(port.SendHIDCmdAddr(0xE6, 1));
    ASSERT_TRUE(port.SendHIDCmdAddr(0xE7, 63));
    ASSERT_EQ(backend.sent.size(), 2u);
    EXPECT_EQ(backend.sent[0], (FeatureReport{0x00, 0xE6, 0x20, 0x00, 0, 0, 0, 0, 0}));
    EXPECT_EQ(backend.sent[1], (FeatureReport{0x00, 0xE7, 0xE0, 0x07, 0, 0, 0, 0, 0}));
    // Past the memory's end nothing is sent.
    EXPECT_FALSE(port.SendHIDCmdAddr(0xE6, 64));
    EXPECT_FALSE(port.SendHIDBlockData(255));
    EXPECT_EQ(backend.sent.size(), 2u);
}

TEST_F(UsbWire, AllZeroPackageIsWrittenAsD0WithCheckByteInBytes8And7) {
    port.packageBuffer().fill(0);
    ASSERT_TRUE(port.SendHIDBlockData(2));
    ASSERT_EQ(backend.sent.size(), 10u);
    EXPECT_EQ(backend.sent[0], (FeatureReport{0x00, 0xE7, 0x40, 0x00, 0, 0, 0, 0, 0}));
    for (int i = 1; i <= 8; ++i)
        EXPECT_EQ(backend.sent[i], allD0) << "report " << i;
    EXPECT_EQ(backend.sent[9], (FeatureReport{0x00, 0, 0, 0, 0, 0, 0, 0xD0, 0xD0}));
}

TEST_F(UsbWire, WriteSendsLowNibbleFirstFromTheLastByte) {
    port.packageBuffer().fill(0);
    port.packageBuffer()[0] = 0x3A;
    port.packageBuffer()[5] = 0x5C;
    ASSERT_TRUE(port.SendHIDBlockData(0));
    ASSERT_EQ(backend.sent.size(), 10u);
    const FeatureReport& first = backend.sent[1];
    EXPECT_EQ(first[8], 0xDA);
    EXPECT_EQ(first[7], 0xD3);
    EXPECT_EQ(backend.sent[2],
              (FeatureReport{0x00, 0xD0, 0xD0, 0xD0, 0xD0, 0xD5, 0xDC, 0xD0, 0xD0}));
    // Check byte 0x3A ^ 0x5C = 0x66.
    EXPECT_EQ(backend.sent[9], (FeatureReport{0x00, 0, 0, 0, 0, 0, 0, 0xD6, 0xD6}));
}

TEST_F(UsbWire, ReadTakesHighNibbleFirstAndIgnoresUpperHalves) {
    script(readOf3A());
    ASSERT_TRUE(port.GetHIDBlockData(0));
    CUSBport::PackageBuffer expected{};
    expected[0] = 0x3A;
    expected[32] = 0x3A;
    EXPECT_EQ(port.packageBuffer(), expected);
    ASSERT_EQ(backend.requested.size(), 9u);
    for (const FeatureReport& request : backend.requested)
        EXPECT_EQ(request, FeatureReport{}); // report ID 0, nothing else
    EXPECT_EQ(backend.sent[0], (FeatureReport{0x00, 0xE6, 0x00, 0x00, 0, 0, 0, 0, 0}));
}

TEST_F(UsbWire, ReadWhoseBytesDoNotXorToZeroFails) {
    auto reports = readOf3A();
    reports[3][5] = 0x51; // one more bit in package byte 13
    script(reports);
    EXPECT_FALSE(port.GetHIDBlockData(0));
    EXPECT_EQ(port.packageBuffer()[13], 0x01); // the rebuilt bytes stay
    EXPECT_EQ(port.packageBuffer()[0], 0x3A);
}

TEST_F(UsbWire, ShortOrFailedGetEndsTheRead) {
    auto reports = readOf3A();
    script(reports);
    backend.gets[4].count = 8;
    EXPECT_FALSE(port.GetHIDBlockData(0));
    EXPECT_EQ(backend.requested.size(), 5u);

    backend.gets.clear();
    backend.requested.clear();
    for (int i = 0; i < 3; ++i)
        backend.gets.push_back({reports[i], 9});
    EXPECT_FALSE(port.GetHIDBlockData(0)); // the fourth get fails
    EXPECT_EQ(backend.requested.size(), 4u);
}

TEST_F(UsbWire, FailedSetEndsTheWriteAtOnce) {
    backend.failSetAt = 4; // the third data report
    EXPECT_FALSE(port.SendHIDBlockData(0));
    EXPECT_EQ(backend.sent.size(), 4u);
    backend.failSetAt = 1; // the command
    backend.sent.clear();
    EXPECT_FALSE(port.SendHIDBlockData(0));
    EXPECT_EQ(backend.sent.size(), 1u);
    backend.sent.clear();
    EXPECT_FALSE(port.GetHIDBlockData(0));
    EXPECT_EQ(backend.sent.size(), 1u);
    EXPECT_TRUE(backend.requested.empty());
}

TEST_F(UsbWire, WaitsGoThroughTheClock) {
    script(readOf3A());
    const int identityBefore = backend.identityReads;
    ASSERT_TRUE(port.GetHIDBlockData(0));
    EXPECT_EQ(clock.waits, std::vector<long>{200});
    EXPECT_EQ(backend.identityReads, identityBefore + 1); // identity checked again, unused

    backend.gets.push_back({FeatureReport{0, 1, 2, 3, 4, 5, 6, 7, 8}, 9});
    EXPECT_TRUE(port.WaitHIDAck());
    EXPECT_EQ(clock.waits, (std::vector<long>{200, 250}));
    EXPECT_FALSE(port.WaitHIDAck()); // nothing to get
}

TEST_F(UsbWire, AcknowledgementIsAnySuccessfulGet) {
    backend.gets.push_back({FeatureReport{}, 1});
    EXPECT_TRUE(port.GetHIDAck());
    ASSERT_EQ(backend.requested.size(), 1u);
    EXPECT_EQ(backend.requested[0], FeatureReport{});
    EXPECT_FALSE(port.GetHIDAck());
}

TEST_F(UsbWire, ClosedPortSendsNothing) {
    port.CloseHIDDevice();
    EXPECT_EQ(backend.closed, 1);
    port.CloseHIDDevice(); // closing twice closes once
    EXPECT_EQ(backend.closed, 1);
    EXPECT_FALSE(port.SendHIDCmdAddr(0xE6, 0));
    EXPECT_FALSE(port.GetHIDBlockData(0));
    EXPECT_FALSE(port.SendHIDBlockData(0));
    EXPECT_FALSE(port.GetHIDAck());
    EXPECT_FALSE(port.CheckHIDParam());
    EXPECT_TRUE(backend.sent.empty());
    EXPECT_TRUE(backend.requested.empty());
}

TEST_F(UsbWire, TraceReportsEverySetAndGetInOrder) {
    std::vector<std::string> lines;
    port.setTrace([&](const ReportTraceEvent& e) { lines.push_back(formatTraceLine(e)); });
    script(readOf3A());
    ASSERT_TRUE(port.GetHIDBlockData(1));
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[0], "SET 00 E6 20 00 00 00 00 00 00");
    EXPECT_EQ(lines[1], "GET 00 90 80 70 60 50 40 2A F3");
    EXPECT_EQ(lines[9], "GET 00 37 1F E5 42 9C 08 CA 63");
}

} // namespace
} // namespace vorn
