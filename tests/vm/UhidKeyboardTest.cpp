// SPDX-License-Identifier: GPL-3.0-or-later
// The uhid answers of the emulated keyboard, with requests built as the kernel's hidraw
// driver builds them (the report number in byte 0 of the buffer).
#include "vm/UhidKeyboard.h"

#include "device/CUSBport.h"
#include "device/InstantClock.h"

#include <cstring>
#include <gtest/gtest.h>

namespace vorn {
namespace {

uhid_event request(std::uint32_t type, std::uint32_t id) {
    uhid_event event;
    std::memset(&event, 0, sizeof event);
    event.type = type;
    event.u.get_report.id = id; // the same place in every request
    return event;
}

uhid_event getRequest(std::uint32_t id, std::uint8_t rnum = 0,
                      std::uint8_t rtype = UHID_FEATURE_REPORT) {
    uhid_event event = request(UHID_GET_REPORT, id);
    event.u.get_report.rnum = rnum;
    event.u.get_report.rtype = rtype;
    return event;
}

uhid_event setRequest(std::uint32_t id, const FeatureReport& buffer,
                      std::uint16_t size = featureReportSize) {
    uhid_event event = request(UHID_SET_REPORT, id);
    event.u.set_report.rnum = buffer[0];
    event.u.set_report.rtype = UHID_FEATURE_REPORT;
    event.u.set_report.size = size;
    std::memcpy(event.u.set_report.data, buffer.data(), std::min<std::size_t>(size, 9));
    return event;
}

// HID services as hidraw over uhid offers them: each report crosses UhidKeyboard.
class UhidLoopback : public HidBackend {
public:
    explicit UhidLoopback(UhidKeyboard& keyboard)
        : keyboard_(keyboard) {}

