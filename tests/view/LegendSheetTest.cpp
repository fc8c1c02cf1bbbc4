// SPDX-License-Identifier: GPL-3.0-or-later
// The legend sheet's PDF read back with pdftotext: where the caps and labels are, the paper,
// and the split over pages.
#include "view/LegendSheet.h"

#include "support/PdfWords.h"
#include "support/TestFolder.h"

#include <QPdfWriter>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <optional>

namespace vorn::test {
namespace {

constexpr double tolerance = 0.2; // millimetres

// Every cap's caption is "c<slot>" and its label "L<key>": each word names its cap.
LegendContent namedContent(int modelId) {
    LegendContent content;
    content.layout.apply(modelId);
    for (int slot = 0; slot < content.layout.keyCount(); ++slot) {
        content.captions[slot] = "c" + std::to_string(slot);
        const int key = content.layout.slotKey()[slot];
        content.labels[key] = "L" + std::to_string(key);
    }
    content.fileName = "shop.tpl";
    content.modelName = "Model" + std::to_string(modelId);
    content.date = "2025-03-04";
    return content;
}

QRect slotRect(const KeyLayout& layout, int slot) {
    const auto [x, y] = layout.slotPos()[slot];
    const auto [w, h] = layout.slotSize()[slot];
    return {x, y, w, h};
}

// The number after `prefix` in a word such as "c12"; nothing for another word.
std::optional<int> numberAfter(const std::string& prefix, const std::string& text) {
    if (!text.starts_with(prefix) || text.size() == prefix.size())
        return std::nullopt;
    const std::string digits = text.substr(prefix.size());
    if (digits.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return std::stoi(digits);
}

struct Written {
    std::vector<PdfPage> pages;
    QPageLayout layout;
};

Written writePdf(const TestFolder& folder, const LegendContent& content,
                 const LegendOptions& options) {
    const LegendSheet sheet(content, options);
    const std::string path = folder.path("sheet.pdf");
    QString error;
    EXPECT_TRUE(sheet.writePdf(QString::fromStdString(path), error)) << error.toStdString();
    return {readPdfWords(path), sheet.pageLayout()};
}

// On every page: each caption sits at its slot's place × pitch / 30 from one corner common to
// the page's caps, each cap's label lies inside the cap, and every cap is on one page only.
void expectCapsAtTrueSize(const std::vector<PdfPage>& pages, const KeyLayout& layout,
                          double pitch) {
    const double scale = pitch / 30;
    std::map<int, int> captionsSeen;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        std::optional<QPointF> corner;
        std::map<int, QRectF> capOfKey; // in millimetres on the page
        for (const PdfWord& word : pages[p].words) {
            const auto slot = numberAfter("c", word.text);
            if (!slot)
                continue;
            ++captionsSeen[*slot];
            const QRect rect = slotRect(layout, *slot);
            const QPointF at = QPointF(word.left, word.top) - QPointF(rect.topLeft()) * scale;
            if (!corner)
                corner = at;
            EXPECT_NEAR(at.x(), corner->x(), tolerance) << "slot " << *slot << " page " << p + 1;
            EXPECT_NEAR(at.y(), corner->y(), tolerance) << "slot " << *slot << " page " << p + 1;
            capOfKey[layout.slotKey()[*slot]] =
                QRectF(QPointF(rect.topLeft()) * scale, QSizeF(rect.size()) * scale)
                    .translated(*corner);
        }
        for (const PdfWord& word : pages[p].words) {
            const auto key = numberAfter("L", word.text);
            if (!key)
                continue;
            ASSERT_TRUE(capOfKey.count(*key)) << word.text << " on page " << p + 1;
            const QRectF cap = capOfKey[*key];
            EXPECT_TRUE(cap.contains(
                QRectF(QPointF(word.left, word.top), QPointF(word.right, word.bottom))))
                << word.text << " page " << p + 1;
        }
    }
    const KeyLayout& l = layout;
    const int upperSlot = modelGeometry(l.modelId()).enterUpperSlot;
    for (int slot = 0; slot < l.keyCount(); ++slot)
        EXPECT_EQ(captionsSeen[slot], slot == upperSlot ? 0 : 1) << "slot " << slot;
}

TEST(LegendSheet, CapsAndLabelsAtTrueSizeForTwoModelsAndPitches) {
    TestFolder folder;
    for (const int model : {2013, 2018}) {
        for (const double pitch : {19.05, 25.0}) {
            SCOPED_TRACE("model " + std::to_string(model) + " pitch " + std::to_string(pitch));
            const LegendContent content = namedContent(model);
            const Written pdf = writePdf(folder, content, {pitch, LegendPaper::a4, false});
            ASSERT_FALSE(pdf.pages.empty());
            expectCapsAtTrueSize(pdf.pages, content.layout, pitch);
        }
    }
}

// Every page says what it is: its pitch line, the ruler's numbers, the footer; a sheet of more
// than one page numbers them.
TEST(LegendSheet, EveryPageCarriesPitchRulerAndFooter) {
    TestFolder folder;
    const Written pdf = writePdf(folder, namedContent(2018), {25, LegendPaper::a4, false});
    ASSERT_GT(pdf.pages.size(), 1u);
    const std::string total = std::to_string(pdf.pages.size());
    for (std::size_t p = 0; p < pdf.pages.size(); ++p) {
        const std::string text = pdf.pages[p].text();
        EXPECT_NE(text.find("Printed at pitch 25 mm \u2014 check the ruler before cutting"),
                  std::string::npos)
            << text;
        for (const char* number : {"0", "10", "20", "30", "40", "50", "mm"})
            EXPECT_TRUE(pdf.pages[p].has(number)) << number;
        // The ruler's numbers stand centred on its ticks: 0 and 50 are 50 mm apart.
        std::map<std::string, double> centre;
        for (const PdfWord& word : pdf.pages[p].words)
            centre[word.text] = (word.left + word.right) / 2;
        EXPECT_NEAR(centre["50"] - centre["0"], 50, tolerance);
        EXPECT_NE(text.find(std::to_string(p + 1) + " of " + total), std::string::npos);
        EXPECT_NE(text.find("Template: shop.tpl"), std::string::npos);
        EXPECT_NE(text.find("Model: Model2018"), std::string::npos);
        EXPECT_NE(text.find("2025-03-04"), std::string::npos);
    }
}

struct PaperCase {
    int model;
    LegendPaper paper;
    double pitch;
    double width, height; // millimetres, as turned
    std::size_t pages;
};

TEST(LegendSheet, PaperIsTurnedAsTheCapsFitBest) {
    // Keyboards are wide: across the paper, unless fewer pages stand upright (TR4060's 22
    // columns of keys at 25 mm: four pages of one row upright, six of two rows across).
    const PaperCase cases[] = {
        {2013, LegendPaper::a4, 19.05, 297, 210, 2},
        {2013, LegendPaper::a4, 10, 297, 210, 1},
        {2017, LegendPaper::letter, 10, 279.4, 215.9, 1},
        {2015, LegendPaper::legal, 19.05, 355.6, 215.9, 2},
        {2018, LegendPaper::a4, 25, 210, 297, 4},
    };
    TestFolder folder;
    for (const PaperCase& c : cases) {
        SCOPED_TRACE("model " + std::to_string(c.model) + " pitch " + std::to_string(c.pitch));
        const Written pdf = writePdf(folder, namedContent(c.model), {c.pitch, c.paper, false});
        ASSERT_EQ(pdf.pages.size(), c.pages);
        for (const PdfPage& page : pdf.pages) {
            // QPdfWriter rounds the paper to whole points.
            EXPECT_NEAR(page.width, c.width, 0.5);
            EXPECT_NEAR(page.height, c.height, 0.5);
        }
    }
}

// The widest model on A4 turned upright, as a printer set so would have it: four pages (the
// space bar, 207 pixels wide, starts the second page far to the left), each cap whole on one,
// every page's caps inside its margins, marks where neighbours join.
TEST(LegendSheet, WidestModelSplitsOverUprightA4AtKeyBoundaries) {
    TestFolder folder;
    const LegendContent content = namedContent(2015);
    const LegendSheet sheet(content, {});
    const std::string path = folder.path("upright.pdf");
    {
        QPdfWriter writer(QString::fromStdString(path));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
        ASSERT_TRUE(sheet.paint(writer));
    }
    const std::vector<PdfPage> pages = readPdfWords(path);
    ASSERT_EQ(pages.size(), 4u);
    expectCapsAtTrueSize(pages, content.layout, 19.05);
    for (std::size_t p = 0; p < pages.size(); ++p) {
        const PdfPage& page = pages[p];
        EXPECT_NEAR(page.width, 210, 0.5);
        EXPECT_NEAR(page.height, 297, 0.5);
        EXPECT_NE(page.text().find(std::to_string(p + 1) + " of 4"), std::string::npos);
        for (const PdfWord& word : page.words) {
            EXPECT_GE(word.left, 10 - tolerance) << word.text;
            EXPECT_LE(word.right, 200 + tolerance) << word.text;
        }
    }
    // Two marks each side of a join, named by the pages it joins.
    const auto marks = [](const PdfPage& page, const std::string& name) {
        int count = 0;
        const std::string text = " " + page.text() + " ";
        for (auto at = text.find(" " + name + " "); at != std::string::npos;
             at = text.find(" " + name + " ", at + 1))
            ++count;
        return count;
    };
    EXPECT_EQ(marks(pages[0], "1 | 2"), 2);
    EXPECT_EQ(marks(pages[1], "1 | 2"), 2);
    EXPECT_EQ(marks(pages[1], "2 | 3"), 2);
    EXPECT_EQ(marks(pages[2], "2 | 3"), 2);
    EXPECT_EQ(marks(pages[2], "3 | 4"), 2);
    EXPECT_EQ(marks(pages[3], "3 | 4"), 2);
    EXPECT_EQ(marks(pages[0], "2 | 3"), 0);
}

TEST(LegendSheet, KeyTextsStandInForMissingLabelsOnlyWhenAsked) {
    LegendContent content = namedContent(2017);
    content.labels = {};
    content.labels[105] = "Coffee";
    content.keyTexts[105] = "hidden";
    content.keyTexts[106] = "a\\b\x01";
    EXPECT_EQ(LegendSheet(content, {}).legendOf(105).toStdString(), "Coffee");
    EXPECT_EQ(LegendSheet(content, {}).legendOf(106).toStdString(), "");
    LegendOptions withTexts;
    withTexts.keyTexts = true;
    EXPECT_EQ(LegendSheet(content, withTexts).legendOf(105).toStdString(), "Coffee");
    EXPECT_EQ(LegendSheet(content, withTexts).legendOf(106).toStdString(), "a\\\\b\\x01");
}

TEST(LegendSheet, PitchLineNamesThePitchWithoutTrailingZeros) {
    EXPECT_EQ(LegendSheet::pitchLine(19.05).toStdString(),
              "Printed at pitch 19.05 mm \u2014 check the ruler before cutting");
    EXPECT_TRUE(LegendSheet::pitchLine(20).startsWith("Printed at pitch 20 mm "));
    EXPECT_TRUE(LegendSheet::pitchLine(19.5).startsWith("Printed at pitch 19.5 mm "));
}

TEST(LegendSheet, UnwritablePathIsReported) {
    QString error;
    EXPECT_FALSE(
        LegendSheet(namedContent(2017), {}).writePdf("/nonexistent-folder/sheet.pdf", error));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
} // namespace vorn::test
