// SPDX-License-Identifier: GPL-3.0-or-later
// vornctl devices and --trace, against the simulated keyboard.
#include "CliTest.h"
#include "cli/KeyboardListing.h"
#include "cli/Vornctl.h"
#include "device/InstantClock.h"
#include "simulator/SimulatedKeyboard.h"
#include "transfer/DetectionMessage.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>
#include <unistd.h>

namespace vorn::cli {
namespace {

namespace fs = std::filesystem;

using Devices = test::CliTest;
using test::Result;

TEST_F(Devices, SimulatedKeyboardIsListedAndAnswersWithoutCreatingItsFile) {
    const std::string memory = path("kb.mem");
    const Result r = run({"devices", "--simulate", memory});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "sim:hidraw0\tVQ5040U Simulated\tVorn simulator\n"
                     "keyboard\tsim:hidraw0\tVQ5040U Simulated\n");
    EXPECT_EQ(r.err, "The keyboard answers at sim:hidraw0.\n");
    EXPECT_FALSE(fs::exists(memory)); // created on the first write only
}

TEST_F(Devices, TracePrintsEveryReportBeforeOrAfterTheCommand) {
    const std::string memory = path("kb.mem");
    std::string bytes(imageSize, '\0');
    bytes[0] = '\x3A';
    bytes[31] = '\x3A'; // the check byte of package 0 becomes 0
    std::ofstream(memory, std::ios::binary) << bytes;
    for (const auto& args :
         {std::vector<std::string>{"--trace", "devices", "--simulate", memory},
          std::vector<std::string>{"devices", "--simulate", memory, "--trace"}}) {
        const Result r = run(args);
        EXPECT_EQ(r.status, 0);
        const auto err = lines(r.err);
        ASSERT_EQ(err.size(), 11u) << r.err;
        EXPECT_EQ(err[0], "SET 00 E6 00 00 00 00 00 00 00");
        const std::regex get("GET 00( [0-9A-F]{2}){8}");
        for (int i = 1; i <= 9; ++i)
            EXPECT_TRUE(std::regex_match(err[i], get)) << err[i];
        EXPECT_EQ(err[1][29], '3'); // byte 8 carries the high nibble of byte 0
        EXPECT_EQ(err[1][26], 'A'); // byte 7 its low nibble
        EXPECT_EQ(err[10], "The keyboard answers at sim:hidraw0.");
    }
}

TEST_F(Devices, UnusableMemoryFileIsAFileError) {
    const std::string memory = path("short.mem");
    std::ofstream(memory, std::ios::binary) << "too short";
    const Result r = run({"devices", "--simulate", memory});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(memory), std::string::npos);
}

TEST_F(Devices, UsageErrors) {
    EXPECT_EQ(run({"--trace"}).status, 2);
    EXPECT_EQ(run({"devices", "extra"}).status, 2);
    EXPECT_EQ(run({"devices", "--simulate"}).status, 2);
    const Result help = run({"devices", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Usage: vornctl devices [--simulate MEMFILE]"), std::string::npos);
}

TEST(KeyboardListing, DeniedKeyboardIsNamedAndTheRuleSuggested) {
    SimulatedInterface denied;
    denied.kind = SimulatedInterface::Kind::permissionDenied;
    denied.path = "/dev/hidraw4";
    SimulatedInterface silent;
    silent.kind = SimulatedInterface::Kind::silent;
    silent.manufacturer = L"Caf\u00e9";
    SimulatedKeyboard keyboard({denied, silent});
    InstantClock clock;
    CUSBport port(keyboard, clock);
    std::istringstream in;
    std::ostringstream out, err;
    Io io{in, out, err};
    EXPECT_EQ(listKeyboards(port, io), 1);
    EXPECT_EQ(out.str(), "sim:hidraw1\tVQ5040U Simulated\tCaf\xC3\xA9\n");
    EXPECT_EQ(err.str(), "/dev/hidraw4: a VQ series keyboard, but access to it was denied\n" +
                             std::string(noKeyboardMessage) + "\n" + std::string(accessDeniedLine) +
                             "\n");
    EXPECT_NE(err.str().find("70-vorn-keyboard.rules"), std::string::npos);
}

TEST(KeyboardListing, NothingPresentSaysNoKeyboard) {
    SimulatedKeyboard keyboard(std::vector<SimulatedInterface>{});
    InstantClock clock;
    CUSBport port(keyboard, clock);
    std::istringstream in;
    std::ostringstream out, err;
    Io io{in, out, err};
    EXPECT_EQ(listKeyboards(port, io), 1);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(), "There is no VQ series keyboard connected!\n");
}

} // namespace
} // namespace vorn::cli
