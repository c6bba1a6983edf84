#include "log/log_add.h"

#include <gtest/gtest.h>

#include <regex>

#include "log/log_file.h"
#include "log/log_window_fixture.h"

namespace pennant {
namespace {

using namespace testing;
using LogAddTest = LogWindowTest;
using Step = FaultyOps::Step;

TEST_F(LogAddTest, WonSingleIsStoredExactly) {
    enter("Single", {{"Shergar", "5/2", Result::Win}});
    mnuAdd_Click(m);
    EXPECT_EQ(fileBytes(log()), fixture("single_won.bsl"));
    EXPECT_EQ(m.StatusBar1[0], "DATA LOGGED: YES");
    EXPECT_EQ(m.StatusBar1[2], "BETS LOGGED:  1");
    EXPECT_EQ(project.LogRec.toBytes(), fixture("single_won.bsl"));
    EXPECT_EQ(project.LogRecordNumber, 1);
}

TEST_F(LogAddTest, Lucky15StoresAllSixResultsAndOdds) {
    enter("Lucky 15", {{"Red Rum", "2/1", Result::Lose},
                       {"Arkle", "3/1", Result::Lose},
                       {"Mill Reef", "4/1", Result::Lose},
                       {"Nijinsky", "5/1", Result::Lose}});
    mnuAdd_Click(m);
    EXPECT_EQ(fileBytes(log()), fixture("lucky15.bsl"));
}

TEST_F(LogAddTest, PlaceTrebleStoresPlacedLostNonRan) {
    enter("Treble", {{"Red Rum", "4/1", Result::Win}, {"Arkle", "2/1", Result::Lose}, {"", "EVENS", Result::NR}},
          "0.50", 21);
    mnuAdd_Click(m);
    EXPECT_EQ(fileBytes(log()), fixture("treble_place.bsl"));
}

TEST_F(LogAddTest, NoBetTypeWritesNothing) {
    for (const char* type : {"Select Bet", "Lucky 16", ""}) {
        SCOPED_TRACE(type);
        m.setCombo7(type);
        auto panels = m.StatusBar1;
        mnuAdd_Click(m);
        EXPECT_FALSE(fs::exists(log()));
        EXPECT_EQ(m.StatusBar1, panels);
        EXPECT_EQ(project.BetsLoggedCount, 0);
    }
}

TEST_F(LogAddTest, AddingThreeTimesAppendsThreeRecords) {
    writeLog(log(), 2);
    project.BetsLoggedCount = 2;
    enter("Single", {{"Shergar", "5/2", Result::Win}});
    for (int i = 0; i < 3; ++i) mnuAdd_Click(m);
    EXPECT_EQ(m.StatusBar1[2], "BETS LOGGED:  5");
    EXPECT_EQ(countRecords(log()), 5);
    EXPECT_EQ(readRecordBytes(log(), 5), fixture("single_won.bsl"));
    EXPECT_EQ(project.LogRecordNumber, 5);
    EXPECT_EQ(project.LogRecordCount, 4);
}

TEST_F(LogAddTest, FullLogShowsAMessageAndWritesNothing) {
    writeFile(log(), std::string(32765 * 223, ' '));
    project.BetsLoggedCount = 32765;
    enter("Single", {{"Shergar", "5/2", Result::Win}});
    mnuAdd_Click(m);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "Add to Log");
    EXPECT_NE(platform.messages[0].text.find("32,765"), std::string::npos);
    EXPECT_EQ(fs::file_size(log()), 32765u * 223);
    EXPECT_EQ(project.BetsLoggedCount, 32765);
    EXPECT_EQ(m.StatusBar1[0], "DATA LOGGED: NO");
}

TEST_F(LogAddTest, FileErrorShowsAMessageAndChangesNothing) {
    auto records = writeLog(log(), 2);
    project.BetsLoggedCount = 2;
    m.StatusBar1[2] = "BETS LOGGED:  2";
    LogRecord before = project.LogRec;
    enter("Single", {{"Shergar", "5/2", Result::Win}});
    for (Step step : {Step::OpenLog, Step::Write, Step::Sync}) {
        SCOPED_TRACE(static_cast<int>(step));
        FaultyOps ops;
        ops.fail = step;
        ops.error = ENOSPC;
        platform.messages.clear();
        mnuAdd_Click(m, ops);
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].text.rfind("The bet was not added to the log.", 0), 0u);
        EXPECT_NE(platform.messages[0].text.find("No space left on device"), std::string::npos);
        EXPECT_EQ(fileBytes(log()), records[0] + records[1]);
        EXPECT_EQ(project.BetsLoggedCount, 2);
        EXPECT_EQ(m.StatusBar1[2], "BETS LOGGED:  2");
        EXPECT_EQ(m.StatusBar1[0], "DATA LOGGED: NO");
        EXPECT_EQ(project.LogRec, before);
    }
}

