// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CInputSCanCode.h"

#include "ui/DialogButtons.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace vorn {

namespace {

constexpr std::array<std::string_view, CInputSCanCode::choiceCount> scanCodeChoices{
    "[F1]",
    "[F2]",
    "[F3]",
    "[F4]",
    "[F5]",
    "[F6]",
    "[F7]",
    "[F8]",
    "[F9]",
    "[F10]",
    "[F11]",
    "[F12]",
    "[ESC]",
    "[Backspace]",
    "[Tab]",
    "[CapsLock]",
    "[Enter]",
    "[Shift]",
    "[RightShift]",
    "[Ctrl]",
    "[RightCtrl]",
    "[Alt]",
    "[RightAlt]",
    "[Space]",
    "[Insert]",
    "[Delete]",
    "[Home]",
    "[End]",
    "[PageUp]",
    "[PageDown]",
    "[ArrowUp]",
    "[ArrowLeft]",
    "[ArrowRight]",
    "[ArrowDown]",
    "[NumLock]",
    "[ScrollLk]",
    "[PrintScreen]",
    "[PauseBreak]",
    "[Win]",
    "[RightWin]",
    "[Menu]",
    "[Ctrl+PauseBreak]",
    "[Ctrl+PrintScreen]",
    "[Alt+PrintScreen]",
    "[PAD0]",
    "[PAD1]",
    "[PAD2]",
    "[PAD3]",
    "[PAD4]",
    "[PAD5]",
    "[PAD6]",
    "[PAD7]",
    "[PAD8]",
    "[PAD9]",
    "[PAD+]",
    "[PAD-]",
    "[PAD*]",
    "[PAD/]",
    "[PAD.]",
    "[PADEnter]",
    "",
    "[SystemPower]",
    "[SystemSleep]",
    "[SystemWake]",
    "[Stop]",
    "[PlayPause]",
    "[Mute]",
    "[VolumeUp]",
    "[VolumeDown]",
    "[MediaSelect]",
    "[Mail]",
    "[Calculator]",
    "[MyComputer]",
    "[WWWSearch]",
    "[WWWHome]",
    "[WWWBack]",
    "[WWWForward]",
    "[WWWStop]",
    "[WWWRefresh]",
    "[WWWFavorites]",
};

QString latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

} // namespace

CInputSCanCode::CInputSCanCode(QWidget* parent)
    : QDialog(parent)
    , list_(new QComboBox(this)) {
    setWindowTitle(tr("Input Scan Code"));
    list_->setObjectName("scanCode");
    list_->setEditable(true);
    list_->setInsertPolicy(QComboBox::NoInsert);
    list_->setMaxVisibleItems(16);
    for (std::string_view choice : scanCodeChoices)
        list_->addItem(latin1(choice));
    list_->setCurrentText(latin1(start));
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(tr("Scan Code:"), this));
    row->addWidget(list_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(okCancelButtons(this));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    keepTitleWhole(this, layout);
}

const std::array<std::string_view, CInputSCanCode::choiceCount>& CInputSCanCode::choices() {
    return scanCodeChoices;
}

std::string CInputSCanCode::value() const {
    return list_->currentText().toLatin1().toStdString();
}

} // namespace vorn
