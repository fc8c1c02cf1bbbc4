// SPDX-License-Identifier: GPL-3.0-or-later
// vorn_vm_check: drives the keyboard through the real HID path (hidapi on hidraw, the kernel's
// HID core) with the product's transport, inside the VM test.
//   vorn_vm_check IMAGE [--retried PACKAGE]...
// Finds the keyboard as a transfer's detection does, checks its identity, writes the 2048
// bytes of IMAGE as 64 packages (each acknowledged), reads them back and compares. A read
// that fails its check byte is tried again, up to 5 times as the read transfer does; each
// package given with --retried must fail as often as it is given, and no other may fail.
#include "device/CUSBport.h"
#include "device/HidapiBackend.h"
#include "device/InstantClock.h"
#include "simulator/KeyboardMemoryFile.h"
#include "vm/PackageNumber.h"

#include <iomanip>
#include <iostream>
#include <map>
#include <sstream>

namespace {

using namespace vorn;

constexpr int readAttempts = 5;
constexpr int writeAttempts = 3;

struct Options {
    std::string image;
    std::map<int, int> retried; // package -> failed reads expected
};

bool fail(const std::string& why) {
    std::cout << "vorn_vm_check: FAILED: " << why << std::endl;
    return false;
}

std::string narrow(const std::wstring& wide) {
    std::string text;
    for (const wchar_t c : wide)
        text += static_cast<char>(static_cast<std::uint32_t>(c) & 0xFF);
    return text;
}

bool parse(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--retried" && i + 1 < argc) {
            const auto package = parsePackageNumber(argv[++i]);
            if (!package)
                return fail(std::string("no package ") + argv[i]);
            ++options.retried[*package];
        } else if (options.image.empty() && arg.rfind("--", 0) != 0) {
            options.image = arg;
        } else {
            return fail("usage: vorn_vm_check IMAGE [--retried PACKAGE]...");
        }
    }
    return !options.image.empty() || fail("usage: vorn_vm_check IMAGE [--retried PACKAGE]...");
}

// What the system lists, as hidapi reports it: shows how the uhid device differs from USB.
void listInterfaces(HidBackend& backend) {
    const auto interfaces = backend.enumerate();
    for (const HidInterfaceInfo& i : interfaces.value_or(std::vector<HidInterfaceInfo>{})) {
        std::cout << "interface " << i.path << ": " << std::hex << std::setfill('0') << std::setw(4)
                  << i.vendorId << ':' << std::setw(4) << i.productId << std::dec << " product \""
                  << narrow(i.product) << "\" manufacturer \"" << narrow(i.manufacturer) << '"'
                  << std::endl;
    }
}

bool findKeyboard(CUSBport& port) {
    port.setExpectedIdentity(KeyboardIdentity{});
    if (!port.GetDeviceFullPath())
        return fail("no keyboard found");
    std::cout << "keyboard found at " << port.currentDevicePath() << " (" << port.candidateCount()
              << " candidate)" << std::endl;
    if (!port.OpenHIDDevice())
        return fail("cannot open " + port.currentDevicePath());
    if (!port.CheckHIDParam())
        return fail("identity check failed on the open keyboard");
    std::cout << "identity checked" << std::endl;
    return true;
}

bool writePackage(CUSBport& port, const TemplateImage& image, int n) {
    const auto begin = image.begin() + n * packageSize;
    for (int attempt = 0; attempt < writeAttempts; ++attempt) {
        std::copy(begin, begin + packageSize, port.packageBuffer().begin());
        // No write is disturbed on purpose, so a retry is a fault of the path.
        if (port.SendHIDBlockData(static_cast<std::uint8_t>(n)) && port.WaitHIDAck())
            return attempt == 0 || fail("package " + std::to_string(n) + " needed a retry");
    }
    return fail("package " + std::to_string(n) + " could not be written");
}

bool writeImage(CUSBport& port, const TemplateImage& image) {
    for (int n = 0; n < packageCount; ++n)
        if (!writePackage(port, image, n))
            return false;
    std::cout << "wrote " << packageCount << " packages, each acknowledged" << std::endl;
    return true;
}

// Reads package n into `image`; counts the attempts whose check byte failed.
bool readPackage(CUSBport& port, TemplateImage& image, int n, int& failures) {
    for (int attempt = 0; attempt < readAttempts; ++attempt) {
        if (port.GetHIDBlockData(static_cast<std::uint8_t>(n))) {
            std::copy(port.packageBuffer().begin(), port.packageBuffer().begin() + packageSize,
                      image.begin() + n * packageSize);
            return true;
        }
        ++failures;
        std::cout << "package " << n << ": read failed, trying again" << std::endl;
    }
    return fail("package " + std::to_string(n) + " could not be read");
}

bool readImage(CUSBport& port, TemplateImage& image, const std::map<int, int>& expected) {
    std::map<int, int> retried;
    for (int n = 0; n < packageCount; ++n) {
        int failures = 0;
        if (!readPackage(port, image, n, failures))
            return false;
        if (failures > 0)
            retried[n] = failures;
    }
    std::cout << "read " << packageCount << " packages" << std::endl;
    if (retried != expected)
        return fail("the packages that failed their check byte are not the expected ones");
    return true;
}

bool compare(const TemplateImage& written, const TemplateImage& read) {
    for (std::size_t i = 0; i < written.size(); ++i) {
        if (written[i] != read[i]) {
            std::ostringstream why;
            why << "byte " << i << " read back as " << int(read[i]) << ", written "
                << int(written[i]);
            return fail(why.str());
        }
    }
    std::cout << "read back all " << written.size() << " bytes as written" << std::endl;
    return true;
}

bool run(const Options& options) {
    TemplateImage written{};
    std::string error;
    if (KeyboardMemoryFile::load(options.image, written, error) !=
        KeyboardMemoryFile::LoadResult::loaded)
        return fail(error.empty() ? options.image + ": missing" : error);

    HidapiBackend backend;
    // The emulated keyboard answers within each request, so the pauses a real keyboard
    // needs are left out; every report still takes the kernel's path.
    InstantClock clock;
    CUSBport port(backend, clock);
    listInterfaces(backend);
    TemplateImage read{};
    return findKeyboard(port) && writeImage(port, written) &&
           readImage(port, read, options.retried) && compare(written, read);
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parse(argc, argv, options))
        return 2;
    if (!run(options))
        return 1;
    std::cout << "vorn_vm_check: passed" << std::endl;
    return 0;
}
