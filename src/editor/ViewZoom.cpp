// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/ViewZoom.h"

#include "document/SettingsStore.h"
#include "editor/ViewGeometry.h"

#include <algorithm>
#include <cmath>

namespace vorn {

namespace {

constexpr std::string_view fitEntry = "FitToWindow";
constexpr std::string_view percentEntry = "ZoomPercent";

int percentOf(double factor) {
    return static_cast<int>(std::lround(factor * 100));
}

} // namespace

ViewZoom::ViewZoom(SettingsStore& settings)
    : settings_(&settings)
    , fit_(settings.readInt(section, fitEntry, 1) != 0)
    , percent_(std::clamp(settings.readInt(section, percentEntry, 100), minPercent, maxPercent)) {}

double ViewZoom::factor(int width, int height) const {
    if (!fit_)
        return percent_ / 100.0;
    const double fit = std::min(double(width) / viewGeometry::screenWidth,
                                double(height) / viewGeometry::screenHeight);
    return std::clamp(fit, minPercent / 100.0, maxPercent / 100.0);
}

void ViewZoom::zoomIn(double current) {
    const int now = percentOf(current);
    const auto next = std::ranges::find_if(steps, [now](int step) { return step > now; });
    setPercent(next == steps.end() ? maxPercent : *next);
}

void ViewZoom::zoomOut(double current) {
    const int now = percentOf(current);
    const auto below =
        std::ranges::find_if(steps.rbegin(), steps.rend(), [now](int step) { return step < now; });
    setPercent(below == steps.rend() ? minPercent : *below);
}

void ViewZoom::setFitToWindow(bool fit) {
    fit_ = fit;
    store();
}

void ViewZoom::setPercent(int percent) {
    fit_ = false;
    percent_ = std::clamp(percent, minPercent, maxPercent);
    store();
}

void ViewZoom::store() {
    if (!settings_)
        return;
    settings_->writeInt(section, fitEntry, fit_ ? 1 : 0);
    settings_->writeInt(section, percentEntry, percent_);
}

} // namespace vorn
