// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/LabelFit.h"

#include <QFontMetricsF>
#include <QImage>
#include <gtest/gtest.h>

namespace vorn::test {
namespace {

// A device of 1200 dots per inch, as the PDF writer's, and a standard cap's label box there.
struct Device {
    QImage image{1, 1, QImage::Format_RGB32};
    Device() {
        image.setDotsPerMeterX(47244);
        image.setDotsPerMeterY(47244);
    }
    static QSizeF millimetres(double w, double h) { return {w * 1200 / 25.4, h * 1200 / 25.4}; }
};

struct FitCase {
    const char* text;
    double width, height; // millimetres
    bool largest;         // at LabelFit::largest
    bool smallest;        // at LabelFit::smallest
    QStringList lines;    // empty: not compared
};

TEST(LabelFit, ShrinksWrapsAndElidesToTheBox) {
    const QString ellipsis(QChar(0x2026));
    const FitCase cases[] = {
        {"TOTAL", 15, 11, true, false, {"TOTAL"}},
        {"TOTAL\nSALE", 15, 11, true, false, {"TOTAL", "SALE"}},
        {"Milk 0.50", 12, 11, true, false, {"Milk", "0.50"}},
        // Three lines of 24 characters: smaller, but whole.
        {"ABCDEFGHIJKLMNOPQRSTUVWX\nABCDEFGHIJKLMNOPQRSTUVWX\nABCDEFGHIJKLMNOPQRSTUVWX",
         40,
         11,
         false,
         false,
         {}},
        // Too long even at the smallest size: elided.
        {"ABCDEFGHIJKLMNOPQRSTUVWXABCDEFGHIJKLMNOPQRSTUVWX", 15, 11, false, true, {}},
        // More lines than stand in the box: the last one shown ends in the ellipsis.
        {"a\nb\nc\nd\ne\nf\ng\nh", 15, 6, false, true, {}},
    };
    const Device device;
    const LabelFit fit(QFont("DejaVu Sans"), &device.image);
    for (const FitCase& c : cases) {
        SCOPED_TRACE(c.text);
        const QSizeF box = Device::millimetres(c.width, c.height);
        const FittedLabel fitted = fit.fit(c.text, box);
        EXPECT_EQ(fitted.font.pointSizeF() == LabelFit::largest, c.largest);
        EXPECT_EQ(fitted.font.pointSizeF() == LabelFit::smallest, c.smallest);
        EXPECT_GE(fitted.font.pointSizeF(), LabelFit::smallest);
        if (!c.lines.isEmpty()) {
            EXPECT_EQ(fitted.lines, c.lines);
        }
        const QFontMetricsF metrics(fitted.font, &device.image);
        EXPECT_LE(metrics.height() + (fitted.lines.size() - 1) * metrics.lineSpacing(),
                  box.height());
        for (const QString& line : fitted.lines)
            EXPECT_LE(metrics.horizontalAdvance(line), box.width()) << line.toStdString();
        if (c.smallest)
            EXPECT_TRUE(fitted.lines.join("").contains(ellipsis));
        else
            EXPECT_EQ(fitted.lines.join(" "), QString(c.text).replace('\n', ' '));
    }
}

} // namespace
} // namespace vorn::test
