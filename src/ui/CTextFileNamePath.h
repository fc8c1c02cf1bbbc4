#pragma once

#include <QFileDialog>

namespace vorn {

// "Text File Template Import/Export": picks the text file of an import or an export. A name
// that does not exist yet is accepted, and nothing asks before a file is replaced.
class CTextFileNamePath : public QFileDialog {
    Q_OBJECT
public:
    CTextFileNamePath(bool exporting, QWidget* parent = nullptr);

    // The chosen file's full path.
    QString fullPath() const;
};

} // namespace vorn
