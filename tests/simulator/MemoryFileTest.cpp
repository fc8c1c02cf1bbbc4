// SPDX-License-Identifier: GPL-3.0-or-later
// The simulated keyboard's memory file: loaded at start, saved with every stored package,
// held by one user at a time and read again as a hold begins.
#include "device/CKBIO.h"
#include "device/CUSBport.h"
#include "simulator/KeyboardMemoryFile.h"
#include "simulator/MemoryFileLock.h"
#include "simulator/SimulatedDriver.h"
#include "simulator/SimulatedKeyboard.h"
#include "support/DeviceFakes.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vorn {
namespace {

namespace fs = std::filesystem;

class MemoryFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("vorn-memory-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string path(const std::string& name) const { return (dir_ / name).string(); }

    // Writes one package through the transport, as a transfer would.
    static bool writePackage(SimulatedKeyboard& keyboard, int n, std::uint8_t fill) {
        test::FakeClock clock;
        CUSBport port(keyboard, clock);
        if (!port.GetDeviceFullPath() || !port.OpenHIDDevice())
            return false;
        std::fill_n(port.packageBuffer().begin(), packageSize, fill);
        return port.SendHIDBlockData(static_cast<std::uint8_t>(n)) && port.WaitHIDAck();
    }

    // A keyboard on `file` that refuses a file held elsewhere at once.
    static std::unique_ptr<SimulatedKeyboard> keyboardOn(const std::string& file) {
        auto keyboard = std::make_unique<SimulatedKeyboard>();
        std::string error;
        EXPECT_TRUE(keyboard->useMemoryFile(file, error)) << error;
        return keyboard;
    }
    static std::string fileBytes(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    fs::path dir_;
};

TEST_F(MemoryFile, MissingFileStartsNewAndIsCreatedOnTheFirstWrite) {
    const std::string file = path("kb.mem");
    SimulatedKeyboard keyboard;
    std::string error;
    ASSERT_TRUE(keyboard.useMemoryFile(file, error)) << error;
    EXPECT_EQ(keyboard.firmware().memory(), newTemplateImage(2013));
    EXPECT_FALSE(fs::exists(file));
    ASSERT_TRUE(writePackage(keyboard, 1, 0x5A));
    ASSERT_EQ(fs::file_size(file), imageSize);

    SimulatedKeyboard again;
    ASSERT_TRUE(again.useMemoryFile(file, error)) << error;
    EXPECT_EQ(again.firmware().memory(), keyboard.firmware().memory());
    EXPECT_EQ(again.firmware().memory()[32], 0x5A);
    EXPECT_EQ(again.firmware().memory()[2045], 0x55);
}

TEST_F(MemoryFile, FileOfAnotherSizeIsRefused) {
    for (const std::size_t size : {std::size_t{0}, imageSize - 1, imageSize + 1}) {
        const std::string file = path("bad.mem");
        std::ofstream(file, std::ios::binary) << std::string(size, 'x');
        SimulatedKeyboard keyboard;
        std::string error;
        EXPECT_FALSE(keyboard.useMemoryFile(file, error)) << size;
        EXPECT_NE(error.find(file), std::string::npos);
        EXPECT_NE(error.find("2048"), std::string::npos);
    }
    TemplateImage memory{};
    std::string error;
    EXPECT_EQ(KeyboardMemoryFile::load(dir_.string(), memory, error),
              KeyboardMemoryFile::LoadResult::failed); // a folder cannot be read
}

// A memory file that could never be made is refused before any transfer: no name, or a
// folder that is not there.
TEST_F(MemoryFile, ANameThatCanNeverBeAFileIsRefused) {
    const struct {
        std::string file;
        std::string error;
    } cases[] = {
        {"", "a keyboard memory file needs a name"},
        {path("none/kb.mem"), path("none") + ": No such file or directory"},
    };
    for (const auto& c : cases) {
        SimulatedKeyboard keyboard;
        std::string error;
        EXPECT_FALSE(keyboard.useMemoryFile(c.file, error)) << c.file;
        EXPECT_EQ(error, c.error);
    }
}

TEST_F(MemoryFile, PackageThatCannotBeSavedIsRejected) {
    const std::string file = path("gone/kb.mem");
    std::filesystem::create_directory(path("gone"));
    SimulatedKeyboard keyboard;
    std::string error;
    ASSERT_TRUE(keyboard.useMemoryFile(file, error));
    test::FakeClock clock;
    CUSBport port(keyboard, clock);
    ASSERT_TRUE(port.GetDeviceFullPath() && port.OpenHIDDevice());
    std::filesystem::remove_all(path("gone")); // the folder goes before the first package
    std::fill_n(port.packageBuffer().begin(), packageSize, 0x33);
    EXPECT_FALSE(port.SendHIDBlockData(0) && port.WaitHIDAck());
    EXPECT_NE(keyboard.firmware().memory()[0], 0x33);
    EXPECT_EQ(keyboard.memoryFileError(), file + ": No such file or directory");
}

TEST_F(MemoryFile, SaveReplacesTheWholeFile) {
    const std::string file = path("kb.mem");
    std::ofstream(file, std::ios::binary) << std::string(imageSize, '\x11');
    TemplateImage memory = newTemplateImage(2018);
    std::string error;
    ASSERT_TRUE(KeyboardMemoryFile::save(file, memory, error)) << error;
    TemplateImage back{};
    ASSERT_EQ(KeyboardMemoryFile::load(file, back, error), KeyboardMemoryFile::LoadResult::loaded);
    EXPECT_EQ(back, memory);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

using MemoryFileLocks = MemoryFile;

// Two keyboards on one file stand for two programs: their locks exclude each other as two
// programs' would (flock locks belong to the open file).
TEST_F(MemoryFile, AnOpenInterfaceHoldsTheFileAgainstAnotherUser) {
    const std::string file = path("kb.mem");
    const auto first = keyboardOn(file);
    const auto second = keyboardOn(file);
    test::FakeClock clock;
    CUSBport firstPort(*first, clock);
    ASSERT_TRUE(firstPort.GetDeviceFullPath() && firstPort.OpenHIDDevice());

    CUSBport secondPort(*second, clock);
    EXPECT_FALSE(secondPort.GetDeviceFullPath());
    EXPECT_EQ(second->memoryFileError(), file + " is in use by another program");

    firstPort.CloseHIDDevice();
    EXPECT_TRUE(secondPort.GetDeviceFullPath());
}

TEST_F(MemoryFile, ABusyFileIsWaitedForThroughTheWait) {
    const std::string file = path("kb.mem");
    const auto first = keyboardOn(file);
    const auto second = keyboardOn(file);
    test::FakeClock clock;
    CUSBport firstPort(*first, clock);
    ASSERT_TRUE(firstPort.GetDeviceFullPath() && firstPort.OpenHIDDevice());
    int waits = 0;
    second->memoryFile()->setWait([&](std::chrono::milliseconds) {
        if (++waits == 3)
            firstPort.CloseHIDDevice(); // the other program's transfer ends
    });
    CUSBport secondPort(*second, clock);
    EXPECT_TRUE(secondPort.GetDeviceFullPath());
    EXPECT_EQ(waits, 3);
}

// The second keyboard read its memory before the first one wrote: its next hold reads the file
// again, so the package it writes joins the one written, and a read gives the written one.
TEST_F(MemoryFile, AFinishedWriteIsWhatTheNextUserReadsAndBuildsOn) {
    const std::string file = path("kb.mem");
    const auto first = keyboardOn(file);
    const auto second = keyboardOn(file);
    ASSERT_TRUE(writePackage(*first, 1, 0x5A));
    ASSERT_TRUE(writePackage(*second, 2, 0x33));
    const std::string bytes = fileBytes(file);
    ASSERT_EQ(bytes.size(), imageSize);
    EXPECT_EQ(bytes[32], 0x5A);
    EXPECT_EQ(bytes[64], 0x33);

    test::FakeClock clock;
    CUSBport port(*first, clock);
    ASSERT_TRUE(port.GetDeviceFullPath() && port.OpenHIDDevice() && port.GetHIDBlockData(2));
    EXPECT_EQ(port.packageBuffer()[0], 0x33);
}

// Through the driver a write holds the file from its first package to its end; a read holds it
// for each package.
TEST_F(MemoryFile, ADriverWriteHoldsTheFileUntilItsEnd) {
    const std::string file = path("kb.mem");
    const auto keyboard = keyboardOn(file);
    const auto other = keyboardOn(file);
    SimulatedDriver driver(keyboard->firmware());
    driver.useMemoryFile(keyboard->memoryFile());
    CKBIO kbio(driver);
    kbio.OpenDriver();
    ASSERT_TRUE(kbio.ReadDriverBlock(0));
    EXPECT_EQ(other->memoryFile()->tryHold(), SharedMemoryFile::Hold::held);
    EXPECT_FALSE(kbio.ReadDriverBlock(0)); // the other user has it now
    EXPECT_FALSE(kbio.WriteDriverBlock(0));
    other->memoryFile()->release();

    ASSERT_TRUE(kbio.WriteDriverBlock(0));
    EXPECT_EQ(other->memoryFile()->tryHold(), SharedMemoryFile::Hold::busy);
    kbio.EndDriverWrite();
    EXPECT_EQ(other->memoryFile()->tryHold(), SharedMemoryFile::Hold::held);
}

TEST_F(MemoryFileLocks, EveryNameOfAFileSharesItsLock) {
    std::ofstream(path("real.mem"), std::ios::binary) << std::string(imageSize, '\0');
    fs::create_symlink("real.mem", path("link.mem"));
    MemoryFileLock viaLink(path("link.mem"));
    MemoryFileLock viaFile(path("real.mem"));
    EXPECT_EQ(viaLink.path(), path("real.mem.lock"));
    EXPECT_EQ(viaLink.tryLock(), MemoryFileLock::Result::locked);
    EXPECT_EQ(viaFile.tryLock(), MemoryFileLock::Result::busy);
    viaLink.unlock();
    EXPECT_EQ(viaFile.tryLock(), MemoryFileLock::Result::locked);
}

// A lock file that is no regular file is never opened for writing or waited on.
TEST_F(MemoryFileLocks, ALockFileThatIsNoRegularFileIsRefused) {
    ASSERT_EQ(::mkfifo(path("fifo.mem.lock").c_str(), 0644), 0);
    fs::create_symlink("elsewhere", path("link.mem.lock"));
    for (const std::string name : {"fifo.mem", "link.mem"}) {
        MemoryFileLock lock(path(name));
        EXPECT_EQ(lock.tryLock(), MemoryFileLock::Result::failed) << name;
        EXPECT_EQ(lock.error(), path(name) + ".lock is not a regular file");
    }
    EXPECT_FALSE(fs::exists(path("elsewhere")));
}

} // namespace
} // namespace vorn
