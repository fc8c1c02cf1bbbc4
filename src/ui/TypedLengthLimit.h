// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QValidator>

class QLineEdit;

namespace vorn {

// Limits what can be typed or pasted into a line edit to `limit` characters without cutting
// a longer text already in it: such a text may shrink but not grow.
class TypedLengthLimit : public QValidator {
    Q_OBJECT

public:
    TypedLengthLimit(int limit, QLineEdit* edit);

    State validate(QString& input, int& position) const override;
    int limit() const { return limit_; }

private:
    int limit_;
    qsizetype currentLength_ = 0;
};

} // namespace vorn
