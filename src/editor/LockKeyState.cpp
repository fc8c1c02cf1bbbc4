// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/LockKeyState.h"

#include <filesystem>
#include <fstream>

namespace vorn {

namespace {

bool ledIsOn(const std::filesystem::path& led) {
    std::ifstream in(led / "brightness");
    int brightness = 0;
    return in >> brightness && brightness > 0;
}

} // namespace

LockKeyState LockKeyState::fromLeds(const std::string& ledFolder) {
    LockKeyState state;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(ledFolder, error)) {
        const std::string name = entry.path().filename().string();
        const bool on = ledIsOn(entry.path());
        if (name.ends_with("::capslock"))
            state.caps = state.caps || on;
        else if (name.ends_with("::numlock"))
            state.num = state.num || on;
        else if (name.ends_with("::scrolllock"))
            state.scroll = state.scroll || on;
    }
    return state;
}

void LockKeyState::keyPressed(Key key, std::optional<std::uint32_t> modifiers) {
    if (modifiers) {
        caps = (*modifiers & x11CapsLock) != 0;
        num = (*modifiers & x11NumLock) != 0;
    }
    switch (key) {
    case Key::capsLock: caps = !caps; break;
    case Key::numLock: num = !num; break;
    case Key::scrollLock: scroll = !scroll; break;
    case Key::other: break;
    }
}

} // namespace vorn
