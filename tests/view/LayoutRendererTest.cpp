// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/LayoutRenderer.h"

#include "document/SettingsStore.h"
#include "document/VornDoc.h"
#include "support/RecordedMessages.h"
#include "support/TestFolder.h"

#include <QImage>
#include <gtest/gtest.h>

namespace vorn::test {
namespace {

const QColor grey(220, 220, 220);
const QColor blue(0, 0, 255);
const QColor green(30, 150, 0);
const QColor black(0, 0, 0);
const QColor white(255, 255, 255);

struct Screen {
    TestFolder folder;
    SettingsStore settings;
    RecordedMessages messages;
    CVornDoc doc;
    EditingState state;
    LayoutRenderer renderer;

    explicit Screen(int modelId)
        : doc(settings, messages, DocumentPlaces{folder.dir().string(), {}}, modelId) {
        doc.onNewDocument();
        state.resetForInitialUpdate(doc.layout().slotKey()[0]);
    }
    QImage render() { return renderer.render(doc, state, TransferStatus{}); }
    QRect slotRect(int slot) const {
        const auto [x, y] = doc.layout().slotPos()[slot];
        const auto [w, h] = doc.layout().slotSize()[slot];
        return {x, y, w, h};
    }
};

// Pixels of antialiased blue text: more blue than red or green.
int countBluish(const QImage& image, const QRect& area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += c.blue() > c.red() + 60 && c.blue() > c.green() + 60;
        }
    return count;
}

int countColour(const QImage& image, const QRect& area, const QColor& colour) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixelColor(x, y) == colour;
    return count;
}

TEST(LayoutRenderer, BackgroundFramesAndCaret) {
    Screen screen(2013);
    const QImage image = screen.render();
    EXPECT_EQ(image.size(), LayoutRenderer::screenSize);
    EXPECT_EQ(image.pixelColor(0, 200), black);   // outline of the client area
    EXPECT_EQ(image.pixelColor(5, 200), grey);    // background
    EXPECT_EQ(image.pixelColor(100, 20), black);  // keyboard frame, inner line
    EXPECT_EQ(image.pixelColor(100, 19), white);  // and its light outer line
    EXPECT_EQ(image.pixelColor(730, 150), black); // right side
    EXPECT_EQ(image.pixelColor(600, 349), black); // content box outline
    EXPECT_EQ(image.pixelColor(600, 340), white); // content box fill
    for (int x = 99; x <= 104; ++x)               // caret in column 0
        EXPECT_EQ(image.pixelColor(x, 347), black) << x;
    EXPECT_EQ(image.pixelColor(107, 347), white);
}

TEST(LayoutRenderer, CaptionColourFollowsTheKeysState) {
    Screen screen(2013);
    const KeyLayout& layout = screen.doc.layout();
    const int blankSlot = 15, definedSlot = 29, modifiedSlot = 14; // "Tab", "CapsLk", "BS"
    for (const int slot : {definedSlot, modifiedSlot})
        screen.doc.setKeyText(layout.slotKey()[slot], "x");
    screen.doc.setKeyFlags(layout.slotKey()[modifiedSlot],
                           screen.doc.keyBlank()[layout.slotKey()[modifiedSlot]], false);
    const QImage image = screen.render();

    const struct {
        int slot;
        QColor colour;
    } expected[] = {{blankSlot, black}, {definedSlot, blue}, {modifiedSlot, green}};
    for (const auto& e : expected) {
        const QRect caption = screen.slotRect(e.slot).adjusted(3, 2, -2, -2);
        EXPECT_GT(countColour(image, caption, e.colour), 5) << e.slot;
        for (const QColor other : {black, blue, green})
            if (other != e.colour) {
                EXPECT_EQ(countColour(image, caption, other), 0) << e.slot;
            }
    }
}

// Emptying a key shows it blank on the next repaint, not changed.
TEST(LayoutRenderer, PaintingRefreshesTheBlankFlags) {
    Screen screen(2013);
    const int key = screen.doc.layout().slotKey()[2];
    screen.doc.setKeyText(key, "x");
    screen.doc.setKeyFlags(key, false, screen.doc.keyDefined()[key]);
    screen.doc.setKeyFlags(key, screen.doc.keyBlank()[key], false);
    screen.doc.setKeyText(key, {});
    const QImage image = screen.render();
    EXPECT_TRUE(screen.doc.keyBlank()[key]);
    EXPECT_EQ(countColour(image, screen.slotRect(2).adjusted(3, 2, -2, -2), green), 0);
}

