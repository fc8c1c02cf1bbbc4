// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/KeyboardListing.h"

#include "cli/Vornctl.h"
#include "transfer/DetectionMessage.h"

#include <algorithm>
#include <ostream>

namespace vorn::cli {

namespace {

// Wide strings as the device reports them, for the terminal.
std::string utf8(const std::wstring& wide) {
    std::string out;
    for (const wchar_t w : wide) {
        auto c = static_cast<std::uint32_t>(w);
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            c = 0xFFFD;
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | c >> 6);
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | c >> 12);
            out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | c >> 18);
            out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
            out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

// Prints "keyboard<TAB>PATH<TAB>PRODUCT" for every interface that answers the package-0 probe.
// The search just made settled the candidates it probed: those before the one found did not
// answer, and that one did. The others are probed now.
void listAnsweringKeyboards(CUSBport& port, const std::vector<KeyboardInterface>& interfaces,
                            bool found, Io& io) {
    const std::span<const std::string> probed = port.candidatePaths();
    const std::string winner = found ? port.currentDevicePath() : std::string();
    const auto settled = std::find(probed.begin(), probed.end(), winner);
    for (const KeyboardInterface& i : interfaces) {
        if (i.accessDenied)
            continue;
        bool answers = i.info.path == winner;
        if (!answers && std::find(probed.begin(), settled, i.info.path) == settled) {
            port.setCurrentDevicePath(i.info.path);
            answers = port.ProbeHIDDevice();
        }
        if (answers)
            io.out << "keyboard\t" << i.info.path << '\t' << utf8(i.info.product) << '\n';
    }
}

} // namespace

int listKeyboards(CUSBport& port, Io& io) {
    const auto interfaces = port.listKeyboardInterfaces();
    if (!interfaces) {
        io.err << "vornctl: the HID interfaces cannot be listed\n";
        return exitRefused;
    }
    for (const KeyboardInterface& i : *interfaces) {
        if (i.accessDenied)
            io.err << i.info.path << ": a VQ series keyboard, but access to it was denied\n";
        else
            io.out << i.info.path << '\t' << utf8(i.info.product) << '\t'
                   << utf8(i.info.manufacturer) << '\n';
    }
    const bool found = port.GetDeviceFullPath();
    if (found)
        io.err << "The keyboard answers at " << port.currentDevicePath() << ".\n";
    else
        io.err << detectionFailureMessage(!port.deniedPaths().empty()) << '\n';
    listAnsweringKeyboards(port, *interfaces, found, io);
    return found ? exitSuccess : exitRefused;
}

} // namespace vorn::cli
