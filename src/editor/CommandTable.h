// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace vorn {

// The editor's command ids.
namespace commandIds {
inline constexpr int newTemplate = 57600;
inline constexpr int loadTemplate = 57601;
inline constexpr int saveTemplate = 57603;
inline constexpr int saveTemplateAs = 57604;
inline constexpr int loadDefault = 32795;
inline constexpr int importText = 32774;
inline constexpr int exportText = 32798;
inline constexpr int exitApp = 57665;
inline constexpr int clearKey = 32785;
inline constexpr int asciiMode = 32783;
inline constexpr int scanMode = 32784;
inline constexpr int capsCode = 32788;
inline constexpr int delayTime = 32789;
inline constexpr int levelSeparator = 32790;
inline constexpr int shiftLevel = 32791;
inline constexpr int asciiCode = 32801;
inline constexpr int displayMode = 32807;
inline constexpr int scanCode = 32816;
inline constexpr int readFromKb = 32771;
inline constexpr int writeIntoKb = 32772;
inline constexpr int configKb = 32773;
inline constexpr int configMr = 32810;
inline constexpr int keyboardOutput = 32797;
inline constexpr int viewToolbar = 59392;
inline constexpr int viewStatusBar = 59393;
inline constexpr int about = 57664;
inline constexpr int keyWordList = 32803;
// Our own commands.
inline constexpr int undo = 33100;
inline constexpr int redo = 33101;
inline constexpr int copyKey = 33102;
inline constexpr int cutKey = 33103;
inline constexpr int pasteKey = 33104;
inline constexpr int recentTemplates = 33110; // the submenu, in menu lists
inline constexpr int zoomIn = 33120;
inline constexpr int zoomOut = 33121;
inline constexpr int actualSize = 33122;
inline constexpr int fitToWindow = 33123;
inline constexpr int verifyAfterWrite = 33130;
inline constexpr int keyLabel = 33140;
inline constexpr int showLabels = 33141;
inline constexpr int printLegends = 33142;
inline constexpr int exportLegendsPdf = 33143;
inline constexpr int separator = 0; // in menu and toolbar lists
} // namespace commandIds

// One menu command: its item text ("\t" before the shortcut text shown), the status bar
// prompt, the toolbar tooltip and the toolbar icon (empty: no button).
struct CommandInfo {
    int id;
    std::string_view text;
    std::string_view prompt;
    std::string_view tooltip;
    std::string_view icon;
};

struct MenuInfo {
    std::string_view title;
    std::span<const int> items; // command ids; commandIds::separator for a separator
};

// The command's item text without its mnemonic and shortcut: "Clear Current Key".
std::string commandName(int id);

// Every command of the main menu, the Keyboard menu's included.
std::span<const CommandInfo> commandTable();
// The command with this id; nullptr for none.
const CommandInfo* findCommand(int id);
// The main menu, in order.
std::span<const MenuInfo> menuTable();
// The toolbar's buttons, in order, with its separators.
std::span<const int> toolbarTable();

// Whether the command changes or replaces the template: such commands are unavailable while
// a transfer runs, whose end would overwrite or send the template under them.
bool changesTemplate(int id);

// Key sequences bound besides those the menus show: they do nothing and reach no view.
std::span<const std::string_view> consumedShortcuts();

} // namespace vorn
