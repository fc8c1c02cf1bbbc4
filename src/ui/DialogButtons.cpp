// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DialogButtons.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QPushButton>

namespace vorn {

QDialogButtonBox* okCancelButtons(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(dialog);
    QPushButton* ok = buttons->addButton(QCoreApplication::translate("vorn::DialogButtons", "OK"),
                                         QDialogButtonBox::AcceptRole);
    QPushButton* cancel = buttons->addButton(
        QCoreApplication::translate("vorn::DialogButtons", "Cancel"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    ok->setObjectName("ok");
    cancel->setObjectName("cancel");
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

void keepTitleWhole(QDialog* dialog, QBoxLayout* layout) {
    // Room for the title bar's icon, its three buttons and the margins around them.
    constexpr int titleBarRoom = 130;
    QFont bold = dialog->font();
    bold.setBold(true);
    layout->addStrut(QFontMetrics(bold).horizontalAdvance(dialog->windowTitle()) + titleBarRoom);
}

} // namespace vorn
