// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/CommandTable.h"

#include "document/KeyboardModels.h"
#include "document/Translation.h"

#include <algorithm>
#include <array>

namespace vorn {

namespace {

using namespace commandIds;

constexpr std::array commands{
    CommandInfo{newTemplate, VORN_TRANSLATE_NOOP("vorn::CommandTable", "&New\tCtrl+N"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Create a new Template"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "New Template"), "new"},
    CommandInfo{loadTemplate, VORN_TRANSLATE_NOOP("vorn::CommandTable", "&Load...\tCtrl+L"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Load from template file"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Load Template"), "load"},
    CommandInfo{saveTemplate, VORN_TRANSLATE_NOOP("vorn::CommandTable", "&Save\tCtrl+S"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Save to template file"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Save Template"), "save"},
    CommandInfo{
        saveTemplateAs, VORN_TRANSLATE_NOOP("vorn::CommandTable", "Save &As..."),
        VORN_TRANSLATE_NOOP("vorn::CommandTable", "Save the active Template with a new name"),
        VORN_TRANSLATE_NOOP("vorn::CommandTable", "Save As"), ""},
    CommandInfo{loadDefault, VORN_TRANSLATE_NOOP("vorn::CommandTable", "Load &Default\tCtrl+D"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Load default template"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Default"), ""},
    CommandInfo{importText, VORN_TRANSLATE_NOOP("vorn::CommandTable", "&Import Text Data\tCtrl+I"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Import template data from a text file"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Import text data"), ""},
    CommandInfo{exportText, VORN_TRANSLATE_NOOP("vorn::CommandTable", "&Export Text Data\tCtrl+E"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Export template data from a text file"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Export text data"), ""},
    CommandInfo{exitApp, VORN_TRANSLATE_NOOP("vorn::CommandTable", "E&xit"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable",
                                    "Quit the application; prompts to save documents"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Exit"), ""},
    CommandInfo{32818, "VQ2710",
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Select VQ2710 keyboard"), "VQ2710", ""},
    CommandInfo{32819, "VQ2930",
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Select VQ2930 keyboard"), "VQ2930", ""},
    CommandInfo{32811, "VQ5040",
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Select VQ5040 keyboard"), "VQ5040", ""},
    CommandInfo{32823, "TR4060",
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Select TR4060 keyboard"), "TR4060", ""},
    CommandInfo{32821, "TR6080",
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Select TR6080 keyboard"), "TR6080", ""},
    CommandInfo{32822, "TR3050",
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Select TR3050 Keyboard"), "TR3050", ""},
    CommandInfo{32826, "TR3570",
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Select TR3570 Keyboard"), "TR3570", ""},
    CommandInfo{clearKey, VORN_TRANSLATE_NOOP("vorn::CommandTable", "&Clear Current Key"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Clear current key content"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Clear Key"), "clear-key"},
    CommandInfo{asciiMode, VORN_TRANSLATE_NOOP("vorn::CommandTable", "Set &ASCII Mode"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Set key to ASCII code mode"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "ASCII code mode"), "ascii-mode"},
    CommandInfo{scanMode, VORN_TRANSLATE_NOOP("vorn::CommandTable", "Set &ScanCode Mode"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Set key to scan code mode"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Scan code mode"), "scan-mode"},
    CommandInfo{capsCode, VORN_TRANSLATE_NOOP("vorn::CommandTable", "Insert &Caps Code"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Insert a Caps function code"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Insert caps code"), "caps-code"},
    CommandInfo{
        delayTime, VORN_TRANSLATE_NOOP("vorn::CommandTable", "Insert &Delay Time"),
        VORN_TRANSLATE_NOOP("vorn::CommandTable", "Insert inter-string delay time function code"),
        VORN_TRANSLATE_NOOP("vorn::CommandTable", "Insert Delay time"), "delay-time"},
    CommandInfo{levelSeparator, VORN_TRANSLATE_NOOP("vorn::CommandTable", "Enter &Level Separator"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Enter level-separator function code"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Enter Level separator"),
                "level-separator"},
    CommandInfo{shiftLevel, VORN_TRANSLATE_NOOP("vorn::CommandTable", "Enter &Shift Level code"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Enter multi-level function code"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Multi-level code"), "shift-level"},
    CommandInfo{asciiCode, VORN_TRANSLATE_NOOP("vorn::CommandTable", "&Enter ASCII Code"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Enter ASCII code as decimal"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Enter ASCII code"), "ascii-code"},
    CommandInfo{displayMode, VORN_TRANSLATE_NOOP("vorn::CommandTable", "Switch ASCII Display mode"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Switch ASCII display mode"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Display mode"), "display-mode"},
    CommandInfo{scanCode, VORN_TRANSLATE_NOOP("vorn::CommandTable", "Select Scan Code"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Enter scan code from list"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Enter Scan code"), "scan-code"},
    CommandInfo{readFromKb, VORN_TRANSLATE_NOOP("vorn::CommandTable", "&Read From KB"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Read data from keyboard"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Read data"), "read-kb"},
    CommandInfo{writeIntoKb, VORN_TRANSLATE_NOOP("vorn::CommandTable", "&Write Into KB"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Write data into keyboard"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Write data"), "write-kb"},
    CommandInfo{configKb, VORN_TRANSLATE_NOOP("vorn::CommandTable", "Config &KB Properties"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Config KB properties"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Config KB"), "config-kb"},
    CommandInfo{configMr, VORN_TRANSLATE_NOOP("vorn::CommandTable", "Config &MR properties"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Config MR properties"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Config MR"), "config-mr"},
    CommandInfo{keyboardOutput, VORN_TRANSLATE_NOOP("vorn::CommandTable", "Keyboard Output"), "",
                "", ""},
    CommandInfo{viewToolbar, VORN_TRANSLATE_NOOP("vorn::CommandTable", "&Toolbar"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Show or hide the toolbar"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Toggle ToolBar"), ""},
    CommandInfo{viewStatusBar, VORN_TRANSLATE_NOOP("vorn::CommandTable", "&Status Bar"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Show or hide the status bar"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Toggle StatusBar"), ""},
    CommandInfo{about, VORN_TRANSLATE_NOOP("vorn::CommandTable", "&About Vorn..."),
                VORN_TRANSLATE_NOOP("vorn::CommandTable",
                                    "Display program information, version number and copyright"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "About"), ""},
    CommandInfo{keyWordList, VORN_TRANSLATE_NOOP("vorn::CommandTable", "Key Word &List"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Special Function Key Word Table"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Key Word"), ""},
    CommandInfo{undo, VORN_TRANSLATE_NOOP("vorn::CommandTable", "&Undo\tCtrl+Z"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Undo the last change"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Undo"), ""},
    CommandInfo{redo, VORN_TRANSLATE_NOOP("vorn::CommandTable", "&Redo\tCtrl+Y"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Redo the last undone change"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Redo"), ""},
    CommandInfo{
        copyKey, VORN_TRANSLATE_NOOP("vorn::CommandTable", "&Copy\tCtrl+C"),
        VORN_TRANSLATE_NOOP("vorn::CommandTable", "Copy the key's content to the clipboard"),
        VORN_TRANSLATE_NOOP("vorn::CommandTable", "Copy"), ""},
    CommandInfo{cutKey, VORN_TRANSLATE_NOOP("vorn::CommandTable", "Cu&t\tCtrl+X"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable",
                                    "Copy the key's content to the clipboard and clear the key"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Cut"), ""},
    CommandInfo{zoomIn, VORN_TRANSLATE_NOOP("vorn::CommandTable", "Zoom &In\tCtrl++"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Draw the keyboard larger"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Zoom In"), ""},
    CommandInfo{zoomOut, VORN_TRANSLATE_NOOP("vorn::CommandTable", "Zoom &Out\tCtrl+-"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Draw the keyboard smaller"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Zoom Out"), ""},
    CommandInfo{actualSize, VORN_TRANSLATE_NOOP("vorn::CommandTable", "&Actual Size\tCtrl+0"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Draw the keyboard at its actual size"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Actual Size"), ""},
    CommandInfo{fitToWindow, VORN_TRANSLATE_NOOP("vorn::CommandTable", "&Fit to Window"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable",
                                    "Draw the keyboard as large as the window allows"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Fit to Window"), ""},
    CommandInfo{
        verifyAfterWrite, VORN_TRANSLATE_NOOP("vorn::CommandTable", "&Verify After Write"),
        VORN_TRANSLATE_NOOP(
            "vorn::CommandTable",
            "Read the keyboard back after every write and compare it with what was written"),
        VORN_TRANSLATE_NOOP("vorn::CommandTable", "Verify After Write"), ""},
    CommandInfo{keyLabel, VORN_TRANSLATE_NOOP("vorn::CommandTable", "Key &Label..."),
                VORN_TRANSLATE_NOOP("vorn::CommandTable",
                                    "Write the label printed on the selected key's cap"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Key Label"), ""},
    CommandInfo{showLabels, VORN_TRANSLATE_NOOP("vorn::CommandTable", "Show &Labels"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable",
                                    "Draw each key's label on its cap in place of the caption"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Show Labels"), ""},
    CommandInfo{printLegends,
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "&Print Legends...\tCtrl+P"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable",
                                    "Print the key caps with their labels at true size"),
                VORN_TRANSLATE_NOOP("vorn::CommandTable", "Print Legends"), ""},
    CommandInfo{
        exportLegendsPdf, VORN_TRANSLATE_NOOP("vorn::CommandTable", "Export Legends as &PDF..."),
        VORN_TRANSLATE_NOOP("vorn::CommandTable",
                            "Save the key caps with their labels at true size as a PDF file"),
        VORN_TRANSLATE_NOOP("vorn::CommandTable", "Export Legends as PDF"), ""},
    CommandInfo{
        pasteKey, VORN_TRANSLATE_NOOP("vorn::CommandTable", "&Paste\tCtrl+V"),
        VORN_TRANSLATE_NOOP("vorn::CommandTable", "Insert the clipboard's text at the caret"),
        VORN_TRANSLATE_NOOP("vorn::CommandTable", "Paste"), ""},
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
    MenuInfo{VORN_TRANSLATE_NOOP("vorn::CommandTable", "&Template"), templateMenu},
    MenuInfo{VORN_TRANSLATE_NOOP("vorn::CommandTable", "Key&board"), keyboardMenu},
    MenuInfo{VORN_TRANSLATE_NOOP("vorn::CommandTable", "&Key Edit"), keyEditMenu},
    MenuInfo{VORN_TRANSLATE_NOOP("vorn::CommandTable", "&Configuration"), configurationMenu},
    MenuInfo{VORN_TRANSLATE_NOOP("vorn::CommandTable", "T&esting"), testingMenu},
    MenuInfo{VORN_TRANSLATE_NOOP("vorn::CommandTable", "&View"), viewMenu},
    MenuInfo{VORN_TRANSLATE_NOOP("vorn::CommandTable", "&Help"), helpMenu},
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
    std::string name = translateText("vorn::CommandTable", command->text);
    name.erase(std::min(name.find('\t'), name.size()));
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
