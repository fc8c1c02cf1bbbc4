// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CSpinValueDialog.h"

#include "ui/DialogButtons.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace vorn {

CSpinValueDialog::CSpinValueDialog(const Setup& setup, QWidget* parent)
    : QDialog(parent)
    , spin_(new QSpinBox(this)) {
    setWindowTitle(setup.title);
    spin_->setRange(setup.minimum, setup.maximum);
    spin_->setValue(setup.start);
    spin_->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    spin_->setObjectName("value");
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(setup.label, this));
    row->addWidget(spin_);
    row->addWidget(new QLabel(setup.note, this));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(okCancelButtons(this));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    keepTitleWhole(this, layout);
}

int CSpinValueDialog::value() const {
    return spin_->value();
}

void CSpinValueDialog::accept() {
    spin_->interpretText();
    QDialog::accept();
}

} // namespace vorn
