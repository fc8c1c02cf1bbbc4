// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WindowDialogs.h"

#include "ui/CSelectKeyboard.h"
#include "ui/CTextFileNamePath.h"

#include <QFileDialog>

namespace vorn {

namespace {

constexpr auto allFiles = "All Files (*)";

std::optional<std::string> chosen(const QString& path) {
    if (path.isEmpty())
        return std::nullopt;
    return path.toStdString();
}

} // namespace

std::optional<std::string> WindowDialogs::chooseTemplateToLoad() {
    return chosen(QFileDialog::getOpenFileName(parent_, "Open", QString(), allFiles));
}

std::optional<std::string> WindowDialogs::chooseTemplateToSave(const std::string& current) {
    return chosen(QFileDialog::getSaveFileName(parent_, "Save As", QString::fromStdString(current),
                                               allFiles));
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

} // namespace vorn
