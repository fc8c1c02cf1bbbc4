// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/CommandTable.h"

#include "document/KeyboardModels.h"

#include <algorithm>
#include <array>

namespace vorn {

namespace {

using namespace commandIds;

constexpr std::array commands{
    CommandInfo{newTemplate, "&New\tCtrl+N", "Create a new Template", "New Template", "new"},
    CommandInfo{loadTemplate, "&Load...\tCtrl+L", "Load from template file", "Load Template",
                "load"},
    CommandInfo{saveTemplate, "&Save\tCtrl+S", "Save to template file", "Save Template", "save"},
    CommandInfo{saveTemplateAs, "Save &As...", "Save the active Template with a new name",
                "Save As", ""},
    CommandInfo{loadDefault, "Load &Default\tCtrl+D", "Load default template", "Default", ""},
    CommandInfo{importText, "&Import Text Data\tCtrl+I", "Import template data from a text file",
                "Import text data", ""},
    CommandInfo{exportText, "&Export Text Data\tCtrl+E", "Export template data from a text file",
                "Export text data", ""},
    CommandInfo{exitApp, "E&xit", "Quit the application; prompts to save documents", "Exit", ""},
    CommandInfo{32818, "VQ2710", "Select VQ2710 keyboard", "VQ2710", ""},
    CommandInfo{32819, "VQ2930", "Select VQ2930 keyboard", "VQ2930", ""},
    CommandInfo{32811, "VQ5040", "Select VQ5040 keyboard", "VQ5040", ""},
    CommandInfo{32823, "TR4060", "Select TR4060 keyboard", "TR4060", ""},
    CommandInfo{32821, "TR6080", "Select TR6080 keyboard", "TR6080", ""},
    CommandInfo{32822, "TR3050", "Select TR3050 Keyboard", "TR3050", ""},
    CommandInfo{32826, "TR3570", "Select TR3570 Keyboard", "TR3570", ""},
    CommandInfo{clearKey, "&Clear Current Key", "Clear current key content", "Clear Key",
                "clear-key"},
    CommandInfo{asciiMode, "Set &ASCII Mode", "Set key to ASCII code mode", "ASCII code mode",
                "ascii-mode"},
    CommandInfo{scanMode, "Set &ScanCode Mode", "Set key to scan code mode", "Scan code mode",
                "scan-mode"},
    CommandInfo{capsCode, "Insert &Caps Code", "Insert a Caps function code", "Insert caps code",
                "caps-code"},
    CommandInfo{delayTime, "Insert &Delay Time", "Insert inter-string delay time function code",
                "Insert Delay time", "delay-time"},
    CommandInfo{levelSeparator, "Enter &Level Separator", "Enter level-separator function code",
                "Enter Level separator", "level-separator"},
    CommandInfo{shiftLevel, "Enter &Shift Level code", "Enter multi-level function code",
                "Multi-level code", "shift-level"},
    CommandInfo{asciiCode, "&Enter ASCII Code", "Enter ASCII code as decimal", "Enter ASCII code",
                "ascii-code"},
    CommandInfo{displayMode, "Switch ASCII Display mode", "Switch ASCII display mode",
                "Display mode", "display-mode"},
    CommandInfo{scanCode, "Select Scan Code", "Enter scan code from list", "Enter Scan code",
                "scan-code"},
    CommandInfo{readFromKb, "&Read From KB", "Read data from keyboard", "Read data", "read-kb"},
    CommandInfo{writeIntoKb, "&Write Into KB", "Write data into keyboard", "Write data",
                "write-kb"},
    CommandInfo{configKb, "Config &KB Properties", "Config KB properties", "Config KB",
                "config-kb"},
    CommandInfo{configMr, "Config &MR properties", "Config MR properties", "Config MR",
                "config-mr"},
    CommandInfo{keyboardOutput, "Keyboard Output", "", "", ""},
    CommandInfo{viewToolbar, "&Toolbar", "Show or hide the toolbar", "Toggle ToolBar", ""},
    CommandInfo{viewStatusBar, "&Status Bar", "Show or hide the status bar", "Toggle StatusBar",
                ""},
    CommandInfo{about, "&About Vorn...",
                "Display program information, version number and copyright", "About", ""},
    CommandInfo{keyWordList, "Key Word &List", "Special Function Key Word Table", "Key Word", ""},
    CommandInfo{undo, "&Undo\tCtrl+Z", "Undo the last change", "Undo", ""},
    CommandInfo{redo, "&Redo\tCtrl+Y", "Redo the last undone change", "Redo", ""},
    CommandInfo{copyKey, "&Copy\tCtrl+C", "Copy the key's content to the clipboard", "Copy", ""},
    CommandInfo{cutKey, "Cu&t\tCtrl+X", "Copy the key's content to the clipboard and clear the key",
                "Cut", ""},
    CommandInfo{zoomIn, "Zoom &In\tCtrl++", "Draw the keyboard larger", "Zoom In", ""},
    CommandInfo{zoomOut, "Zoom &Out\tCtrl+-", "Draw the keyboard smaller", "Zoom Out", ""},
    CommandInfo{actualSize, "&Actual Size\tCtrl+0", "Draw the keyboard at its actual size",
                "Actual Size", ""},
    CommandInfo{fitToWindow, "&Fit to Window", "Draw the keyboard as large as the window allows",
                "Fit to Window", ""},
    CommandInfo{verifyAfterWrite, "&Verify After Write",
                "Read the keyboard back after every write and compare it with what was written",
                "Verify After Write", ""},
    CommandInfo{keyLabel, "Key &Label...", "Write the label printed on the selected key's cap",
                "Key Label", ""},
    CommandInfo{showLabels, "Show &Labels",
                "Draw each key's label on its cap in place of the caption", "Show Labels", ""},
    CommandInfo{printLegends, "&Print Legends...\tCtrl+P",
                "Print the key caps with their labels at true size", "Print Legends", ""},
    CommandInfo{exportLegendsPdf, "Export Legends as &PDF...",
                "Save the key caps with their labels at true size as a PDF file",
                "Export Legends as PDF", ""},
    CommandInfo{pasteKey, "&Paste\tCtrl+V", "Insert the clipboard's text at the caret", "Paste",
                ""},
};

constexpr std::array templateMenu{newTemplate,  loadTemplate,     saveTemplate,    saveTemplateAs,
                                  separator,    loadDefault,      separator,       importText,
                                  exportText,   separator,        recentTemplates, separator,
                                  printLegends, exportLegendsPdf, separator,       exitApp};
// The models' commands in the order of the model catalog's menu column.
const std::array<int, 7> keyboardMenu = [] {
    std::array<int, 7> ids{};
    for (const KeyboardModel& model : keyboardModels())
        ids.at(static_cast<std::size_t>(model.menuOrder - 1)) = model.menuCommand;
    return ids;
}();
constexpr std::array keyEditMenu{clearKey,       asciiMode,  scanMode,  capsCode,    delayTime,
                                 levelSeparator, shiftLevel, asciiCode, displayMode, scanCode,
                                 separator,      undo,       redo,      separator,   keyLabel};
constexpr std::array configurationMenu{readFromKb, writeIntoKb, configKb,
                                       configMr,   separator,   verifyAfterWrite};
constexpr std::array testingMenu{keyboardOutput};
constexpr std::array viewMenu{viewToolbar, viewStatusBar, separator, zoomIn,    zoomOut,
                              actualSize,  fitToWindow,   separator, showLabels};
constexpr std::array helpMenu{about, keyWordList};

const std::array menus{
    MenuInfo{"&Template", templateMenu}, MenuInfo{"Key&board", keyboardMenu},
    MenuInfo{"&Key Edit", keyEditMenu},  MenuInfo{"&Configuration", configurationMenu},
    MenuInfo{"T&esting", testingMenu},   MenuInfo{"&View", viewMenu},
    MenuInfo{"&Help", helpMenu},
};

constexpr std::array toolbar{newTemplate, loadTemplate,   saveTemplate, separator,   configKb,
                             configMr,    separator,      readFromKb,   writeIntoKb, separator,
                             clearKey,    asciiMode,      scanMode,     separator,   capsCode,
                             delayTime,   levelSeparator, shiftLevel,   separator,   scanCode,
                             asciiCode,   displayMode};

constexpr std::array templateChangers{newTemplate, loadTemplate, loadDefault, importText,
                                      configKb,    configMr,     cutKey,      pasteKey};

constexpr std::array<std::string_view, 2> consumed{"F6", "Shift+F6"};

} // namespace

std::span<const CommandInfo> commandTable() {
    return commands;
}

const CommandInfo* findCommand(int id) {
    const auto found = std::ranges::find(commands, id, &CommandInfo::id);
    return found == commands.end() ? nullptr : &*found;
}

std::string commandName(int id) {
    const CommandInfo* command = findCommand(id);
    if (!command)
        return {};
    std::string name(command->text.substr(0, command->text.find('\t')));
    std::erase(name, '&');
    return name;
}

std::span<const MenuInfo> menuTable() {
    return menus;
}

std::span<const int> toolbarTable() {
    return toolbar;
}

bool changesTemplate(int id) {
    return std::ranges::find(templateChangers, id) != templateChangers.end() ||
           std::ranges::find(keyboardMenu, id) != keyboardMenu.end() ||
           std::ranges::find(keyEditMenu, id) != keyEditMenu.end();
}

std::span<const std::string_view> consumedShortcuts() {
    return consumed;
}

} // namespace vorn
