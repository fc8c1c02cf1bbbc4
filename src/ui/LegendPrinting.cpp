// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/LegendPrinting.h"

#include "document/Translation.h"
#include "document/UserMessages.h"
#include "editor/EditorSession.h"

#include <QFileDialog>
#include <QLocale>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QWidget>
#include <filesystem>

namespace vorn {

namespace {

LegendPaper localPaper() {
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? LegendPaper::letter
                                                                              : LegendPaper::a4;
}

// What a template not yet saved is called.
std::string untitledName() {
    return translateText("vorn::EditorSession", EditorSession::untitled);
}

} // namespace

LegendSheet LegendPrinting::sheet() const {
    const CVornDoc& doc = session_.doc();
    const std::string name = session_.path().empty()
                                 ? untitledName()
                                 : std::filesystem::path(session_.path()).filename().string();
    LegendOptions options;
    options.paper = localPaper();
    return LegendSheet(legendContentOf(doc, name), options);
}

QString LegendPrinting::suggestedPdfPath() const {
    if (session_.path().empty())
        return QString::fromStdString(
            (std::filesystem::path(session_.doc().startDirectory()) / (untitledName() + ".pdf"))
                .string());
    std::filesystem::path path(session_.path());
    return QString::fromStdString(path.replace_extension(".pdf").string());
}

bool LegendPrinting::exportPdf(const QString& path) const {
    QString error;
    if (sheet().writePdf(path, error))
        return true;
    messages_.showMessage(
        tr("The PDF file: <%1> can't be written !! %2").arg(path, error).toStdString());
    return false;
}

void LegendPrinting::print(QWidget* parent) const {
    const LegendSheet legends = sheet();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(legends.pageLayout());
    printer.setDocName(tr("Key legends"));
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(tr("Print Legends"));
    // Large enough to judge a page: most of the window it belongs to.
    if (parent)
        preview.resize(parent->window()->size() * 0.85);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&legends](QPrinter* device) { legends.paint(*device); });
    preview.exec();
}

void LegendPrinting::exportWithDialog(QWidget* parent) const {
    QFileDialog dialog(parent, tr("Export Legends as PDF"), suggestedPdfPath(),
                       tr("PDF files (*.pdf);;All files (*)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("pdf");
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        exportPdf(dialog.selectedFiles().front());
}

} // namespace vorn
