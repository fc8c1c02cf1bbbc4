// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

namespace vorn {

// "About Vorn": the application icon, the version text and OK.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr auto versionText = QT_TR_NOOP("Keyboard Editor Version 1.2.0.3");

    explicit CAboutDlg(QWidget* parent = nullptr);
};

} // namespace vorn