// Show Labels: a labelled cap shows its label centred in the caption's colour, shrunk to fit;
// the other caps keep their captions.
TEST(LayoutRenderer, ShowLabelsDrawsLabelsInPlaceOfCaptions) {
    Screen screen(2013);
    const KeyLayout& layout = screen.doc.layout();
    const int labelled = 29, wide = 30, plain = 15;
    screen.doc.setKeyText(layout.slotKey()[labelled], "x"); // blue, as a defined key
    screen.doc.setCapLabel(layout.slotKey()[labelled], "Espresso doppio\nlarge cup\nto go");
    screen.doc.setCapLabel(layout.slotKey()[wide], "WWWWWWWWWWWWWWWWWWWWWWWW");
    const QImage captions = screen.render();
    screen.renderer.setShowLabels(true);
    const QImage labels = screen.render();

    const QRect inside = screen.slotRect(labelled).adjusted(2, 2, -1, -1);
    EXPECT_NE(captions.copy(inside), labels.copy(inside));
    EXPECT_GT(countBluish(labels, inside), 10);
    // Centred: ink above and below the middle row, inside the cap only.
    const QRect top(inside.left(), inside.top(), inside.width(), inside.height() / 2);
    const QRect bottom = inside.adjusted(0, inside.height() / 2, 0, 0);
    EXPECT_GT(countBluish(labels, top), 0);
    EXPECT_GT(countBluish(labels, bottom), 0);
    const QRect outside = screen.slotRect(labelled).adjusted(-4, -4, 4, 4);
    EXPECT_EQ(countBluish(labels, outside), countBluish(labels, inside));
    EXPECT_EQ(captions.copy(screen.slotRect(plain)), labels.copy(screen.slotRect(plain)));
    const QRect wideRect = screen.slotRect(wide);
    EXPECT_EQ(countColour(labels, wideRect.adjusted(-4, -4, 4, 4), black) -
                  countColour(labels, wideRect.adjusted(-1, -1, 1, 1), black),
              countColour(captions, wideRect.adjusted(-4, -4, 4, 4), black) -
                  countColour(captions, wideRect.adjusted(-1, -1, 1, 1), black))
        << "an elided label stays on its cap";
}

TEST(LayoutRenderer, SelectedEnterKeyIsFramedAsOneL) {
    for (const int modelId : {2013, 2014, 2015}) {
        Screen screen(modelId);
        screen.state.highlightOnly(41);
        screen.state.selectedSlot = 41;
        const QImage image = screen.render();
        const QRect upper = screen.slotRect(28);
        const QRect lower = screen.slotRect(41);
        SCOPED_TRACE(modelId);
        EXPECT_EQ(image.pixelColor(upper.left() + 10, upper.top()), black);
        EXPECT_EQ(image.pixelColor(upper.left(), upper.top() + 10), black);
        EXPECT_EQ(image.pixelColor(upper.right() + 1, upper.top() + 10), black);
        EXPECT_EQ(image.pixelColor(lower.left() + 5, lower.top()), black);
        EXPECT_EQ(image.pixelColor(lower.right() + 1, lower.top() + 10), black);
        EXPECT_EQ(image.pixelColor(lower.left() + 10, lower.bottom() + 1), black);
        // Where the two parts meet there is no line.
        for (int x = upper.left() + 3; x < upper.right() - 2; ++x) {
            EXPECT_NE(image.pixelColor(x, lower.top()), black) << x;
            EXPECT_NE(image.pixelColor(x, upper.bottom() + 1), black) << x;
        }
    }
}

TEST(LayoutRenderer, UnselectedEnterKeyHasNoLineBetweenItsParts) {
    Screen screen(2013);
    const QImage image = screen.render();
    const QRect upper = screen.slotRect(28);
    const QRect lower = screen.slotRect(41);
    EXPECT_EQ(image.pixelColor(lower.left() + 5, lower.top()), white);
    for (int x = upper.left() + 3; x < upper.right() - 2; ++x)
        EXPECT_EQ(image.pixelColor(x, lower.top()), grey) << x;
}

// A carriage return shows as the placeholder, byte 157's glyph.
TEST(LayoutRenderer, ControlBytesShowThePlaceholderGlyph) {
    Screen screen(2013);
    const int key = screen.state.selectedKey;
    const QRect firstCell(98, 331, viewGeometry::cellWidth, viewGeometry::lineHeight - 2);
    screen.doc.setKeyText(key, "\r");
    const QImage carriageReturn = screen.render().copy(firstCell);
    screen.doc.setKeyText(key, "\x9d");
    const QImage placeholder = screen.render().copy(firstCell);
    screen.doc.setKeyText(key, " ");
    const QImage blank = screen.render().copy(firstCell);
    EXPECT_EQ(carriageReturn, placeholder);
    EXPECT_NE(carriageReturn, blank);
}

TEST(LayoutRenderer, ContentLineShowsTheWindowBeforeTheCaret) {
    Screen screen(2013);
    std::string text;
    for (int i = 0; i < 100; ++i)
        text += static_cast<char>('0' + i % 10);
    screen.doc.setKeyText(screen.state.selectedKey, text);
    screen.state.caretIndex = 100;
    screen.state.caretColumn = 85;
    EXPECT_EQ(LayoutRenderer::contentLine(screen.doc, screen.state), text.substr(15));

    screen.state.decimalDisplay = true; // decimal display of the text: "[48][49]..."
    screen.state.caretDisplayIndex = 4;
    screen.state.caretColumn = 0;
    EXPECT_EQ(LayoutRenderer::contentLine(screen.doc, screen.state).substr(0, 8), "[49][50]");
}

// Free space below zero is printed with its sign: a minus is one flat bar.
TEST(LayoutRenderer, NegativeFreeSpaceShowsItsSign) {
    Screen screen(2018);
    for (int key = 0; key < keyNumberCount; ++key)
        screen.doc.setKeyText(key, std::string(20, 'a'));
    ASSERT_LT(screen.doc.measureSpaceLeft(), 0);
    const QImage image = screen.render();
    int top = 1000, bottom = -1;
    for (int y = 310; y < 326; ++y)
        for (int x = 670; x < 677; ++x)
            if (image.pixelColor(x, y) == blue) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    ASSERT_GE(bottom, top);
    EXPECT_LE(bottom - top, 2);
}

} // namespace
} // namespace vorn::test
