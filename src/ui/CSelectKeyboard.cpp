// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CSelectKeyboard.h"

#include "ui/DialogButtons.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vorn {

CSelectKeyboard::CSelectKeyboard(QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Select Keyboard"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Are you sure to select another keyboard?"), this));
    layout->addWidget(new QLabel(tr("This will clear the active template data !!!"), this));
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* yes = buttons->addButton(tr("Yes"), QDialogButtonBox::AcceptRole);
    QPushButton* no = buttons->addButton(tr("No"), QDialogButtonBox::RejectRole);
    no->setDefault(true);
    yes->setObjectName("yes");
    no->setObjectName("no");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    keepTitleWhole(this, layout);
}

} // namespace vorn
