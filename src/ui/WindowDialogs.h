// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/EditorDialogs.h"

class QWidget;

namespace vorn {

// The file dialogs and the "Select Keyboard" question of the window.
class WindowDialogs : public EditorDialogs {
public:
    explicit WindowDialogs(QWidget* parent = nullptr)
        : parent_(parent) {}

    void setParent(QWidget* parent) { parent_ = parent; }

    std::optional<std::string> chooseTemplateToLoad() override;
    std::optional<std::string> chooseTemplateToSave(const std::string& current) override;
    std::optional<std::string> chooseTextFile(bool exporting) override;
    bool confirmModelSwitch() override;
    std::optional<std::string> askKeyLabel(const std::string& caption,
                                           const std::string& label) override;

private:
    QWidget* parent_;
};

} // namespace vorn
