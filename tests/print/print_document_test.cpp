#include "print/print_document.h"

#include <gtest/gtest.h>

namespace pennant {
namespace {

using Lines = std::vector<std::string>;

TEST(PrintNumberForm, BlankOrMinusBeforeOneBlankAfter) {
    struct Case {
        double value;
        const char* printed;
    } cases[] = {
        {0.5, " .5 "},  {-0.25, "-.25 "}, {0, " 0 "},        {-0.0, " 0 "},
        {11.5, " 11.5 "}, {99, " 99 "},   {-1, "-1 "},       {1.0 / 3, " .333333333333333 "},
        {123456.78, " 123456.78 "},
    };
    for (const Case& c : cases) {
        PrintDocument doc;
        doc.number(c.value).endLine();
        EXPECT_EQ(renderText(doc), Lines{c.printed}) << c.value;
    }
}

TEST(PrintColumns, ItemAtColumnStartsThereOrOnTheNextLine) {
    struct Case {
        const char* name;
        std::string before;
        int column;
        Lines expected;
    } cases[] = {
        {"fresh line", "", 30, {std::string(29, ' ') + "X"}},
        {"column 1 on a fresh line", "", 1, {"X"}},
        {"gap filled with blanks", "abc", 8, {"abc    X"}},
        {"text ends just before the column", "abcdefg", 8, {"abcdefgX"}},
        {"text reaches the column", "abcdefgh", 8, {"abcdefgh", "       X"}},
        {"text passes the column", "abcdefghijk", 8, {"abcdefghijk", "       X"}},
        {"trailing blanks count as printed", "ab        ", 8, {"ab        ", "       X"}},
    };
    for (const Case& c : cases) {
        PrintDocument doc;
        if (!c.before.empty()) doc.text(c.before);
        doc.at(c.column, "X").endLine();
        EXPECT_EQ(renderText(doc), c.expected) << c.name;
    }
}

TEST(PrintColumns, LaterItemsFollowOnTheLineMovedTo) {
    PrintDocument doc;
    doc.text("1234567890").at(8, "Single   ").at(17, "WIN").text("!").at(19, "late").endLine();
    EXPECT_EQ(renderText(doc), (Lines{"1234567890", "       Single   WIN!", "                  late"}));
}

TEST(PrintColumns, CountsCharactersNotBytes) {
    PrintDocument doc;
    doc.text("Café").at(6, "X").endLine();
    EXPECT_EQ(renderText(doc), Lines{"Café X"});
}

TEST(PrintDocumentBuilder, LinesAndEmptyLines) {
    PrintDocument doc;
    doc.line("one").blankLine().endLine().text("a").text("b").number(2).endLine();
    doc.text("unended");
    EXPECT_EQ(renderText(doc), (Lines{"one", " ", "", "ab 2 ", "unended"}));
    ASSERT_EQ(doc.lines.size(), 5u);
    EXPECT_EQ(doc.lines[3].items.size(), 3u);
}

TEST(PrintDocumentBuilder, KeepsItemsWithTheirColumns) {
    PrintDocument doc;
    doc.text("Date").at(8, "Bet").numberAt(72, -1).endLine();
    ASSERT_EQ(doc.lines.size(), 1u);
    const auto& items = doc.lines[0].items;
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].column, 0);
    EXPECT_EQ(items[1].column, 8);
    EXPECT_EQ(items[2].kind, PrintItem::Kind::Number);
    EXPECT_EQ(items[2].number, -1);
    EXPECT_EQ(items[2].printed(), "-1 ");
}

// A printer font where a blank is narrow and a digit wide: the rule uses the
// measured width, so the same items may stay on one line or move.
TEST(PrintLayout, UsesMeasuredWidths) {
    auto width = [](std::string_view s) {
        double w = 0;
        for (char c : s) w += c == ' ' ? 2 : 12;
        return w;
    };
    const double average = 10;
    PrintDocument doc;
    doc.text("12  ").at(4, "A").endLine();     // 28 wide, column 4 at 30: stays
    doc.text("123 ").at(4, "B").endLine();     // 38 wide: moves
    auto lines = layOut(doc, width, average);
    ASSERT_EQ(lines.size(), 3u);
    ASSERT_EQ(lines[0].size(), 2u);
    EXPECT_EQ(lines[0][1].x, 30);
    EXPECT_EQ(lines[0][1].text, "A");
    ASSERT_EQ(lines[1].size(), 1u);
    ASSERT_EQ(lines[2].size(), 1u);
    EXPECT_EQ(lines[2][0].x, 30);
    EXPECT_EQ(lines[2][0].text, "B");
}

}  // namespace
}  // namespace pennant
