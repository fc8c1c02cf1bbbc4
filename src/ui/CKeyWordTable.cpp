// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CKeyWordTable.h"

#include "editor/KeyWordListText.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPlainTextEdit>

namespace vorn {

CKeyWordTable::CKeyWordTable(QWidget* parent)
    : QDialog(parent)
    , text_(new QPlainTextEdit(this)) {
    setWindowTitle(tr("Special Function Key Word Table"));
    setFixedSize(612, 490);
    text_->setGeometry(10, 10, 590, 470);
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    text_->setFont(font);
    text_->setTabStopDistance(QFontMetrics(font).horizontalAdvance(' ') * 8);
    text_->setPlainText(QString::fromStdString(keyWordListText()));
}

} // namespace vorn
