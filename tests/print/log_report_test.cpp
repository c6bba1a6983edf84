#include "print/log_report.h"

#include <gtest/gtest.h>

#include "support/fake_platform.h"

namespace pennant {
namespace {

using Lines = std::vector<std::string>;

std::string fit(std::string s, std::size_t width) {
    s.resize(width, ' ');
    return s;
}
std::string blanks(std::size_t n) { return std::string(n, ' '); }

struct Sel {
    std::string name, result, odds;
};

LogRecord record(const std::string& type, const std::string& stake, const std::string& payout,
                 const std::vector<Sel>& sels, const std::string& rowHeight) {
    LogRecord r;
    r.RowHeight = fit(rowHeight, LogRecord::kRowHeight);
    r.BetDate = fit("11/12/2026", LogRecord::kBetDate);
    r.BetType = fit(type, LogRecord::kBetType);
    r.BetTerms = fit("WIN", LogRecord::kBetTerms);
    r.StakePerBet = fit("1.00", LogRecord::kStakePerBet);
    r.TotalStake = fit(stake, LogRecord::kTotalStake);
    for (std::size_t i = 0; i < 6; ++i) {
        Sel s = i < sels.size() ? sels[i] : Sel{"Selection " + std::to_string(i + 1), "LOST", "EVENS"};
        r.SelName[i] = fit(s.name, LogRecord::kSelName);
        r.SelResult[i] = fit(s.result, LogRecord::kSelResult);
        r.SelOdds[i] = fit(s.odds, LogRecord::kSelOdds);
    }
    r.Payout = fit(payout, LogRecord::kPayout);
    r.TaxPaid = fit("1", LogRecord::kTaxPaid);
    r.LogOpeningBalance = fit("100", LogRecord::kLogOpeningBalance);
    return r;
}

LogRecord single(const std::string& stake, const std::string& payout, const std::string& result = "LOST") {
    return record("Single", stake, payout, {{"Selection 1", result, "5/2"}}, "200");
}

Lines report(const std::vector<LogRecord>& records, const Dyn& opening = 100.0) {
    auto doc = logReport(records, "DEFAULT.BSL", opening);
    EXPECT_TRUE(doc.has_value());
    return doc ? renderText(*doc) : Lines{};
}

// The entry's line that holds the selection text and the money columns:
// the date and the total stake (both printed at their full width) each
// reach the next column, so it is the third line of the entry.
const std::size_t kFirstEntry = 7;
const std::size_t kMoneyLine = kFirstEntry + 2;

std::string moneyLine(const std::string& selection, const std::string& won, const std::string& lost,
                      const std::string& balance) {
    std::string s = blanks(33) + selection;
    s += blanks(53 - s.size()) + won;
    s += blanks(63 - s.size()) + lost;
    return s + blanks(71 - s.size()) + balance;
}

TEST(LogReport, SingleLosingOneFromOpeningHundred) {
    Lines lines = report({single("1.00", "0")});
    Lines expected = {
        blanks(29) + "Pennant Calculator 95",
        " ",
        "Logname: DEFAULT.BSL",
        " ",
        "Opening Balance  100 ",
        " ",
        "Date   Bet      Win/Place Staked Results              Won      Lost    Balance",
        "11/12/2026",
        "       Single   WIN       1.00    ",
        blanks(33) + "Sel 1 LOST@5/2" + blanks(6) + " " + blanks(9) + "-1 " + blanks(5) + " 99 ",
        " ",
        "Closing Balance  99 ",
    };
    EXPECT_EQ(lines, expected);
}

TEST(LogReport, ShortFieldsStayOnOneLine) {
    // A date and a total stake that end before the next column keep the
    // whole entry on its first line.
    LogRecord r = single("1.00", "0");
    r.BetDate = "1/2/26";
    r.TotalStake = "1.00";
    Lines lines = report({r});
    EXPECT_EQ(lines[kFirstEntry], "1/2/26 Single   WIN       1.00   Sel 1 LOST@5/2" + blanks(6) + " " + blanks(9) +
                                      "-1 " + blanks(5) + " 99 ");
    EXPECT_EQ(lines[kFirstEntry + 1], " ");
}

TEST(LogReport, WonLostAndBalanceColumns) {
    struct Case {
        const char* name;
        std::vector<LogRecord> records;
        Dyn opening;
        std::string selection, won, lost, balance, closing;  // of the first entry
    } cases[] = {
        {"profit unrounded in Won", {single("1.00", "12.50", "WON")}, 0.0, "Sel 1 WON@5/2", " 11.5 ", " ", " 11.5 ",
         " 11.5 "},
        {"payout equal to stake is Lost 0", {single("1.00", "1.00", "WON")}, 0.0, "Sel 1 WON@5/2", " ", " 0 ", " 0 ",
         " 0 "},
        {"loss below one", {single("0.25", "0")}, 0.0, "Sel 1 LOST@5/2", " ", "-.25 ", "-.25 ", "-.25 "},
        {"opening as typed text", {single("1.00", "0")}, Dyn("50 pounds"), "Sel 1 LOST@5/2", " ", "-1 ", " 49 ",
         " 49 "},
        {"opening without a number", {single("1.00", "3.50", "WON")}, Dyn("none"), "Sel 1 WON@5/2", " 2.5 ", " ",
         " 2.5 ", " 2.5 "},
        {"balance adds profits to the cent", {single("1.00", "1.125", "WON"), single("1.00", "1.125", "WON")}, 0.0,
         "Sel 1 WON@5/2", " .125 ", " ", " .13 ", " .26 "},
    };
    for (const Case& c : cases) {
        Lines lines = report(c.records, c.opening);
        EXPECT_EQ(lines[kMoneyLine], moneyLine(c.selection, c.won, c.lost, c.balance)) << c.name;
        EXPECT_EQ(lines.back(), "Closing Balance " + c.closing) << c.name;
    }
}

TEST(LogReport, OpeningBalanceAsHeld) {
    EXPECT_EQ(report({single("1.00", "0")}, 100.0)[4], "Opening Balance  100 ");
    EXPECT_EQ(report({single("1.00", "0")}, -25.5)[4], "Opening Balance -25.5 ");
    EXPECT_EQ(report({single("1.00", "0")}, Dyn("50 pounds"))[4], "Opening Balance 50 pounds");
}

TEST(LogReport, YankeePrintsFourSelectionLines) {
    LogRecord r = record("Yankee", "11.99", "72.00",
                         {{"Red Rum", "WON", "5/2"}, {"Selection 2", "WON", "EVENS"}, {"Arkle", "LOST", "100/30"},
                          {"Selection 4", "NON RAN", "EVENS"}},
                         "800");
    Lines lines = report({r});
    ASSERT_EQ(lines.size(), kMoneyLine + 1 + 3 + 2);
    EXPECT_EQ(lines[kMoneyLine], moneyLine("Red Rum WON@5/2", " 60.01 ", " ", " 160.01 "));
    EXPECT_EQ(Lines(lines.begin() + kMoneyLine + 1, lines.begin() + kMoneyLine + 4),
              (Lines{blanks(33) + "Sel 2 WON@EVENS", blanks(33) + "Arkle LOST@100/30", blanks(33) + "Sel 4 NON RAN@EVENS"}));
}

TEST(LogReport, RowHeightGivesTheSelectionCount) {
    struct Case {
        const char* rowHeight;
        std::size_t further;
    } cases[] = {{"200", 0}, {"400", 1}, {"600", 2}, {"1000", 4}, {"1200", 5},
                 {"", 0},    {"300", 0}, {"1400", 0}, {"abc", 0}, {" 400", 1}};
    for (const Case& c : cases) {
        LogRecord r = record("Heinz", "1.00", "0", {}, c.rowHeight);
        EXPECT_EQ(report({r}).size(), kMoneyLine + 1 + c.further + 2) << '"' << c.rowHeight << '"';
    }
}

TEST(LogReport, PlaceholderShortenedOnlyInItsOwnSlot) {
    LogRecord r = record("Double", "1.00", "4.00",
                         {{"Selection 2", "WON", "2/1"}, {"Selection 2", "WON", "2/1"}}, "400");
    Lines lines = report({r});
    EXPECT_EQ(lines[kMoneyLine].substr(33, 19), "Selection 2 WON@2/1");
    EXPECT_EQ(lines[kMoneyLine + 1], blanks(33) + "Sel 2 WON@2/1");
}

TEST(LogReport, EmptyLogHasNoReport) { EXPECT_FALSE(logReport({}, "DEFAULT.BSL", 0.0).has_value()); }

class PrintLog : public ::testing::Test {
protected:
    Project project;
    testing::FakePlatform platform;
    Lines sent;

