// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/KeyEditDialogs.h"

class QWidget;

namespace vorn {

class UserMessages;

// The Key Edit commands' value dialogs as modal dialogs of the window.
class WindowKeyEditDialogs : public KeyEditDialogs {
public:
    explicit WindowKeyEditDialogs(UserMessages& messages, QWidget* parent = nullptr)
        : messages_(messages)
        , parent_(parent) {}

    void setParent(QWidget* parent) { parent_ = parent; }

    std::optional<int> askDelayTime() override;
    std::optional<int> askShiftLevel() override;
    std::optional<int> askAsciiCode() override;
    std::optional<std::string> askScanCode() override;

private:
    UserMessages& messages_;
    QWidget* parent_;
};

} // namespace vorn
