// SPDX-License-Identifier: GPL-3.0-or-later
// Finding the keyboard: identity matching, candidate order, the probe, denied access.
#include "device/CUSBport.h"
#include "simulator/SimulatedKeyboard.h"
#include "support/DeviceFakes.h"

#include <gtest/gtest.h>

namespace vorn {
namespace {

using Kind = SimulatedInterface::Kind;

SimulatedInterface interface(Kind kind, std::string path) {
    SimulatedInterface i;
    i.kind = kind;
    i.path = std::move(path);
    return i;
}

struct IdentityCase {
    std::wstring_view product;
    std::uint16_t productId;
    bool unreadable;
    bool matches;
};

TEST(Identity, ProductPrefixVendorAndProductIdMustMatch) {
    using namespace std::literals;
    const IdentityCase cases[] = {
        {L"VQ5040U"sv, 0xC280, false, true},
        {L"VQ5040U Simulated"sv, 0xC280, false, true},
        {L"VQ5040U-2 with a very long product string that goes on past fifty-one"sv, 0xC280, false,
         true},
        {L"VQ5040"sv, 0xC280, false, false},  // too short
        {L"VQ5040u"sv, 0xC280, false, false}, // case matters
        {L"XVQ5040U"sv, 0xC280, false, false},
        {L"VQ5040U"sv, 0xC281, false, false}, // another product id
        {L"VQ5040U"sv, 0xC280, true, false},  // identity cannot be read
        {L""sv, 0xC280, false, false},
        {L"VQ50\0"
         L"40U"sv,
         0xC280, false, false},                  // the string ends at its terminator
        {L"\x156Q5040U"sv, 0xC280, false, true}, // only the low byte of each unit counts
    };
    for (const IdentityCase& c : cases) {
        SimulatedInterface i;
        i.product = c.product;
        i.productId = c.productId;
        i.identityUnreadable = c.unreadable;
        SimulatedKeyboard keyboard({i});
        test::FakeClock clock;
        CUSBport port(keyboard, clock);
        port.setCurrentDevicePath("sim:hidraw0");
        ASSERT_TRUE(port.OpenHIDDevice());
        EXPECT_EQ(port.CheckHIDParam(), c.matches)
            << std::string(c.product.begin(), c.product.end()) << " " << c.productId;
    }
}

TEST(Identity, VendorIdMustMatchAndVersionIsNotAsked) {
    SimulatedInterface i;
    i.vendorId = 0x0FA9;
    SimulatedKeyboard keyboard({i, {}});
    test::FakeClock clock;
    CUSBport port(keyboard, clock);
    ASSERT_TRUE(port.GetDeviceFullPath());
    EXPECT_EQ(port.currentDevicePath(), "sim:hidraw1");
    EXPECT_EQ(port.candidateCount(), 1u);
}

TEST(Search, FirstCandidateThatAnswersTheProbeWins) {
    SimulatedInterface otherProduct;
    otherProduct.productId = 0x1234;
    SimulatedInterface tooShort;
    tooShort.product = L"VQ5040";
    SimulatedKeyboard keyboard({otherProduct, tooShort, interface(Kind::unopenable, "u"),
                                interface(Kind::silent, "s1"), interface(Kind::keyboard, "k1"),
                                interface(Kind::silent, "s2"), interface(Kind::keyboard, "k2")});
    test::FakeClock clock;
    CUSBport port(keyboard, clock);
    ASSERT_TRUE(port.GetDeviceFullPath());
    EXPECT_EQ(port.currentDevicePath(), "k1");
    const std::vector<std::string> candidates(port.candidatePaths().begin(),
                                              port.candidatePaths().end());
    EXPECT_EQ(candidates, (std::vector<std::string>{"s1", "k1", "s2", "k2"}));
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(keyboard.openHandles(), 0u);
    EXPECT_EQ(clock.waits, (std::vector<long>{200, 200})); // s1's probe, then k1's
}

TEST(Search, NoAnsweringCandidateFails) {
    SimulatedKeyboard keyboard({interface(Kind::silent, "s1"), interface(Kind::silent, "s2")});
    test::FakeClock clock;
    CUSBport port(keyboard, clock);
    EXPECT_FALSE(port.GetDeviceFullPath());
    EXPECT_EQ(port.candidateCount(), 2u);
    EXPECT_TRUE(port.deniedPaths().empty());

    SimulatedKeyboard none(std::vector<SimulatedInterface>{});
    CUSBport empty(none, clock);
    EXPECT_FALSE(empty.GetDeviceFullPath());
    EXPECT_EQ(empty.candidateCount(), 0u);
}

TEST(Search, OnlyTheFirstTenMatchesAreProbed) {
    std::vector<SimulatedInterface> eleven(10, interface(Kind::silent, ""));
    eleven.push_back(interface(Kind::keyboard, ""));
    SimulatedKeyboard keyboard(eleven);
    test::FakeClock clock;
    CUSBport port(keyboard, clock);
    EXPECT_FALSE(port.GetDeviceFullPath());
    EXPECT_EQ(port.candidateCount(), 10u);
    EXPECT_EQ(port.candidatePaths().back(), "sim:hidraw9");

    std::vector<SimulatedInterface> twelve(9, interface(Kind::silent, ""));
    twelve.push_back(interface(Kind::keyboard, ""));
    twelve.resize(12, interface(Kind::silent, ""));
    SimulatedKeyboard tenth(twelve);
    CUSBport found(tenth, clock);
    ASSERT_TRUE(found.GetDeviceFullPath());
    EXPECT_EQ(found.currentDevicePath(), "sim:hidraw9");
    EXPECT_EQ(found.candidateCount(), 10u);
}

TEST(Search, DeniedKeyboardIsReportedButOtherDeniedDevicesAreNot) {
    SimulatedInterface deniedOther = interface(Kind::permissionDenied, "other");
    deniedOther.productId = 0x0001;
    SimulatedKeyboard keyboard({deniedOther, interface(Kind::permissionDenied, "kb"),
                                interface(Kind::unopenable, "broken")});
    test::FakeClock clock;
    CUSBport port(keyboard, clock);
    EXPECT_FALSE(port.GetDeviceFullPath());
    EXPECT_EQ(port.deniedPaths(), std::vector<std::string>{"kb"});

    const auto listed = port.listKeyboardInterfaces();
    ASSERT_TRUE(listed);
    ASSERT_EQ(listed->size(), 1u);
    EXPECT_EQ((*listed)[0].info.path, "kb");
    EXPECT_TRUE((*listed)[0].accessDenied);
}

TEST(Search, ListingShowsEveryMatchingInterfaceAndKeepsThePath) {
    SimulatedInterface tooShort;
    tooShort.product = L"VQ5040";
    SimulatedKeyboard keyboard({interface(Kind::silent, "s"), tooShort, {}});
    test::FakeClock clock;
    CUSBport port(keyboard, clock);
    port.setCurrentDevicePath("kept");
    const auto listed = port.listKeyboardInterfaces();
    ASSERT_TRUE(listed);
    ASSERT_EQ(listed->size(), 2u);
    EXPECT_EQ((*listed)[0].info.path, "s");
    EXPECT_EQ((*listed)[1].info.path, "sim:hidraw2");
    EXPECT_EQ((*listed)[1].info.product, L"VQ5040U Simulated");
    EXPECT_FALSE((*listed)[1].accessDenied);
    EXPECT_EQ(port.currentDevicePath(), "kept");
    EXPECT_TRUE(clock.waits.empty()); // listing sends nothing
}

} // namespace
} // namespace vorn
