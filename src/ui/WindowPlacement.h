// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <string_view>

namespace vorn {

class SettingsStore;

// Where the main window goes: the place it had when it was last closed, kept in the settings
// store under a group of its own, or else a sensible first place.
namespace windowPlacement {

inline constexpr std::string_view section = "MainWindow";
inline constexpr std::string_view geometryEntry = "geometry";
inline constexpr std::string_view stateEntry = "state";

// The un-maximized window's first place: the preferred size grown to three quarters of the
// screen's available area, never larger than that area, centred on it.
QRect firstGeometry(const QRect& available, const QSize& preferred);

} // namespace windowPlacement

} // namespace vorn
