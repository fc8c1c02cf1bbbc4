// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/TextFileFormat.h"

#include <gtest/gtest.h>

namespace vorn {
namespace {

struct Parsed {
    std::vector<TextRow> rows;
    int rowCount;
};

Parsed parse(std::string_view bytes, int keep = 10) {
    TextFileParser parser(keep);
    parser.feed(bytes);
    return {parser.rows(), parser.rowCount()};
}

TEST(TextFileFormat, LinesEscapeBackslashAndComma) {
    EXPECT_EQ(textFileLine("Enter", "a,b"), "Enter,a\\,b\r\n");
    EXPECT_EQ(textFileLine(",", "\\"), "\\,,\\\\\r\n");
    EXPECT_EQ(textFileLine("", ""), ",\r\n");
    EXPECT_EQ(textFileLine("F1", "[F1][Delay5]"), "F1,[F1][Delay5]\r\n");
}

TEST(TextFileFormat, LinesSplitIntoCaptionAndKeyText) {
    struct Case {
        std::string_view line;
        TextRow row;
    };
    const Case cases[] = {
        {"Enter,a\\,b", {"Enter", "a,b"}},
        {"A,B,C,D", {"A", "B"}},     // a third field is ignored
        {"x\\y", {"xy", ""}},        // no comma: caption only, the lone backslash dropped
        {"\\,,\\\\", {",", "\\"}},   // escaped comma and backslash
        {"K1,abc\\", {"K1", "abc"}}, // a backslash at the end is dropped
        {",", {"", ""}},
        {"", {"", ""}},
        {"a\rb,c", {"a\rb", "c"}}, // a CR not before the LF is data
    };
    for (const Case& c : cases) {
        const Parsed p = parse(std::string(c.line) + "\r\n");
        ASSERT_EQ(p.rowCount, 1) << c.line;
        EXPECT_EQ(p.rows[0], c.row) << c.line;
    }
    EXPECT_EQ(parse("a,b\r\r\n").rows[0], (TextRow{"a", "b\r"}));
    EXPECT_EQ(parse("a,b\n").rows[0], (TextRow{"a", "b"}));
}

TEST(TextFileFormat, RowsEndAtLineFeedsAndAtTheFirst0xFF) {
    Parsed p = parse("a,1\r\nb,2"); // no final line end: the last line is no row
    EXPECT_EQ(p.rowCount, 1);
    ASSERT_EQ(p.rows.size(), 1u);

    p = parse("a,1\r\nb,2\xFF\r\nc,3\r\n");
    EXPECT_EQ(p.rowCount, 1);

    p = parse("a,1\r\nb,2\r\nc,3\r\n", 2); // rows beyond the keys are counted, not kept
    EXPECT_EQ(p.rowCount, 3);
    EXPECT_EQ(p.rows, (std::vector<TextRow>{{"a", "1"}, {"b", "2"}}));
}

TEST(TextFileFormat, FeedingInPiecesGivesTheSameRows) {
    const std::string file = "a\\,b,x\\\\y\r\n,\r\nc,d\r\n\xFFjunk\n";
    const Parsed whole = parse(file);
    TextFileParser parser(10);
    for (const char c : file)
        parser.feed(std::string_view(&c, 1));
    EXPECT_EQ(parser.rows(), whole.rows);
    EXPECT_EQ(parser.rowCount(), 3);
    EXPECT_FALSE(parser.feed("more,rows\n"));
    EXPECT_EQ(parser.rowCount(), 3);
}

TEST(TextFileFormat, LineFeedsAnd0xFFDoNotFitATextFile) {
    EXPECT_TRUE(fitsTextFile("[F1],\\\r"));
    EXPECT_FALSE(fitsTextFile("a\nb"));
    EXPECT_FALSE(fitsTextFile("a\xFF"));
}

} // namespace
} // namespace vorn
