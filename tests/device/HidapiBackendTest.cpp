// SPDX-License-Identifier: GPL-3.0-or-later
// The hidapi adapter, with fakes in place of the hidapi calls.
#include "device/HidapiBackend.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vorn {
namespace {

// What the fake hidapi answers, and what it was asked.
struct FakeHidapi {
    int initResult = 0;
    int exitCalls = 0;
    hid_device_info* list = nullptr;
    int freedLists = 0;
    bool openSucceeds = true;
    int accessErrno = 0;
    std::vector<std::string> opened;
    int closed = 0;
    int productResult = 0;
    std::wstring product = L"VQ5040U";
    std::size_t productMaxChars = 0;
    hid_device_info* info = nullptr;
    int featureResult = 9;
    std::vector<std::vector<unsigned char>> sent;
    std::vector<std::vector<unsigned char>> requested;
};

FakeHidapi* fake = nullptr;
char deviceToken; // stands for an open hid_device; never dereferenced
hid_device* const fakeDevice = reinterpret_cast<hid_device*>(&deviceToken);

HidapiCalls fakeCalls() {
    HidapiCalls c{};
    c.init = [] { return fake->initResult; };
    c.exit = [] { return ++fake->exitCalls, 0; };
    c.enumerate = [](unsigned short, unsigned short) { return fake->list; };
    c.freeEnumeration = [](hid_device_info*) { ++fake->freedLists; };
    c.openPath = [](const char* path) -> hid_device* {
        fake->opened.push_back(path);
        return fake->openSucceeds ? fakeDevice : nullptr;
    };
    c.close = [](hid_device*) { ++fake->closed; };
    c.getProductString = [](hid_device*, wchar_t* text, std::size_t maxChars) {
        fake->productMaxChars = maxChars;
        for (std::size_t i = 0; i < maxChars; ++i)
            text[i] = i < fake->product.size() ? fake->product[i] : L'\0';
        return fake->productResult;
    };
    c.getDeviceInfo = [](hid_device*) { return fake->info; };
    c.sendFeatureReport = [](hid_device*, const unsigned char* data, std::size_t length) {
        fake->sent.emplace_back(data, data + length);
        return fake->featureResult;
    };
    c.getFeatureReport = [](hid_device*, unsigned char* data, std::size_t length) {
        fake->requested.emplace_back(data, data + length);
        for (std::size_t i = 1; i < length; ++i)
            data[i] = static_cast<unsigned char>(0xA0 + i);
        return fake->featureResult;
    };
    c.accessError = [](const char*) { return fake->accessErrno; };
    return c;
}

class HidapiAdapter : public ::testing::Test {
protected:
    void SetUp() override { fake = &state; }
    void TearDown() override { fake = nullptr; }
    FakeHidapi state;
};

TEST_F(HidapiAdapter, FailedInitLeavesNothingToListOrOpen) {
    state.initResult = -1;
    {
        HidapiBackend backend(fakeCalls());
        EXPECT_FALSE(backend.enumerate());
        EXPECT_EQ(backend.open("/dev/hidraw0").status, HidOpenStatus::failed);
    }
    EXPECT_TRUE(state.opened.empty());
    EXPECT_EQ(state.exitCalls, 0);
}

TEST_F(HidapiAdapter, EnumerationIsCopiedInOrderOncePerPathAndFreed) {
    std::wstring product = L"VQ5040U X", maker = L"Maker";
    char path0[] = "/dev/hidraw0", path2[] = "/dev/hidraw2";
    hid_device_info fourth{}, third{}, second{}, first{};
    first.path = path0;
    first.vendor_id = 0x0FA8;
    first.product_id = 0xC280;
    first.product_string = product.data();
    first.manufacturer_string = maker.data();
    first.next = &second; // second has no path: skipped
    second.next = &third;
    third.path = path2;
    third.vendor_id = 1;
    third.next = &fourth; // the same node again, for another usage: listed once
    fourth.path = path0;
    state.list = &first;
    HidapiBackend backend(fakeCalls());
    const auto list = backend.enumerate();
    ASSERT_TRUE(list);
    ASSERT_EQ(list->size(), 2u);
    EXPECT_EQ((*list)[0].path, "/dev/hidraw0");
    EXPECT_EQ((*list)[0].vendorId, 0x0FA8);
    EXPECT_EQ((*list)[0].productId, 0xC280);
    EXPECT_EQ((*list)[0].product, L"VQ5040U X");
    EXPECT_EQ((*list)[0].manufacturer, L"Maker");
    EXPECT_EQ((*list)[1].path, "/dev/hidraw2");
    EXPECT_EQ((*list)[1].product, L"");
    EXPECT_EQ(state.freedLists, 1);

    state.list = nullptr; // hidapi's answer when nothing is present
    const auto none = backend.enumerate();
    ASSERT_TRUE(none);
    EXPECT_TRUE(none->empty());
    EXPECT_EQ(state.freedLists, 1);
}

TEST_F(HidapiAdapter, FailedOpenSaysWhetherPermissionWasDenied) {
    HidapiBackend backend(fakeCalls());
    state.openSucceeds = false;
    const std::pair<int, HidOpenStatus> cases[] = {
        {EACCES, HidOpenStatus::permissionDenied},
        {EPERM, HidOpenStatus::permissionDenied},
        {ENOENT, HidOpenStatus::failed},
        {0, HidOpenStatus::failed},
    };
    for (const auto& [why, status] : cases) {
        state.accessErrno = why;
        EXPECT_EQ(backend.open("/dev/hidraw5").status, status) << why;
    }
    EXPECT_EQ(state.opened.back(), "/dev/hidraw5");
}

TEST_F(HidapiAdapter, IdentityReadsCheckEveryResult) {
    HidapiBackend backend(fakeCalls());
    const HidOpenResult opened = backend.open("/dev/hidraw0");
    ASSERT_EQ(opened.status, HidOpenStatus::opened);
    EXPECT_EQ(backend.productString(opened.handle), L"VQ5040U");
    EXPECT_EQ(state.productMaxChars, 128u);
    state.product = std::wstring(200, L'Q'); // filled to the end: cut at 127 characters
    EXPECT_EQ(backend.productString(opened.handle), std::wstring(127, L'Q'));
    state.productResult = -1;
    EXPECT_FALSE(backend.productString(opened.handle));

    EXPECT_FALSE(backend.ids(opened.handle));
    hid_device_info info{};
    info.vendor_id = 0x0FA8;
    info.product_id = 0xC280;
    state.info = &info;
    const auto ids = backend.ids(opened.handle);
    ASSERT_TRUE(ids);
    EXPECT_EQ(ids->vendorId, 0x0FA8);
    EXPECT_EQ(ids->productId, 0xC280);

    EXPECT_FALSE(backend.productString(opened.handle + 1)); // not an open handle
    EXPECT_FALSE(backend.ids(opened.handle + 1));
}

TEST_F(HidapiAdapter, FeatureReportsAreNineBytesWithReportIdZero) {
    HidapiBackend backend(fakeCalls());
    const HidHandle h = backend.open("/dev/hidraw0").handle;
    const FeatureReport command{0x00, 0xE6, 0x20, 0x00, 0, 0, 0, 0, 0};
    EXPECT_TRUE(backend.sendFeatureReport(h, command));
    ASSERT_EQ(state.sent.size(), 1u);
    EXPECT_EQ(state.sent[0], std::vector<unsigned char>(command.begin(), command.end()));
    state.featureResult = 8;
    EXPECT_FALSE(backend.sendFeatureReport(h, command)); // short: not all went out
    state.featureResult = -1;
    EXPECT_FALSE(backend.sendFeatureReport(h, command));

    FeatureReport report{};
    for (const auto& [result, count] : {std::pair{9, 9}, {5, 5}, {-1, -1}, {-7, -1}}) {
        state.featureResult = result;
        report.fill(0);
        EXPECT_EQ(backend.getFeatureReport(h, report), count);
        EXPECT_EQ(state.requested.back(), std::vector<unsigned char>(9, 0));
    }
    EXPECT_EQ(report[8], 0xA8);
    EXPECT_EQ(backend.getFeatureReport(h + 1, report), -1);
    EXPECT_FALSE(backend.sendFeatureReport(h + 1, command));
}

TEST_F(HidapiAdapter, CloseAndDestructionCloseEachDeviceOnce) {
    {
        HidapiBackend backend(fakeCalls());
        const HidHandle a = backend.open("/dev/hidraw0").handle;
        backend.open("/dev/hidraw1");
        backend.close(a);
        backend.close(a);
        EXPECT_EQ(state.closed, 1);
        EXPECT_EQ(state.exitCalls, 0);
    }
    EXPECT_EQ(state.closed, 2);
    EXPECT_EQ(state.exitCalls, 1);
}

} // namespace
} // namespace vorn
