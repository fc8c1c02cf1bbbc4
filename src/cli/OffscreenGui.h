// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <memory>

class QGuiApplication;

namespace vorn::cli {

// The application object fonts and painting need, on the offscreen platform so that no display
// is needed; for the commands that draw, and only for as long as they run. One already running
// (a test's) is used as it is.
class OffscreenGui {
public:
    OffscreenGui();
    ~OffscreenGui();
    OffscreenGui(const OffscreenGui&) = delete;
    OffscreenGui& operator=(const OffscreenGui&) = delete;

    // False when another kind of application object runs, under which nothing can be drawn.
    bool ready() const;

private:
    int argc_ = 0;
    std::array<char*, 4> argv_{};
    std::unique_ptr<QGuiApplication> app_;
};

} // namespace vorn::cli
