// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QSpinBox;

namespace vorn {

// A small dialog asking for one number: a static text, a number box with an up-down spin
// control at its right edge, a second static text, and OK and Cancel.
class CSpinValueDialog : public QDialog {
    Q_OBJECT
public:
    struct Setup {
        QString title;
        QString label;
        QString note;
        int minimum;
        int maximum;
        int start;
    };

    CSpinValueDialog(const Setup& setup, QWidget* parent);

    // The number in the box, read as the dialog closes.
    int value() const;
    QSpinBox* spinBox() const { return spin_; }

    void accept() override;

private:
    QSpinBox* spin_;
};

} // namespace vorn
