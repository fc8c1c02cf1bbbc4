// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WindowDialogs.h"

#include "ui/CKeyLabelDlg.h"
#include "ui/CSelectKeyboard.h"
#include "ui/CTextFileNamePath.h"
#include "view/OemCharset.h"

#include <QCoreApplication>
#include <QFileDialog>

namespace vorn {

namespace {

QString templateFilters() {
    return QCoreApplication::translate("vorn::WindowDialogs", "Templates (*.tpl);;All files (*)");
}

std::optional<std::string> chosen(const QString& path) {
    if (path.isEmpty())
        return std::nullopt;
    return path.toStdString();
}

} // namespace

std::optional<std::string> WindowDialogs::chooseTemplateToLoad() {
    return chosen(QFileDialog::getOpenFileName(
        parent_, QCoreApplication::translate("vorn::WindowDialogs", "Open"), QString(),
        templateFilters()));
}

// A name typed without an extension gets ".tpl"; the dialog asks before replacing that file.
std::optional<std::string> WindowDialogs::chooseTemplateToSave(const std::string& current) {
    QFileDialog dialog(parent_, QCoreApplication::translate("vorn::WindowDialogs", "Save As"),
                       QString::fromStdString(current), templateFilters());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("tpl");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return chosen(dialog.selectedFiles().front());
}

std::optional<std::string> WindowDialogs::chooseTextFile(bool exporting) {
    CTextFileNamePath dialog(exporting, parent_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return chosen(dialog.fullPath());
}

bool WindowDialogs::confirmModelSwitch() {
    CSelectKeyboard dialog(parent_);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<std::string> WindowDialogs::askKeyLabel(const std::string& caption,
                                                      const std::string& label) {
    CKeyLabelDlg dialog(oemToUnicode(caption), label, parent_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.label();
}

} // namespace vorn