TEST_F(LogAddTest, MissingLogIsCreatedAndTheBetIsRecord1) {
    project.LogFileName = "new.bsl";
    enter("Single", {{"Shergar", "5/2", Result::Win}});
    mnuAdd_Click(m);
    EXPECT_EQ(fileBytes(dir / "new.bsl"), fixture("single_won.bsl"));
    EXPECT_EQ(m.StatusBar1[2], "BETS LOGGED:  1");
}

TEST_F(LogAddTest, LogResolvesAgainstItsOwnPathNeverTheCurrentDirectory) {
    fs::create_directories(dir / "elsewhere");
    project.LogFileName = (dir / "elsewhere" / "races.bsl").string();
    enter("Single", {{"Shergar", "5/2", Result::Win}});
    mnuAdd_Click(m);
    EXPECT_EQ(countRecords(dir / "elsewhere" / "races.bsl"), 1);
    EXPECT_EQ(namesIn(dir), std::set<std::string>{"elsewhere"});
}

TEST_F(LogAddTest, NamesBeyondTheBetKeepLogRecAndBlanksBecomePlaceholders) {
    project.LogRec.setSelName(2, "Old Three");
    enter("Double", {{"A name of 14 c", "EVENS", Result::Win}, {"   ", "EVENS", Result::Win}});
    m.row[2].name = "Not logged";
    mnuAdd_Click(m);
    LogRecord r = readRecord(log(), 1);
    EXPECT_EQ(r.RowHeight, "400 ");
    EXPECT_EQ(r.SelName[0], "A name of 1");
    EXPECT_EQ(r.SelName[1], "Selection 2");
    EXPECT_EQ(r.SelName[2], "Old Three  ");
    EXPECT_EQ(r.SelName[3], "Selection 4");
}

TEST_F(LogAddTest, AccentedNameIsStoredAsOneByte) {
    enter("Single", {{"Beauté", "5/2", Result::Win}});
    mnuAdd_Click(m);
    EXPECT_EQ(fileBytes(log()).substr(46, 11), "Beaut\xE9     ");
}

TEST_F(LogAddTest, EmptyPayoutIsStoredAs0AndOpeningBalanceAsText) {
    project.OpeningBalance = Dyn("-25.5");
    enter("Single", {{"Shergar", "5/2", Result::Win}});
    m.setCheck1(false);
    m.Label[49] = "";
    mnuAdd_Click(m);
    LogRecord r = readRecord(log(), 1);
    EXPECT_EQ(r.Payout, "0           ");
    EXPECT_EQ(r.TaxPaid, "0        ");
    EXPECT_EQ(r.LogOpeningBalance, "-25.5       ");
}

TEST_F(LogAddTest, BetDateFallsBackToDigitsWhenTheShortDateDoesNotFit) {
    EXPECT_EQ(
        numericDate(std::chrono::year_month_day{std::chrono::year{2026}, std::chrono::March, std::chrono::day{5}}),
        "05/03/2026");
    platform.today = "2026-12-11";
    EXPECT_EQ(betDate(platform), "2026-12-11");
    for (const char* longDate : {"Friday, 11 December 2026", "", "11.12.26 г"}) {
        platform.today = longDate;
        EXPECT_TRUE(std::regex_match(betDate(platform), std::regex(R"(\d\d/\d\d/\d\d\d\d)"))) << longDate;
    }
}

}  // namespace
}  // namespace pennant
