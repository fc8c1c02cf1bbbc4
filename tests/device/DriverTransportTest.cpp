// SPDX-License-Identifier: GPL-3.0-or-later
// CKBIO's request records and replies, the character-device channel, and the simulated driver.
#include "device/CKBIO.h"
#include "device/CUSBport.h"
#include "device/DeviceFileChannel.h"
#include "device/InstantClock.h"
#include "simulator/SimulatedDriver.h"
#include "simulator/SimulatedKeyboard.h"

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>
#include <vector>

namespace vorn {
namespace {

// Records every request and answers from a script (a failed request when it runs out).
class ScriptedChannel : public DriverChannel {
public:
    struct Answer {
        DriverReply reply;
        DriverRecord bytes{};
    };

    bool open() override {
        ++opens;
        return true;
    }
    void close() override { ++closes; }
    DriverReply exchange(const DriverRecord& request, DriverRecord& reply) override {
        requests.push_back(request);
        if (answers.empty())
            return {};
        const Answer next = answers.front();
        answers.pop_front();
        reply = next.bytes;
        return next.reply;
    }

    std::vector<DriverRecord> requests;
    std::deque<Answer> answers;
    int opens = 0;
    int closes = 0;
};

DriverRecord filledRecord(std::uint8_t first) {
    DriverRecord r{};
    for (std::size_t i = 0; i < r.size(); ++i)
        r[i] = static_cast<std::uint8_t>(first + i);
    return r;
}

TEST(CKBIO, RequestRecordsCarryFunctionPackageAndDataAndZerosElsewhere) {
    ScriptedChannel channel;
    CKBIO kbio(channel);
    kbio.OpenDriver();
    for (int i = 0; i < 32; ++i)
        kbio.packageBuffer()[i] = static_cast<std::uint8_t>(0xA0 + i);
    kbio.GetDriverStatus();
    kbio.ReadDriverBlock(7);
    kbio.WriteDriverBlock(63);
    kbio.EndDriverWrite();
    ASSERT_EQ(channel.requests.size(), 4u);

    DriverRecord status{};
    status[33] = 2;
    DriverRecord read{};
    read[32] = 7;
    read[33] = 1;
    DriverRecord write{};
    for (int i = 0; i < 32; ++i)
        write[i] = static_cast<std::uint8_t>(0xA0 + i);
    write[32] = 63;
    write[33] = 3;
    DriverRecord end{};
    end[33] = 4;
    EXPECT_EQ(channel.requests[0], status);
    EXPECT_EQ(channel.requests[1], read);
    EXPECT_EQ(channel.requests[2], write);
    EXPECT_EQ(channel.requests[3], end);
}

TEST(CKBIO, StatusFromTheRequestAndTheBytesReturned) {
    ScriptedChannel channel;
    CKBIO kbio(channel);
    channel.answers = {{{true, 6}, filledRecord(0x10)}, {{true, 0}, filledRecord(0x70)}, {}};
    EXPECT_EQ(kbio.GetDriverStatus(), 0);
    EXPECT_EQ(kbio.lastResult(), 0);
    const std::array<std::uint8_t, 6> information{0x10, 0x11, 0x12, 0x13, 0x14, 0x15};
    EXPECT_EQ(kbio.keyboardInformation(), information);
    EXPECT_EQ(kbio.GetDriverStatus(), 1); // the request worked but returned nothing
    EXPECT_EQ(kbio.lastResult(), 1);
    EXPECT_EQ(kbio.GetDriverStatus(), 2); // the request failed
    EXPECT_EQ(kbio.lastResult(), 2);
    EXPECT_EQ(kbio.keyboardInformation(), information);
}

TEST(CKBIO, ReadAndWriteNeedBytesReturned) {
    ScriptedChannel channel;
    CKBIO kbio(channel);
    kbio.packageBuffer().fill(0x55);
    channel.answers = {{{true, 0}, filledRecord(1)},
                       {{false, 32}, filledRecord(1)},
                       {{true, 32}, filledRecord(1)},
                       {{true, 0}, {}},
                       {{true, 1}, {}}};
    EXPECT_FALSE(kbio.ReadDriverBlock(0));
    EXPECT_EQ(kbio.lastResult(), 0);
    EXPECT_FALSE(kbio.ReadDriverBlock(0));
    EXPECT_EQ(kbio.packageBuffer()[0], 0x55); // unchanged by both failures
    EXPECT_TRUE(kbio.ReadDriverBlock(0));
    EXPECT_EQ(kbio.lastResult(), 1);
    EXPECT_EQ(kbio.packageBuffer()[0], 1);
    EXPECT_EQ(kbio.packageBuffer()[31], 32);
    EXPECT_FALSE(kbio.WriteDriverBlock(0));
    EXPECT_TRUE(kbio.WriteDriverBlock(0));
}

TEST(CKBIO, EveryOpenClosesTheEarlierHandleAndTheLastIsClosedAtTheEnd) {
    const std::string path = ::testing::TempDir() + "vorn-kbport-" + std::to_string(::getpid());
    std::ofstream(path) << "";
    const auto openFiles = [] {
        return std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
                             std::filesystem::directory_iterator{});
    };
    const auto before = openFiles();
    {
        DeviceFileChannel channel(path);
        CKBIO kbio(channel);
        kbio.OpenDriver();
        kbio.OpenDriver();
        EXPECT_TRUE(channel.isOpen());
        EXPECT_EQ(openFiles(), before + 1);
    }
    EXPECT_EQ(openFiles(), before);
    std::filesystem::remove(path);
}

TEST(DeviceFileChannel, WithoutTheDriverTheStatusIsUnreachable) {
    for (const std::string& path : {std::string("/nonexistent/kbport"), std::string("/dev/null")}) {
        DeviceFileChannel channel(path);
        CKBIO kbio(channel);
        kbio.OpenDriver(); // /dev/null opens, but knows no such request
        EXPECT_EQ(kbio.GetDriverStatus(), CKBIO::driverUnreachable) << path;
        EXPECT_FALSE(kbio.ReadDriverBlock(0)) << path;
    }
}

TEST(DeviceFileChannel, PathFromTheEnvironment) {
    ::unsetenv("VORN_KBPORT");
    EXPECT_EQ(DeviceFileChannel::configuredPath(), "/dev/kbport");
    ::setenv("VORN_KBPORT", "", 1);
    EXPECT_EQ(DeviceFileChannel::configuredPath(), "/dev/kbport");
    ::setenv("VORN_KBPORT", "/tmp/my-kbport", 1);
    EXPECT_EQ(DeviceFileChannel::configuredPath(), "/tmp/my-kbport");
    EXPECT_EQ(DeviceFileChannel().path(), "/tmp/my-kbport");
    ::unsetenv("VORN_KBPORT");
}

// A driver that answers every request with the request's bytes plus one, and reports
// `returned` bytes.
std::uint32_t fakeReturned = 0;
std::vector<unsigned long> fakeRequests;

int fakeIoctl(int, unsigned long request, DriverIoRecord* record) {
    fakeRequests.push_back(request);
    for (std::size_t i = 0; i < driverRecordSize; ++i)
        record->output[i] = static_cast<std::uint8_t>(record->input[i] + 1);
    record->bytesReturned = fakeReturned;
    return 0;
}

TEST(DeviceFileChannel, OneIoctlWithRequestCode256PerExchange) {
    DeviceFileChannel channel("/dev/null", fakeIoctl);
    ASSERT_TRUE(channel.open());
    fakeRequests.clear();
    const DriverRecord request = filledRecord(0x20);
    for (const auto& [returned, expected] :
         {std::pair{32u, 32u}, std::pair{0u, 0u}, std::pair{500u, 48u}}) {
        fakeReturned = returned;
        DriverRecord reply{};
        const DriverReply answer = channel.exchange(request, reply);
        EXPECT_TRUE(answer.ok);
        EXPECT_EQ(answer.bytesReturned, expected); // never more than the reply buffer
        EXPECT_EQ(reply, filledRecord(0x21));
    }
    EXPECT_EQ(fakeRequests, (std::vector<unsigned long>{256, 256, 256}));
    channel.close();
    DriverRecord reply{};
    EXPECT_FALSE(channel.exchange(request, reply).ok);
    EXPECT_EQ(fakeRequests.size(), 3u);
}

class SimulatedDriverTest : public ::testing::Test {
protected:
    SimulatedDriverTest() { kbio.OpenDriver(); }
    KeyboardFirmware& firmware() { return keyboard.firmware(); }

