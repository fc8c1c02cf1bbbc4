// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFileDialog>

namespace vorn {

// "Text File Template Import/Export": picks the text file of an import (an existing file) or
// an export (a new name is accepted, and nothing asks before a file is replaced).
class CTextFileNamePath : public QFileDialog {
    Q_OBJECT
public:
    CTextFileNamePath(bool exporting, QWidget* parent = nullptr);

    // The chosen file's full path.
    QString fullPath() const;
};

} // namespace vorn
