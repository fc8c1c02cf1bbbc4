// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CInputASCIICode.h"

#include "document/UserMessages.h"
#include "ui/DialogButtons.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <cctype>

namespace vorn {

namespace {

constexpr int byteMaximum = 255;

// The byte a decimal text names: digits only, blanks around them allowed; nothing for any
// other text and for a number above 255.
std::optional<int> parseByte(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    const auto last = text.find_last_not_of(" \t");
    if (first == std::string::npos)
        return std::nullopt;
    int value = 0;
    for (auto i = first; i <= last; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i])))
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
        if (value > byteMaximum)
            return std::nullopt;
    }
    return value;
}

std::string rangeMessage(int low, int high) {
    return QCoreApplication::translate("vorn::CInputASCIICode",
                                       "Enter an integer between %1 and %2.")
        .arg(low)
        .arg(high)
        .toStdString();
}

} // namespace

CInputASCIICode::CInputASCIICode(UserMessages& messages, QWidget* parent)
    : QDialog(parent)
    , messages_(messages)
    , box_(new QLineEdit(QString::number(start), this)) {
    setWindowTitle(tr("Input ASCII Code"));
    box_->setObjectName("code");
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(tr("ASCII code:"), this));
    row->addWidget(box_);
    row->addWidget(new QLabel("(1--240)", this));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(okCancelButtons(this));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    keepTitleWhole(this, layout);
    box_->selectAll();
}

std::optional<std::string> CInputASCIICode::refusal(const std::string& text) {
    const std::optional<int> code = parseByte(text);
    if (!code)
        return rangeMessage(0, byteMaximum);
    if (*code < minimum || *code > maximum)
        return rangeMessage(minimum, maximum);
    return std::nullopt;
}

void CInputASCIICode::accept() {
    const std::string text = box_->text().toLatin1().toStdString();
    if (const std::optional<std::string> message = refusal(text)) {
        messages_.showMessage(*message);
        box_->setFocus();
        box_->selectAll();
        return;
    }
    value_ = *parseByte(text);
    QDialog::accept();
}

} // namespace vorn
