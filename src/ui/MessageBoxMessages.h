// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/UserMessages.h"

class QWidget;

namespace vorn {

// Messages and questions of the lower layers as modal message boxes titled "Vorn"; notes in
// the parent's status bar when it is a main window.
class MessageBoxMessages : public UserMessages {
public:
    explicit MessageBoxMessages(QWidget* parent = nullptr)
        : parent_(parent) {}

    void setParent(QWidget* parent) { parent_ = parent; }

    void showMessage(std::string_view text) override;
    bool askYesNo(std::string_view question) override;
    SaveAnswer askYesNoCancel(std::string_view question) override;
    void showStatus(std::string_view text, StatusKind kind) override;

private:
    QWidget* parent_;
};

} // namespace vorn
