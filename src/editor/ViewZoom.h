// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

namespace vorn {

class SettingsStore;

// The view's scale: Fit to Window (the default) or a fixed factor from 50 % to 400 %, stepped
// by Zoom In and Zoom Out. Remembered in the settings store.
class ViewZoom {
public:
    static constexpr int minPercent = 50;
    static constexpr int maxPercent = 400;
    static constexpr std::array<int, 13> steps{50,  67,  75,  90,  100, 110, 125,
                                               150, 175, 200, 250, 300, 400};
    static constexpr std::string_view section = "View";

    ViewZoom() = default;
    explicit ViewZoom(SettingsStore& settings);

    bool fitToWindow() const { return fit_; }
    // The factor for a view of this size.
    double factor(int width, int height) const;

    // From the factor shown now (`current`): the next step up or down; Fit to Window ends.
    void zoomIn(double current);
    void zoomOut(double current);
    void actualSize() { setPercent(100); }
    void setFitToWindow(bool fit);
    // A factor of its own (the screenshot's --scale), limited to the range.
    void setPercent(int percent);

private:
    void store();

    SettingsStore* settings_ = nullptr;
    bool fit_ = true;
    int percent_ = 100;
};

} // namespace vorn
