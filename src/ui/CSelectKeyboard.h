// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

namespace vorn {

// "Select Keyboard": asks before a model switch clears the template. Yes accepts; No, the
// close box and Esc reject.
class CSelectKeyboard : public QDialog {
    Q_OBJECT
public:
    explicit CSelectKeyboard(QWidget* parent = nullptr);
};

} // namespace vorn
