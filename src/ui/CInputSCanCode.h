// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <array>
#include <string>
#include <string_view>

class QComboBox;

namespace vorn {

// "Input Scan Code": a key word chosen from the list or typed into its box, starting as
// "[F6]". Any text is accepted, the empty one too.
class CInputSCanCode : public QDialog {
    Q_OBJECT
public:
    static constexpr std::size_t choiceCount = 80;
    static constexpr std::string_view start = "[F6]";

    explicit CInputSCanCode(QWidget* parent = nullptr);

    // The list's entries in their order.
    static const std::array<std::string_view, choiceCount>& choices();

    // The text in the box.
    std::string value() const;
    QComboBox* list() const { return list_; }

private:
    QComboBox* list_;
};

} // namespace vorn
