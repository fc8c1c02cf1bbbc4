// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace vorn {

// "Special Function Key Word Table": the key word list in a read-only scrolling text, closed
// by Esc or the close box.
class CKeyWordTable : public QDialog {
    Q_OBJECT
public:
    explicit CKeyWordTable(QWidget* parent = nullptr);

    QPlainTextEdit* textView() const { return text_; }

private:
    QPlainTextEdit* text_;
};

} // namespace vorn