    SimulatedKeyboard keyboard;
    SimulatedDriver driver{keyboard.firmware()};
    CKBIO kbio{driver};
};

TEST_F(SimulatedDriverTest, SharesTheMemoryOfTheUsbKeyboard) {
    kbio.packageBuffer().fill(0x5A);
    ASSERT_TRUE(kbio.WriteDriverBlock(2));
    EXPECT_EQ(firmware().memory()[64], 0x5A);
    InstantClock clock;
    CUSBport usb(keyboard, clock);
    ASSERT_TRUE(usb.GetDeviceFullPath());
    ASSERT_TRUE(usb.OpenHIDDevice());
    ASSERT_TRUE(usb.GetHIDBlockData(2));
    EXPECT_EQ(usb.packageBuffer()[0], 0x5A);
    TemplateImage memory = firmware().memory();
    memory[32 * 5 + 1] = 0x77;
    firmware().setMemory(memory);
    ASSERT_TRUE(kbio.ReadDriverBlock(5));
    EXPECT_EQ(kbio.packageBuffer()[1], 0x77);
    EXPECT_EQ(kbio.GetDriverStatus(), 0);
    EXPECT_EQ(kbio.keyboardInformation(), SimulatedDriver::information);
}

TEST_F(SimulatedDriverTest, PackageFaultsReturnNothing) {
    firmware().faults().readFailures = {{3, 2}};
    firmware().faults().writeFailures = {{4, 1}};
    EXPECT_FALSE(kbio.ReadDriverBlock(3));
    EXPECT_FALSE(kbio.ReadDriverBlock(3));
    EXPECT_TRUE(kbio.ReadDriverBlock(3));
    kbio.packageBuffer().fill(0x44);
    EXPECT_FALSE(kbio.WriteDriverBlock(4));
    EXPECT_NE(firmware().memory()[4 * 32], 0x44);
    EXPECT_TRUE(kbio.WriteDriverBlock(4));
    EXPECT_EQ(firmware().memory()[4 * 32], 0x44);
    EXPECT_FALSE(kbio.ReadDriverBlock(64));
}

TEST_F(SimulatedDriverTest, StatusFaultFromTheNthRequest) {
    driver.answerStatusFrom(2, 3);
    EXPECT_EQ(kbio.GetDriverStatus(), 0);
    EXPECT_EQ(kbio.GetDriverStatus(), 0);
    EXPECT_EQ(kbio.GetDriverStatus(), 2);
    EXPECT_EQ(kbio.GetDriverStatus(), 2);
    driver.answerStatusFrom(1, 1);
    EXPECT_EQ(kbio.GetDriverStatus(), 1);
    EXPECT_EQ(driver.statusRequests(), 5);
}

TEST_F(SimulatedDriverTest, UnplugAfterAPackageAndDriverNotInstalled) {
    firmware().faults().unplugAfterPackage = 1;
    EXPECT_TRUE(kbio.WriteDriverBlock(1));
    EXPECT_FALSE(kbio.ReadDriverBlock(0));
    EXPECT_FALSE(kbio.WriteDriverBlock(2));
    EXPECT_EQ(kbio.GetDriverStatus(), 1); // the driver is there, the keyboard is not

    driver.setInstalled(false);
    kbio.OpenDriver();
    EXPECT_FALSE(driver.isOpen());
    EXPECT_EQ(kbio.GetDriverStatus(), 2);
}

} // namespace
} // namespace vorn
