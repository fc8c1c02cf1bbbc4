// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/KeyCapLabels.h"
#include "document/KeyboardModels.h"
#include "image/TemplateImage.h"
#include "layout/KeyLayout.h"
#include "view/LegendOptions.h"
#include "view/LegendPlan.h"

#include <QCoreApplication>
#include <QFont>
#include <QPageLayout>
#include <QString>
#include <string>

class QPagedPaintDevice;
class QPainter;

namespace vorn {

class CVornDoc;

// What a legend sheet shows of a template.
struct LegendContent {
    KeyLayout layout;
    KeyLabels captions;   // by slot, as the editor's screen shows them
    KeyCapLabels labels;  // by key number
    KeyTexts keyTexts;    // by key number, for LegendOptions::keyTexts
    std::string fileName; // the template's, for the footer
    std::string modelName;
    std::string date;
};

// What the sheet shows of the document, dated today; `fileName` for the footer.
LegendContent legendContentOf(const CVornDoc& doc, std::string fileName);

// The printed legend sheet: the model's key caps at true size, each a thin cut outline with
// its label centred inside and its caption in the top-left corner, split over pages where the
// paper is too small, with a ruler, the pitch and a footer on every page. Paints on any paged
// device: a PDF writer, or a printer and its preview.
class LegendSheet {
    Q_DECLARE_TR_FUNCTIONS(vorn::LegendSheet)

public:
    static constexpr double pageMargin = 10; // millimetres on every side

    LegendSheet(LegendContent content, LegendOptions options);

    // The paper, turned as the caps take the fewest pages, with the margins: what a PDF gets
    // and what a print dialog starts from.
    QPageLayout pageLayout() const;
    // The pages for a page layout.
    LegendPlan plan(const QPageLayout& layout) const;

    // Paints every page on `device`, planned for its page layout as it is now (a printer's as
    // the user left it in the print dialog). False when painting cannot start.
    bool paint(QPagedPaintDevice& device) const;
    // Writes the sheet as a PDF (text kept as text) with pageLayout(), replacing `path`
    // atomically. False with `error` set when it cannot be written.
    bool writePdf(const QString& path, QString& error) const;

    // What a key's cap says: its label, else with key texts on its key text as dump shows it.
    QString legendOf(int key) const;
    // The line on every page that names the pitch.
    static QString pitchLine(double pitch);

private:
    struct Painting;

    // The sheet's sans-serif face at a point size.
    QFont fontOf(double points) const;

    void paintPage(Painting& p, const LegendPage& page, int number) const;
    void paintHeader(Painting& p, int number) const;
    void paintCap(Painting& p, const LegendPage& page, const LegendCap& cap) const;
    void paintLabel(Painting& p, const QRectF& face, const QString& text) const;
    void paintJoins(Painting& p, const LegendPage& page, int number) const;
    void paintRuler(Painting& p) const;
    void paintFooter(Painting& p) const;

    LegendContent content_;
    LegendOptions options_;
    QFont font_;
};

} // namespace vorn
