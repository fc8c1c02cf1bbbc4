// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/TypedLengthLimit.h"

#include <QLineEdit>

namespace vorn {

TypedLengthLimit::TypedLengthLimit(int limit, QLineEdit* edit)
    : QValidator(edit)
    , limit_(limit)
    , currentLength_(edit->text().size()) {
    // Follows every accepted change and every setText, which is not validated.
    connect(edit, &QLineEdit::textChanged, this,
            [this](const QString& text) { currentLength_ = text.size(); });
    edit->setValidator(this);
}

QValidator::State TypedLengthLimit::validate(QString& input, int& position) const {
    static_cast<void>(position);
    return input.size() <= limit_ || input.size() <= currentLength_ ? Acceptable : Invalid;
}

} // namespace vorn
