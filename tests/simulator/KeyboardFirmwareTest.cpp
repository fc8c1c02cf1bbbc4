// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard's side of the protocol, fed with literal wire bytes.
#include "simulator/KeyboardFirmware.h"

#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace vorn {
namespace {

constexpr FeatureReport allD0{0x00, 0xD0, 0xD0, 0xD0, 0xD0, 0xD0, 0xD0, 0xD0, 0xD0};

FeatureReport command(std::uint8_t cmd, unsigned address) {
    return {0x00,
            cmd,
            static_cast<std::uint8_t>(address & 0xFF),
            static_cast<std::uint8_t>(address >> 8),
            0,
            0,
            0,
            0,
            0};
}

// The nine data reports that write a package whose byte 0 is 0x3A and the rest 0.
std::vector<FeatureReport> writeOf3A() {
    std::vector<FeatureReport> r(9, allD0);
    r[0][8] = 0xDA;
    r[0][7] = 0xD3;
    r[8] = {0x00, 0, 0, 0, 0, 0, 0, 0xD3, 0xDA};
    return r;
}

TemplateImage filled(std::uint8_t value) {
    TemplateImage image;
    image.fill(value);
    return image;
}

bool sendAll(KeyboardFirmware& keyboard, const std::vector<FeatureReport>& reports) {
    for (const FeatureReport& r : reports)
        if (!keyboard.setFeature(r))
            return false;
    return true;
}

TEST(KeyboardFirmware, StoresAWrittenPackageAndAcknowledgesOnce) {
    KeyboardFirmware keyboard(filled(0x77));
    ASSERT_TRUE(keyboard.setFeature(command(0xE7, 64)));
    ASSERT_TRUE(sendAll(keyboard, writeOf3A()));
    EXPECT_EQ(keyboard.memory()[64], 0x3A);
    for (int i = 65; i < 96; ++i)
        EXPECT_EQ(keyboard.memory()[i], 0x00) << i;
    EXPECT_EQ(keyboard.memory()[63], 0x77);
    EXPECT_EQ(keyboard.memory()[96], 0x77);
    FeatureReport ack{};
    EXPECT_TRUE(keyboard.getFeature(ack));
    EXPECT_FALSE(keyboard.getFeature(ack)); // one acknowledgement per package
}

TEST(KeyboardFirmware, AllZeroPackageWithCheckByteZeroIsStored) {
    KeyboardFirmware keyboard(filled(0x77));
    std::vector<FeatureReport> reports(9, allD0);
    reports[8] = {0x00, 0, 0, 0, 0, 0, 0, 0xD0, 0xD0};
    ASSERT_TRUE(keyboard.setFeature(command(0xE7, 0)));
    ASSERT_TRUE(sendAll(keyboard, reports));
    for (int i = 0; i < 32; ++i)
        EXPECT_EQ(keyboard.memory()[i], 0x00);
    FeatureReport ack{};
    EXPECT_TRUE(keyboard.getFeature(ack));
}

TEST(KeyboardFirmware, RejectsPackagesThatBreakTheWriteRules) {
    struct Case {
        const char* what;
        int report;
        int byte;
        std::uint8_t value;
    };
    const Case cases[] = {
        {"nibble byte without 0xD upper half", 2, 4, 0x50},
        {"a data nibble changed", 0, 8, 0xD3},
        {"check byte wrong", 8, 8, 0xDB},
        {"check byte nibble unmarked", 8, 7, 0x03},
    };
    for (const Case& c : cases) {
        KeyboardFirmware keyboard(filled(0x77));
        auto reports = writeOf3A();
        reports[c.report][c.byte] = c.value;
        ASSERT_TRUE(keyboard.setFeature(command(0xE7, 0)));
        EXPECT_TRUE(sendAll(keyboard, reports)) << c.what; // taken, then rejected
        FeatureReport ack{};
        EXPECT_FALSE(keyboard.getFeature(ack)) << c.what;
        EXPECT_EQ(keyboard.memory(), filled(0x77)) << c.what;
    }
}

TEST(KeyboardFirmware, UnusedBytesOfTheNinthReportAreIgnored) {
    KeyboardFirmware keyboard(filled(0x77));
    auto reports = writeOf3A();
    reports[8][1] = 0xD5;
    reports[8][6] = 0x42;
    ASSERT_TRUE(keyboard.setFeature(command(0xE7, 0)));
    ASSERT_TRUE(sendAll(keyboard, reports));
    EXPECT_EQ(keyboard.memory()[0], 0x3A);
}

TEST(KeyboardFirmware, RefusesReportsOutsideTheProtocol) {
    KeyboardFirmware keyboard(filled(0x77));
    FeatureReport get{};
    EXPECT_FALSE(keyboard.getFeature(get));                 // nothing asked for
    EXPECT_FALSE(keyboard.setFeature(allD0));               // data without a command
    EXPECT_FALSE(keyboard.setFeature(command(0xE6, 16)));   // not a package address
    EXPECT_FALSE(keyboard.setFeature(command(0xE6, 2048))); // past the memory
    EXPECT_FALSE(keyboard.setFeature(command(0xE5, 0)));    // unknown command
    FeatureReport otherId = command(0xE6, 0);
    otherId[0] = 1;
    EXPECT_FALSE(keyboard.setFeature(otherId));
    FeatureReport strayByte = command(0xE6, 0);
    strayByte[8] = 1; // bytes 4 to 8 of a command are 0
    EXPECT_FALSE(keyboard.setFeature(strayByte));
    ASSERT_TRUE(keyboard.setFeature(command(0xE6, 0)));
    get[0] = 1;
    EXPECT_FALSE(keyboard.getFeature(get));
}

TEST(KeyboardFirmware, ANewCommandDropsAnUnfinishedPackage) {
    KeyboardFirmware keyboard(filled(0x77));
    auto reports = writeOf3A();
    ASSERT_TRUE(keyboard.setFeature(command(0xE7, 0)));
    for (int i = 0; i < 8; ++i)
        ASSERT_TRUE(keyboard.setFeature(reports[i]));
    ASSERT_TRUE(keyboard.setFeature(command(0xE7, 0)));
    EXPECT_EQ(keyboard.memory(), filled(0x77));
    ASSERT_TRUE(sendAll(keyboard, reports));
    EXPECT_EQ(keyboard.memory()[0], 0x3A);
}

TEST(KeyboardFirmware, ReadSendsHighNibbleFirstWithChangingUpperHalves) {
    TemplateImage memory = filled(0);
    memory[32] = 0x3A;
    KeyboardFirmware keyboard(memory);
    std::array<std::array<FeatureReport, 9>, 2> reads;
    for (auto& read : reads) {
        ASSERT_TRUE(keyboard.setFeature(command(0xE6, 32)));
        for (FeatureReport& r : read) {
            r.fill(0);
            ASSERT_TRUE(keyboard.getFeature(r));
            EXPECT_EQ(r[0], 0x00);
        }
        FeatureReport extra{};
        EXPECT_FALSE(keyboard.getFeature(extra)); // nine reports, no more
    }
    for (const auto& read : reads) {
        EXPECT_EQ(read[0][8] & 0x0F, 0x3);
        EXPECT_EQ(read[0][7] & 0x0F, 0xA);
        EXPECT_EQ(read[8][8] & 0x0F, 0x3); // the check byte
        EXPECT_EQ(read[8][7] & 0x0F, 0xA);
        for (int r = 0; r < 8; ++r) {
            for (int b = 1; b <= 8; ++b) {
                if (r != 0 || b < 7) {
                    EXPECT_EQ(read[r][b] & 0x0F, 0) << r << ' ' << b;
                }
            }
        }
    }
    std::set<int> upperHalves;
    for (const auto& read : reads)
        for (const FeatureReport& r : read)
            for (int b = 1; b <= 8; ++b)
                upperHalves.insert(r[b] & 0xF0);
    EXPECT_GE(upperHalves.size(), 8u);
    EXPECT_NE(reads[0], reads[1]);
}

TEST(KeyboardFirmware, StoreHookCanRefuseAPackage) {
    KeyboardFirmware keyboard(filled(0x77));
    int calls = 0;
    keyboard.setStoreHook([&](const TemplateImage& next) {
        ++calls;
        EXPECT_EQ(next[0], 0x3A);
        return false;
    });
    ASSERT_TRUE(keyboard.setFeature(command(0xE7, 0)));
    ASSERT_TRUE(sendAll(keyboard, writeOf3A()));
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(keyboard.memory(), filled(0x77));
    FeatureReport ack{};
    EXPECT_FALSE(keyboard.getFeature(ack));
}

TEST(KeyboardFirmware, InjectedPackageFaultsTakeTheCommandAndFailTheFirstReport) {
    KeyboardFirmware keyboard(filled(0x77));
    keyboard.faults().readFailures = {{1, 1}};
    keyboard.faults().writeFailures = {{0, 1}};
    FeatureReport get{};
    EXPECT_TRUE(keyboard.setFeature(command(0xE6, 32)));
    EXPECT_FALSE(keyboard.getFeature(get)); // the first get of the attempt
    EXPECT_FALSE(keyboard.getFeature(get)); // the attempt is over
    EXPECT_TRUE(keyboard.setFeature(command(0xE6, 32)));
    EXPECT_TRUE(keyboard.getFeature(get));

    EXPECT_TRUE(keyboard.setFeature(command(0xE7, 0)));
    EXPECT_FALSE(keyboard.setFeature(writeOf3A()[0])); // the first data report
    EXPECT_FALSE(keyboard.setFeature(writeOf3A()[1]));
    EXPECT_TRUE(keyboard.setFeature(command(0xE7, 0)));
    EXPECT_TRUE(sendAll(keyboard, writeOf3A()));
    EXPECT_EQ(keyboard.memory()[0], 0x3A);
}

} // namespace
} // namespace vorn
