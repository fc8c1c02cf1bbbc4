// SPDX-License-Identifier: GPL-3.0-or-later
// vorn_uhid_keyboard: the keyboard emulated in the kernel through /dev/uhid, for the VM test.
// Creates the HID device and answers its report requests until stopped by SIGTERM or SIGINT.
//   vorn_uhid_keyboard [--memory FILE] [--corrupt-check PACKAGE]...
// --memory FILE      start from the 2048 bytes in FILE (a new template when missing) and
//                    save every stored package there
// --corrupt-check P  send package P with a wrong check byte, once per time given
#include "simulator/KeyboardMemoryFile.h"
#include "vm/PackageNumber.h"
#include "vm/UhidKeyboard.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <iostream>
#include <string>
#include <unistd.h>

namespace {

using vorn::KeyboardFirmware;
using vorn::UhidKeyboard;

volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int) {
    stopRequested = 1;
}

// Interrupts the blocking read instead of restarting it, so the loop can end.
void catchStopSignals() {
    struct sigaction action {};
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

bool writeEvent(int fd, const uhid_event& event) {
    return ::write(fd, &event, sizeof event) == static_cast<ssize_t>(sizeof event);
}

bool configure(int argc, char** argv, KeyboardFirmware& firmware) {
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (i + 1 == argc) {
            std::cerr << "vorn_uhid_keyboard: " << option << " needs a value\n";
            return false;
        }
        const std::string value = argv[++i];
        if (option == "--corrupt-check") {
            const auto package = vorn::parsePackageNumber(value);
            if (!package) {
                std::cerr << "vorn_uhid_keyboard: no package " << value << '\n';
                return false;
            }
            ++firmware.faults().checkFailures[*package];
        } else if (option == "--memory") {
            vorn::TemplateImage memory = firmware.memory();
            std::string error;
            if (vorn::KeyboardMemoryFile::load(value, memory, error) ==
                vorn::KeyboardMemoryFile::LoadResult::failed) {
                std::cerr << "vorn_uhid_keyboard: " << error << '\n';
                return false;
            }
            firmware.setMemory(memory);
            firmware.setStoreHook([value](const vorn::TemplateImage& next) {
                std::string why;
                const bool saved = vorn::KeyboardMemoryFile::save(value, next, why);
                if (!saved)
                    std::cerr << "vorn_uhid_keyboard: " << why << '\n';
                return saved;
            });
        } else {
            std::cerr << "vorn_uhid_keyboard: unknown option " << option << '\n';
            return false;
        }
    }
    return true;
}

// Answers every report request; an unanswered one would hold the host for seconds.
int serve(int fd, UhidKeyboard& keyboard) {
    uhid_event event;
    while (!stopRequested) {
        std::memset(&event, 0, sizeof event);
        if (::read(fd, &event, sizeof event) < 0) {
            if (errno == EINTR)
                continue;
            std::cerr << "vorn_uhid_keyboard: reading /dev/uhid: " << std::strerror(errno) << '\n';
            return EXIT_FAILURE;
        }
        if (event.type == UHID_START)
            std::cerr << "vorn_uhid_keyboard: started\n";
        const auto reply = keyboard.answer(event);
        if (reply && !writeEvent(fd, *reply)) {
            std::cerr << "vorn_uhid_keyboard: answering: " << std::strerror(errno) << '\n';
            return EXIT_FAILURE;
        }
    }
    return EXIT_SUCCESS;
}

} // namespace

int main(int argc, char** argv) {
    KeyboardFirmware firmware;
    if (!configure(argc, argv, firmware))
        return 2;
    const int fd = ::open("/dev/uhid", O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        std::cerr << "vorn_uhid_keyboard: /dev/uhid: " << std::strerror(errno) << '\n';
        return EXIT_FAILURE;
    }
    catchStopSignals();
    if (!writeEvent(fd, UhidKeyboard::createEvent())) {
        std::cerr << "vorn_uhid_keyboard: creating the device: " << std::strerror(errno) << '\n';
        ::close(fd);
        return EXIT_FAILURE;
    }
    UhidKeyboard keyboard(firmware);
    const int status = serve(fd, keyboard);
    std::cerr << "vorn_uhid_keyboard: " << keyboard.answered() << " requests answered, "
              << keyboard.refused() << " refused\n";
    ::close(fd); // destroys the device
    return status;
}
