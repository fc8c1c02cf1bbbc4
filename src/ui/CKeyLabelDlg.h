// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <string>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace vorn {

// "Key Label": the label printed on one key's cap, up to three lines. A label that cannot be
// kept says why under the text box and cannot be confirmed.
class CKeyLabelDlg : public QDialog {
    Q_OBJECT
public:
    CKeyLabelDlg(const QString& caption, const std::string& label, QWidget* parent = nullptr);

    // The text as typed, UTF-8, lines joined by '\n'.
    std::string label() const;

private:
    void checkLabel();

    QPlainTextEdit* text_;
    QLabel* problem_;
    QPushButton* ok_;
};

} // namespace vorn
