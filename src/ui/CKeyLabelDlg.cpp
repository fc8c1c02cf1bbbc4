// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CKeyLabelDlg.h"

#include "document/KeyCapLabels.h"
#include "ui/DialogButtons.h"

#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vorn {

CKeyLabelDlg::CKeyLabelDlg(const QString& caption, const std::string& label, QWidget* parent)
    : QDialog(parent)
    , text_(new QPlainTextEdit(QString::fromStdString(label), this))
    , problem_(new QLabel(this)) {
    setWindowTitle(tr("Key Label"));
    text_->setObjectName("label");
    text_->setTabChangesFocus(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Room for three full lines, as the sheet prints them.
    const QFontMetrics metrics(text_->font());
    text_->setFixedSize(metrics.horizontalAdvance(QString(maxLabelLineLength + 2, 'M')),
                        metrics.lineSpacing() * maxLabelLines + 2 * text_->frameWidth() + 12);
    text_->selectAll();
    problem_->setObjectName("problem");
    problem_->setStyleSheet("color: #b00000");
    auto* buttons = okCancelButtons(this);
    ok_ = buttons->findChild<QPushButton*>("ok");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(tr("Label of the key %1, printed on its cap (up to %2 lines of %3 characters):")
                       .arg(caption)
                       .arg(maxLabelLines)
                       .arg(maxLabelLineLength),
                   this));
    layout->addWidget(text_);
    layout->addWidget(problem_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    keepTitleWhole(this, layout);
    connect(text_, &QPlainTextEdit::textChanged, this, &CKeyLabelDlg::checkLabel);
    checkLabel();
}

std::string CKeyLabelDlg::label() const {
    return text_->toPlainText().toStdString();
}

void CKeyLabelDlg::checkLabel() {
    const auto problem = labelProblem(keptLabel(label()));
    problem_->setText(
        problem ? tr("This label cannot be kept: %1").arg(QString::fromStdString(*problem))
                : QString());
    ok_->setEnabled(!problem);
}

} // namespace vorn
