// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <optional>
#include <string>

class QLineEdit;

namespace vorn {

class UserMessages;

// "Input ASCII Code": one byte typed in decimal, 1 to 240, starting at 32. OK refuses any
// other text with a message, puts the focus back in the box and keeps the dialog open.
class CInputASCIICode : public QDialog {
    Q_OBJECT
public:
    static constexpr int minimum = 1;
    static constexpr int maximum = 240;
    static constexpr int start = 32;

    CInputASCIICode(UserMessages& messages, QWidget* parent = nullptr);

    // The message that refuses `text`; nothing for a code from 1 to 240.
    static std::optional<std::string> refusal(const std::string& text);

    // The code accepted by OK.
    int value() const { return value_; }
    QLineEdit* codeBox() const { return box_; }

    void accept() override;

private:
    UserMessages& messages_;
    QLineEdit* box_;
    int value_ = start;
};

} // namespace vorn