    void SetUp() override {
        project.OpeningBalance = 100.0;
        project.LogFileName = "bets.bsl";
        platform.onPrint = [this](const PrintDocument& doc) {
            sent = renderText(doc);
            return true;
        };
    }
};

TEST_F(PrintLog, EmptyLogShowsTheMessageAndPrintsNothing) {
    printLog(project, platform, {});
    EXPECT_EQ(platform.printed, 0);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "This Log contains no bets.");
    EXPECT_EQ(platform.messages[0].title, "Print Log Error");
    EXPECT_EQ(platform.messages[0].icon, Icon::Exclamation);
    EXPECT_EQ(platform.messages[0].buttons, Buttons::Ok);
}

TEST_F(PrintLog, PrintsTheReportAndLeavesTheLastRecordInLogRec) {
    std::vector<LogRecord> records = {single("1.00", "0"), single("2.00", "5.00", "WON")};
    printLog(project, platform, records);
    EXPECT_EQ(platform.printed, 1);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(sent[2], "Logname: bets.bsl");
    EXPECT_EQ(sent.back(), "Closing Balance  102 ");
    EXPECT_EQ(project.LogRecordCount, 2);
    EXPECT_EQ(project.LogRecordNumber, 2);
    LogRecord shortened = records[1];
    for (int k = 1; k <= 6; ++k) shortened.SelName[k - 1] = fit("Sel " + std::to_string(k), LogRecord::kSelName);
    EXPECT_EQ(project.LogRec, shortened);
    // The caller's records, like the file, keep the placeholder.
    EXPECT_EQ(records[1].SelName[0], "Selection 1");
}

TEST_F(PrintLog, FailedPrintIsReported) {
    platform.onPrint = [](const PrintDocument&) { return false; };
    printLog(project, platform, {single("1.00", "0")});
    EXPECT_EQ(platform.printed, 1);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "Print Log Error");
    EXPECT_NE(platform.messages[0].text.find("could not be printed"), std::string::npos);
}

TEST_F(PrintLog, AmountBeyondAnyNumberIsReportedNotPrinted) {
    printLog(project, platform, {single("1.00", "9E999", "WON")});
    EXPECT_EQ(platform.printed, 0);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "Print Log Error");
}

}  // namespace
}  // namespace pennant