    std::optional<std::vector<HidInterfaceInfo>> enumerate() override {
        return std::vector<HidInterfaceInfo>{
            {"/dev/hidraw0", keyboardVendorId, keyboardProductId, L"VQ5040U Emulated", L""}};
    }
    HidOpenResult open(const std::string&) override { return {HidOpenStatus::opened, 1}; }
    void close(HidHandle) override {}
    std::optional<std::wstring> productString(HidHandle) override { return L"VQ5040U Emulated"; }
    std::optional<HidIds> ids(HidHandle) override {
        return HidIds{keyboardVendorId, keyboardProductId};
    }
    bool sendFeatureReport(HidHandle, const FeatureReport& report) override {
        const auto reply = keyboard_.answer(setRequest(++id_, report));
        return reply && reply->type == UHID_SET_REPORT_REPLY &&
               reply->u.set_report_reply.id == id_ && reply->u.set_report_reply.err == 0;
    }
    int getFeatureReport(HidHandle, FeatureReport& report) override {
        const auto reply = keyboard_.answer(getRequest(++id_, report[0]));
        if (!reply || reply->u.get_report_reply.id != id_ || reply->u.get_report_reply.err != 0)
            return -1;
        const std::size_t size = std::min<std::size_t>(reply->u.get_report_reply.size, 9);
        std::memcpy(report.data(), reply->u.get_report_reply.data, size);
        return static_cast<int>(size);
    }

private:
    UhidKeyboard& keyboard_;
    std::uint32_t id_ = 100;
};

class UhidAnswers : public ::testing::Test {
protected:
    KeyboardFirmware firmware;
    UhidKeyboard keyboard{firmware};
};

TEST_F(UhidAnswers, TransportWritesAndReadsAPackageThroughTheUhidReports) {
    UhidLoopback loopback(keyboard);
    InstantClock clock;
    CUSBport port(loopback, clock);
    port.setCurrentDevicePath("/dev/hidraw0");
    ASSERT_TRUE(port.OpenHIDDevice());
    for (std::size_t i = 0; i < packageSize; ++i)
        port.packageBuffer()[i] = static_cast<std::uint8_t>(0xF1 - 7 * i);
    ASSERT_TRUE(port.SendHIDBlockData(5));
    ASSERT_TRUE(port.WaitHIDAck());
    for (std::size_t i = 0; i < packageSize; ++i)
        ASSERT_EQ(firmware.memory()[5 * packageSize + i], static_cast<std::uint8_t>(0xF1 - 7 * i));

    port.packageBuffer().fill(0);
    ASSERT_TRUE(port.GetHIDBlockData(5));
    for (std::size_t i = 0; i < packageSize; ++i)
        EXPECT_EQ(port.packageBuffer()[i], static_cast<std::uint8_t>(0xF1 - 7 * i));
    EXPECT_EQ(keyboard.refused(), 0);
}

TEST_F(UhidAnswers, GetReplyPutsReportIdZeroBeforeTheKeyboardsEightBytes) {
    ASSERT_TRUE(firmware.setFeature({0x00, 0xE6, 0x00, 0x00, 0, 0, 0, 0, 0}));
    const auto reply = keyboard.answer(getRequest(42));
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->type, UHID_GET_REPORT_REPLY);
    EXPECT_EQ(reply->u.get_report_reply.id, 42u);
    EXPECT_EQ(reply->u.get_report_reply.err, 0);
    ASSERT_EQ(reply->u.get_report_reply.size, 9);
    EXPECT_EQ(reply->u.get_report_reply.data[0], 0);
    // Byte 0 of package 0 travels in the low halves of the last two bytes, high nibble first.
    EXPECT_EQ(reply->u.get_report_reply.data[8] & 0x0F, firmware.memory()[0] >> 4);
    EXPECT_EQ(reply->u.get_report_reply.data[7] & 0x0F, firmware.memory()[0] & 0x0F);
}

TEST_F(UhidAnswers, RequestsTheKeyboardCannotTakeAreRefusedWithTheirId) {
    const FeatureReport readCommand{0x00, 0xE6, 0x00, 0x00, 0, 0, 0, 0, 0};
    struct Case {
        const char* what;
        uhid_event event;
    };
    uhid_event outputType = getRequest(5);
    outputType.u.get_report.rtype = UHID_OUTPUT_REPORT;
    const Case cases[] = {
        {"set without the report ID byte", setRequest(1, readCommand, 8)},
        {"set of report 1", setRequest(2, {0x01, 0xE6, 0, 0, 0, 0, 0, 0, 0})},
        {"set of 10 bytes", setRequest(3, readCommand, 10)},
        {"get with nothing to give", getRequest(4)},
        {"get of an output report", outputType},
        {"get of report 2", getRequest(6, 2)},
    };
    for (const Case& c : cases) {
        const auto reply = keyboard.answer(c.event);
        ASSERT_TRUE(reply) << c.what;
        // The id is at the same place in both reply kinds, and so is the error.
        EXPECT_EQ(reply->u.set_report_reply.id, c.event.u.get_report.id) << c.what;
        EXPECT_EQ(reply->u.set_report_reply.err, EIO) << c.what;
    }
    EXPECT_EQ(keyboard.refused(), 6);
    EXPECT_EQ(keyboard.answered(), 0);
}

TEST_F(UhidAnswers, OtherEventsNeedNoAnswer) {
    for (const std::uint32_t type : {UHID_START, UHID_OPEN, UHID_CLOSE, UHID_STOP, UHID_OUTPUT})
        EXPECT_FALSE(keyboard.answer(request(type, 1))) << type;
}

TEST(UhidCreate, DescribesTheKeyboardOnUsbWithoutReportIds) {
    const uhid_event event = UhidKeyboard::createEvent();
    const uhid_create2_req& create = event.u.create2;
    EXPECT_EQ(event.type, UHID_CREATE2);
    EXPECT_STREQ(reinterpret_cast<const char*>(create.name), "VQ5040U Emulated");
    EXPECT_EQ(create.bus, BUS_USB);
    EXPECT_EQ(create.vendor, 0x0FA8u);
    EXPECT_EQ(create.product, 0xC280u);
    // No Report ID item (prefix 0x85) among the short items; the low two bits of a prefix
    // give its data size: 0, 1, 2 or 4 bytes.
    constexpr int dataSize[] = {0, 1, 2, 4};
    for (int i = 0; i < create.rd_size; i += 1 + dataSize[create.rd_data[i] & 0x03])
        EXPECT_NE(create.rd_data[i], 0x85) << i;
}

} // namespace
} // namespace vorn
