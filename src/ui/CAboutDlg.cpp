// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CAboutDlg.h"

#include "document/ProgramLicence.h"
#include "ui/ApplicationIcon.h"
#include "ui/DialogButtons.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vorn {

CAboutDlg::CAboutDlg(QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("About Vorn"));
    auto* icon = new QLabel(this);
    icon->setPixmap(applicationIcon().pixmap(48, 48));
    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addSpacing(12);
    auto* text = new QLabel(tr(versionText), this);
    text->setToolTip(
        QCoreApplication::translate("vorn::CAboutDlg", std::string(licenceNotice).c_str())
            .trimmed());
    row->addWidget(text, 1);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    keepTitleWhole(this, layout);
}

} // namespace vorn
