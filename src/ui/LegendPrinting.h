// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "view/LegendSheet.h"

#include <QCoreApplication>
#include <QString>
#include <string>

class QWidget;

namespace vorn {

class EditorSession;
class UserMessages;

// The Template menu's legend commands: the open template's legend sheet (its labels as they
// stand, unsaved ones included), printed through the print preview or saved as a PDF.
class LegendPrinting {
    Q_DECLARE_TR_FUNCTIONS(vorn::LegendPrinting)

public:
    LegendPrinting(const EditorSession& session, UserMessages& messages)
        : session_(session)
        , messages_(messages) {}

    // The sheet, dated today, on the paper the user's locale uses (Letter in the US, else A4).
    LegendSheet sheet() const;
    // "shop.pdf" beside "shop.tpl"; "Untitled.pdf" in the start folder for a new template.
    QString suggestedPdfPath() const;
    // Writes the PDF; false after a message naming the file and the error.
    bool exportPdf(const QString& path) const;

    // "Print Legends...": the print preview, from which the print dialog is reached.
    void print(QWidget* parent) const;
    // "Export Legends as PDF...": asks where, then writes.
    void exportWithDialog(QWidget* parent) const;

private:
    const EditorSession& session_;
    UserMessages& messages_;
};

} // namespace vorn
