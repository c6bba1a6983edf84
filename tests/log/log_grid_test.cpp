#include "log/log_grid.h"

#include <gtest/gtest.h>

#include "log/log_test_support.h"

namespace pennant {
namespace {

using testing::fixture;
using testing::sampleRecord;

using Cells = std::array<std::string, kLogColumns>;

TEST(LogGrid, BalanceRunsFromTheOpeningBalance) {
    std::vector<LogRecord> records = {sampleRecord("Red Rum", "0", "2.00"), sampleRecord("Arkle", "12.50", "1.00")};
    records[1].setSelResult(0, "WON");
    records[1].setSelOdds(0, "11/1");
    LogGrid grid = buildLogGrid(records, Dyn(100.0));

    ASSERT_EQ(grid.rows.size(), 2u);
    EXPECT_EQ(grid.rows[0].cells,
              (Cells{"11/12/2026", "Single", "WIN", "1.00", "2.00", "Red Rum LOST @EVENS", "", "-2.00", "98.00"}));
    EXPECT_EQ(grid.rows[1].cells,
              (Cells{"11/12/2026", "Single", "WIN", "1.00", "1.00", "Arkle WON @11/1", "11.50", "", "109.50"}));
    EXPECT_EQ(grid.GridText,
              "11/12/2026\tSingle\tWIN\t1.00\t2.00\tRed Rum LOST @EVENS\t\t-2.00\t98.00\r"
              "11/12/2026\tSingle\tWIN\t1.00\t1.00\tArkle WON @11/1\t11.50\t\t109.50\r");
    EXPECT_EQ(grid.opening, "100");
    EXPECT_FALSE(grid.openingNegative);
    EXPECT_EQ(grid.closing, "109.50");
    EXPECT_FALSE(grid.closingNegative);
    EXPECT_TRUE(grid.complete);
}

TEST(LogGrid, ProfitOfZeroOrLessIsLost) {
    struct Case {
        const char* payout;
        const char* total;
        const char* won;
        const char* lost;
        const char* balance;
    } cases[] = {
        {"1.00", "1.00", "", "0.00", "10.00"},   // payout equals the stake
        {"1.004", "1.00", "", "0.00", "10.00"},  // rounds to nothing
        {"1.125", "1.00", "0.13", "", "10.13"},  // half rounds away from zero
        {"0", "1.09", "", "-1.09", "8.91"},      {"3.50", "1.09", "2.41", "", "12.41"},
        {"  3.50 ", "abc", "3.50", "", "13.50"},  // no number reads as 0
        {"2x", "1 5", "", "-13.00", "-3.00"},     // leading numbers, blanks dropped: 2 - 15
    };
    for (const auto& c : cases) {
        LogGrid grid = buildLogGrid({sampleRecord("x", c.payout, c.total)}, Dyn(10.0));
        const Cells& cells = grid.rows.at(0).cells;
        EXPECT_EQ(cells[6], c.won) << c.payout << " - " << c.total;
        EXPECT_EQ(cells[7], c.lost) << c.payout << " - " << c.total;
        EXPECT_EQ(cells[8], c.balance) << c.payout << " - " << c.total;
    }
}

TEST(LogGrid, BalanceAddsRoundedProfitsAndNeverShowsMinusZero) {
    // Three profits of 0.125 show as 0.13 each and add up to 0.39, not 0.38.
    std::vector<LogRecord> records(3, sampleRecord("x", "1.125", "1.00"));
    LogGrid grid = buildLogGrid(records, Dyn(0.0));
    EXPECT_EQ(grid.closing, "0.39");

    grid = buildLogGrid({sampleRecord("x", "0", "0.10"), sampleRecord("x", "0", "0.20")}, Dyn(0.3));
    EXPECT_EQ(grid.rows[1].cells[8], "0.00");
    EXPECT_EQ(grid.closing, "0.00");
    EXPECT_FALSE(grid.closingNegative);
}

TEST(LogGrid, OpeningBalanceIsShownAsHeld) {
    struct Case {
        Dyn opening;
        const char* label;
        bool negative;
        const char* balance;  // after one bet losing 1.00
    } cases[] = {
        {Dyn(-50.0), "-50", true, "-51.00"}, {Dyn(-25.5), "-25.5", true, "-26.50"},
        {Dyn("abc"), "abc", false, "-1.00"}, {Dyn(""), "", false, "-1.00"},
        {Dyn("100"), "100", false, "99.00"}, {Dyn(" 12.50 "), " 12.50 ", false, "11.50"},
    };
    for (const auto& c : cases) {
        LogGrid grid = buildLogGrid({sampleRecord("x", "0", "1.00")}, c.opening);
        EXPECT_EQ(grid.opening, c.label);
        EXPECT_EQ(grid.openingNegative, c.negative) << c.label;
        EXPECT_EQ(grid.rows[0].cells[8], c.balance) << c.label;
        EXPECT_EQ(grid.closingNegative, c.balance[0] == '-') << c.label;
    }
}

TEST(LogGrid, EmptyLogHasNoClosingBalance) {
    LogGrid grid = buildLogGrid({}, Dyn(-50.0));
    EXPECT_TRUE(grid.rows.empty());
    EXPECT_EQ(grid.GridText, "");
    EXPECT_EQ(grid.opening, "-50");
    EXPECT_TRUE(grid.openingNegative);
    EXPECT_EQ(grid.closing, "");
    EXPECT_FALSE(grid.closingNegative);
}

TEST(LogGrid, ResultsCellHoldsOneLinePerSelection) {
    LogRecord lucky = LogRecord::fromBytes(fixture("lucky15.bsl"));
    LogGridRow row = buildLogGrid({lucky}, Dyn(0.0)).rows.at(0);
    EXPECT_EQ(row.height, 800);
    EXPECT_EQ(row.cells[5], "Red Rum LOST @2/1\nArkle LOST @3/1\nMill Reef LOST @4/1\nNijinsky LOST @5/1");
    EXPECT_EQ(row.cells[1], "Lucky 15");

    LogRecord treble = LogRecord::fromBytes(fixture("treble_place.bsl"));
    EXPECT_EQ(resultsCell(treble), "Red Rum PLACED @4/1\nArkle LOST @2/1\nSelection 3 NON RAN @EVENS");
}

TEST(LogGrid, UnknownRowHeightGivesEmptyResultsAndNoCellMoves) {
    struct Case {
        const char* rowHeight;
        int height;
        int selections;
    } cases[] = {{"200", 200, 1}, {"1200", 1200, 6}, {"1000", 1000, 5}, {"    ", 0, 0},   {"300", 300, 0},
                 {"0", 0, 0},     {"-200", 0, 0},    {"1400", 1400, 0}, {"20 0", 200, 1}, {"abc", 0, 0}};
    for (const auto& c : cases) {
        LogRecord r = sampleRecord("x", "0", "2.00");
        r.RowHeight = LogRecord::fit(c.rowHeight, LogRecord::kRowHeight);
        EXPECT_EQ(selectionCount(r), c.selections) << c.rowHeight;
        LogGrid grid = buildLogGrid({r}, Dyn(0.0));
        const LogGridRow& row = grid.rows.at(0);
        EXPECT_EQ(row.height, c.height) << c.rowHeight;
        if (c.selections == 0) {
            EXPECT_EQ(row.cells[5], "") << c.rowHeight;
        }
        EXPECT_EQ(row.cells[7], "-2.00") << c.rowHeight;
        EXPECT_EQ(row.cells[8], "-2.00") << c.rowHeight;
    }
    LogRecord blank = sampleRecord("x", "0", "2.00");
    blank.setRowHeight("");
    EXPECT_EQ(buildLogGrid({blank}, Dyn(0.0)).GridText, "11/12/2026\tSingle\tWIN\t1.00\t2.00\t\t\t-2.00\t-2.00\r");
}

TEST(LogGrid, AmountBeyondRangeStopsTheFilling) {
    std::vector<LogRecord> records = {sampleRecord("a", "1", "1"), sampleRecord("b", "1E999", "1"),
                                      sampleRecord("c", "1", "1")};
    LogGrid grid = buildLogGrid(records, Dyn(0.0));
    EXPECT_FALSE(grid.complete);
    EXPECT_EQ(grid.rows.size(), 1u);
    EXPECT_EQ(grid.closing, "0.00");
}

TEST(LogGrid, FieldsAreShownTrimmed) {
    LogRecord r = sampleRecord("  Red Rum", "0", " 2.00");
    r.setBetDate(" 1/2/2026");
    r.setSelOdds(0, " 5/2");
    LogGridRow row = buildLogGrid({r}, Dyn(0.0)).rows.at(0);
    EXPECT_EQ(row.cells[0], "1/2/2026");
    EXPECT_EQ(row.cells[4], "2.00");
    EXPECT_EQ(row.cells[5], "Red Rum LOST @5/2");
}

}  // namespace
}  // namespace pennant
