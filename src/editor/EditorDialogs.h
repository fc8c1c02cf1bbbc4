// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace vorn {

// The questions the file and model commands ask through dialogs; the window shows the real
// ones, tests answer them.
class EditorDialogs {
public:
    virtual ~EditorDialogs() = default;

    // The template file to load; nothing on Cancel.
    virtual std::optional<std::string> chooseTemplateToLoad() = 0;
    // Where to save the template; `current` is the file it came from, if any.
    virtual std::optional<std::string> chooseTemplateToSave(const std::string& current) = 0;
    // The text file to import or export (the "Text File Template Import/Export" dialog).
    virtual std::optional<std::string> chooseTextFile(bool exporting) = 0;
    // The "Select Keyboard" confirmation; false for No and for a dismissed dialog.
    virtual bool confirmModelSwitch() = 0;
    // The "Key Label" dialog for the key with caption `caption` (the keyboard's bytes): the
    // new label (UTF-8); nothing on Cancel.
    virtual std::optional<std::string> askKeyLabel(const std::string& caption,
                                                   const std::string& label) = 0;
};

} // namespace vorn
