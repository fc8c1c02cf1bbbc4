// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/MessageBoxMessages.h"

#include "document/Translation.h"

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QStatusBar>

namespace vorn {

namespace {

constexpr auto boxTitle = "Vorn";
constexpr int statusMilliseconds = 5000;

// The fixed messages are translated here, as a whole; those with a file name or a number in
// them come translated (document/Translation.h) and stay as they are.
QString shown(std::string_view text) {
    return QString::fromLocal8Bit(QByteArray::fromStdString(translateText("vorn::Messages", text)));
}

QMessageBox::StandardButton ask(QWidget* parent, std::string_view text,
                                QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton escape) {
    QMessageBox box(QMessageBox::Question, boxTitle, shown(text), buttons, parent);
    box.setEscapeButton(escape);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

void MessageBoxMessages::showMessage(std::string_view text) {
    QMessageBox box(QMessageBox::NoIcon, boxTitle, shown(text), QMessageBox::Ok, parent_);
    box.exec();
}

// Closing the box or Esc counts as No.
bool MessageBoxMessages::askYesNo(std::string_view question) {
    return ask(parent_, question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
}

SaveAnswer MessageBoxMessages::askYesNoCancel(std::string_view question) {
    switch (ask(parent_, question, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                QMessageBox::Cancel)) {
    case QMessageBox::Yes: return SaveAnswer::yes;
    case QMessageBox::No: return SaveAnswer::no;
    default: return SaveAnswer::cancel;
    }
}

void MessageBoxMessages::showStatus(std::string_view text, StatusKind kind) {
    if (kind == StatusKind::refusal)
        QApplication::beep();
    if (auto* window = qobject_cast<QMainWindow*>(parent_))
        window->statusBar()->showMessage(shown(text), statusMilliseconds);
}

} // namespace vorn
