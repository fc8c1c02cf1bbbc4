// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CTextFileNamePath.h"

namespace vorn {

CTextFileNamePath::CTextFileNamePath(bool exporting, QWidget* parent)
    : QFileDialog(parent, tr("Text File Template Import/Export")) {
    setOption(QFileDialog::DontUseNativeDialog);
    setOption(QFileDialog::DontConfirmOverwrite);
    // An import opens a file that is there; an export may name a new one.
    setAcceptMode(exporting ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    setFileMode(exporting ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    setNameFilter(tr("Text file template(*.txt)"));
    selectFile("*.txt");
    setLabelText(QFileDialog::Accept, exporting ? tr("Export") : tr("Import"));
    if (exporting)
        setDefaultSuffix("txt");
}

QString CTextFileNamePath::fullPath() const {
    const QStringList files = selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

} // namespace vorn
