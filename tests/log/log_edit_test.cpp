// The viewer's pick actions and UPDATE LOG on the models: they act only on
// the record the user saw, and never lose or overwrite another bet.
#include "log/log_edit.h"

#include <gtest/gtest.h>

#include "engine/numbers.h"
#include "log/log_add.h"
#include "log/log_file.h"
#include "log/log_window_fixture.h"

namespace pennant {
namespace {

using namespace testing;
using Step = FaultyOps::Step;

class LogEditTest : public LogWindowTest {
protected:
    LogViewerState viewer;
    std::vector<std::string> records;

    // A log of five bets, counted and shown in the viewer.
    void fiveBets() {
        records = writeLog(log(), 5);
        project.BetsLoggedCount = 5;
        viewer.fill(project);
    }
    PickOutcome pick(int row, const char* mode) { return pickAction(viewer, m, row, mode); }
};

TEST_F(LogEditTest, FillReadsTheLogAsTheViewerLeavesIt) {
    fiveBets();
    EXPECT_EQ(viewer.recordCount(), 5);
    EXPECT_EQ(viewer.file(), log());
    EXPECT_EQ(viewer.recordBytes(3), records[2]);
    EXPECT_EQ(project.LogRecordCount, 5);
    EXPECT_EQ(project.LogRecordNumber, 5);
    EXPECT_EQ(project.LogRec.toBytes(), records[4]);
    EXPECT_EQ(project.GridText, viewer.grid().GridText);
    EXPECT_EQ(viewer.grid().rows[1].cells[5], "Bet 2 LOST @EVENS");

    project.LogFileName = "new.bsl";
    viewer.fill(project);
    EXPECT_EQ(viewer.recordCount(), 0);
    EXPECT_EQ(fs::file_size(dir / "new.bsl"), 0u);

    project.LogFileName = (dir / "missing" / "x.bsl").string();
    EXPECT_THROW(viewer.fill(project), LogError);
}

TEST_F(LogEditTest, HeadingRowAndEmptyRow) {
    fiveBets();
    EXPECT_EQ(pick(0, "delete"), PickOutcome::Ignored);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(pick(6, "edit"), PickOutcome::NoCanDo);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "No Can Do");
    EXPECT_EQ(platform.messages[0].text, "No you can't edit/delete this line!");
    EXPECT_EQ(platform.messages[0].icon, Icon::Information);
    EXPECT_EQ(pick(3, " "), PickOutcome::Ignored);
    EXPECT_EQ(fs::file_size(log()), 5u * 223);
    EXPECT_FALSE(m.editState);
}

TEST_F(LogEditTest, DeleteRecord2Of5) {
    fiveBets();
    EXPECT_EQ(pick(2, "delete"), PickOutcome::Deleted);
    EXPECT_EQ(fileBytes(log()), records[0] + records[2] + records[3] + records[4]);
    EXPECT_EQ(project.BetsLoggedCount, 4);
    EXPECT_EQ(m.StatusBar1[2], "BETS LOGGED:  4");
    EXPECT_TRUE(platform.messages.empty());
    viewer.fill(project);
    EXPECT_EQ(viewer.recordCount(), 4);
}

TEST_F(LogEditTest, FailedDeleteSaysSoAndKeepsTheCount) {
    fiveBets();
    m.StatusBar1[2] = "BETS LOGGED:  5";
    for (Step step : {Step::OpenLog, Step::Write, Step::Rename}) {
        SCOPED_TRACE(static_cast<int>(step));
        FaultyOps ops;
        ops.fail = step;
        platform.messages.clear();
        EXPECT_EQ(pickAction(viewer, m, 2, "delete", ops), PickOutcome::Refill);
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].text.rfind("The line was not deleted", 0), 0u);
        EXPECT_EQ(fileBytes(log()), records[0] + records[1] + records[2] + records[3] + records[4]);
        EXPECT_EQ(project.BetsLoggedCount, 5);
        EXPECT_EQ(m.StatusBar1[2], "BETS LOGGED:  5");
        EXPECT_EQ(namesIn(dir), std::set<std::string>{"DEFAULT.BSL"});
    }
}

TEST_F(LogEditTest, LeftoverScratchFileIsKeptByAPick) {
    fiveBets();
    writeFile(dir / "LOG.TMP", records[0]);
    EXPECT_EQ(pick(6, "delete"), PickOutcome::NoCanDo);
    EXPECT_EQ(pick(2, "edit"), PickOutcome::Edited);
    EXPECT_EQ(fileBytes(dir / "LOG.TMP"), records[0]);
}

// Each way the log can change under a viewer that stays open.
TEST_F(LogEditTest, StaleViewerNeverDeletesOrEditsAnotherBet) {
    struct Case {
        const char* name;
        std::function<void()> change;
    } cases[] = {
        {"log switched",
         [this] {
             writeLog(dir / "other.bsl", 5);
             project.LogFileName = "other.bsl";
         }},
        {"record changed", [this] { replaceRecord(log(), 2, sampleRecord("Changed")); }},
        {"earlier record deleted", [this] { deleteRecord(log(), 1); }},
        {"log cleared", [this] { fs::remove(log()); }},
        {"log cleared and refilled", [this] { writeLog(log(), 1); }},
    };
    for (const auto& c : cases) {
        for (const char* mode : {"delete", "edit"}) {
            SCOPED_TRACE(std::string(c.name) + " " + mode);
            fiveBets();
            c.change();
            std::string logBefore = fs::exists(log()) ? fileBytes(log()) : "none";
            std::string otherBefore = fs::exists(dir / "other.bsl") ? fileBytes(dir / "other.bsl") : "none";
            platform.messages.clear();

            EXPECT_EQ(pick(2, mode), PickOutcome::Refill);
            ASSERT_EQ(platform.messages.size(), 1u);
            EXPECT_NE(platform.messages[0].text.find("The log has changed since it was shown"), std::string::npos);
            EXPECT_EQ(fs::exists(log()) ? fileBytes(log()) : "none", logBefore);
            EXPECT_EQ(fs::exists(dir / "other.bsl") ? fileBytes(dir / "other.bsl") : "none", otherBefore);
            EXPECT_EQ(project.BetsLoggedCount, 5);
            EXPECT_FALSE(m.editState);

            project.LogFileName = "DEFAULT.BSL";
            fs::remove(dir / "other.bsl");
        }
    }
}

TEST_F(LogEditTest, BetAddedSinceTheViewerFilledSurvivesADelete) {
    fiveBets();
    enter("Single", {{"Shergar", "5/2", Result::Win}});
    mnuAdd_Click(m);
    EXPECT_EQ(pick(2, "delete"), PickOutcome::Deleted);
    EXPECT_EQ(fileBytes(log()), records[0] + records[2] + records[3] + records[4] + fixture("single_won.bsl"));
}

TEST_F(LogEditTest, EditPutsTheLoggedBetIntoTheWindow) {
    LogRecord dbl = sampleRecord("Red Rum");
    dbl.setRowHeight("400");
    dbl.setBetType("Double");
    dbl.setStakePerBet("0.50");
    dbl.setTaxPaid("1");
    dbl.setSelName(1, "Arkle");
    dbl.setSelResult(0, "WON");
    dbl.setSelOdds(0, "5/2");
    dbl.setSelResult(1, "NON RAN");
    dbl.setSelOdds(1, "100/30");
    dbl.setSelOdds(5, "7/1");
    writeFile(log(), sampleRecord("First").toBytes() + dbl.toBytes());
    m.setCheck1(false);
    enter("Single", {{"Someone", "2/1", Result::Win}}, "1.00", 20);
    viewer.fill(project);

    EXPECT_EQ(pick(2, "edit"), PickOutcome::Edited);
    EXPECT_EQ(m.terms, Terms::ToWin);
    EXPECT_EQ(m.Label[8], "Win");
    EXPECT_TRUE(m.Check1);
    EXPECT_EQ(m.Combo7, "Double");
    EXPECT_TRUE(m.row[1].shown);
    EXPECT_FALSE(m.row[2].shown);
    EXPECT_EQ(m.Combo8, "0.5");
    EXPECT_EQ(m.row[0].name, "Red Rum    ");
    EXPECT_EQ(m.row[1].name, "Arkle      ");
    EXPECT_EQ(m.row[2].name, "Selection 3");
    EXPECT_EQ(m.row[1].odds, "100/30");
    EXPECT_EQ(m.row[5].odds, "7/1");
    EXPECT_EQ(m.row[0].result, Result::Win);
    EXPECT_EQ(m.row[1].result, Result::NR);
    // Recalculated with the record's odds: 0.50 at 5/2, the non-runner at 0.
    EXPECT_EQ(m.Label[49], "1.75");
    EXPECT_TRUE(m.editState);
    EXPECT_EQ(project.PickedRecordNumber, 2);
    EXPECT_EQ(project.LogRec, dbl);
}

TEST_F(LogEditTest, EnterStraightAfterEditWritesTheRecordBackUnchanged) {
    for (const char* name : {"single_won.bsl", "lucky15.bsl", "treble_place.bsl"}) {
        SCOPED_TRACE(name);
        std::string first = sampleRecord("First").toBytes(), last = sampleRecord("Last").toBytes();
        writeFile(log(), first + fixture(name) + last);
        viewer.fill(project);
        ASSERT_EQ(pick(2, "edit"), PickOutcome::Edited);
        Command3_Click(m);
        EXPECT_TRUE(platform.messages.empty());
        EXPECT_FALSE(m.editState);
        // Only the stake comes back in its shortest form ("1.00" as "1").
        LogRecord expected = LogRecord::fromBytes(fixture(name));
        expected.setStakePerBet(shortestForm(readLeading(expected.StakePerBet)));
        EXPECT_EQ(fileBytes(log()), first + expected.toBytes() + last);
    }
}

TEST_F(LogEditTest, AddViewEditUpdateKeepsTheRecordNumberAndLength) {
    enter("Single", {{"Shergar", "5/2", Result::Win}});
    mnuAdd_Click(m);
    enter("Double", {{"Red Rum", "2/1", Result::Win}, {"Arkle", "3/1", Result::Win}});
    mnuAdd_Click(m);
    mnuAdd_Click(m);
    std::string before = fileBytes(log());
    viewer.fill(project);

    ASSERT_EQ(pick(2, "edit"), PickOutcome::Edited);
    m.clickOption(FrmMain::optionFor(1, Result::Lose));
    platform.today = "12/12/2026";
    Command3_Click(m);

    EXPECT_FALSE(m.editState);
    EXPECT_EQ(fs::file_size(log()), 669u);
    std::string after = fileBytes(log());
    EXPECT_EQ(after.substr(0, 223), before.substr(0, 223));
    EXPECT_EQ(after.substr(446), before.substr(446));
    LogRecord r = readRecord(log(), 2);
    EXPECT_EQ(r.BetDate, "12/12/2026");
    EXPECT_EQ(r.SelResult[1], "LOST   ");
    EXPECT_EQ(r.SelName[1], "Arkle      ");
    EXPECT_EQ(project.BetsLoggedCount, 3);
}

TEST_F(LogEditTest, UpdateActsOnlyOnTheRecordTakenIntoTheWindow) {
    struct Case {
        const char* name;
        std::function<void()> change;
    } cases[] = {
        {"record changed", [this] { replaceRecord(log(), 2, sampleRecord("Changed")); }},
        {"earlier record deleted", [this] { deleteRecord(log(), 1); }},
        {"log cleared", [this] { fs::remove(log()); }},
        {"log switched",
         [this] {
             fs::copy_file(log(), dir / "copy.bsl");
             project.LogFileName = "copy.bsl";
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fiveBets();
        ASSERT_EQ(pick(2, "edit"), PickOutcome::Edited);
        c.change();
        std::string logBefore = fs::exists(log()) ? fileBytes(log()) : "none";
        platform.messages.clear();

        Command3_Click(m);
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].title, "Update Log");
        EXPECT_TRUE(m.editState);
        EXPECT_EQ(fs::exists(log()) ? fileBytes(log()) : "none", logBefore);
        if (fs::exists(dir / "copy.bsl")) {
            EXPECT_EQ(fileBytes(dir / "copy.bsl"), logBefore);
        }

        m.Command4_Click();
        project.LogFileName = "DEFAULT.BSL";
        fs::remove(dir / "copy.bsl");
    }
}

TEST_F(LogEditTest, FailedUpdateSaysSoAndStaysInTheEditState) {
    fiveBets();
    ASSERT_EQ(pick(3, "edit"), PickOutcome::Edited);
    m.clickOption(FrmMain::optionFor(0, Result::Win));
    for (Step step : {Step::OpenLog, Step::Write, Step::Sync}) {
        SCOPED_TRACE(static_cast<int>(step));
        FaultyOps ops;
        ops.fail = step;
        platform.messages.clear();
        Command3_Click(m, ops);
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].text.rfind("The bet was not written back to the log.", 0), 0u);
        EXPECT_EQ(fileBytes(log()), records[0] + records[1] + records[2] + records[3] + records[4]);
        EXPECT_TRUE(m.editState);
    }
    Command3_Click(m);
    EXPECT_FALSE(m.editState);
    EXPECT_EQ(readRecord(log(), 3).SelResult[0], "WON    ");
}

TEST_F(LogEditTest, PlaceholderNameComesBackAndIsWrittenBackUnchanged) {
    writeFile(log(), fixture("treble_place.bsl"));
    viewer.fill(project);
    ASSERT_EQ(pick(1, "edit"), PickOutcome::Edited);
    EXPECT_EQ(m.row[2].name, "Selection 3");
    m.row[0].name = "Red Rum II";
    Command3_Click(m);
    LogRecord r = readRecord(log(), 1);
    EXPECT_EQ(r.SelName[0], "Red Rum II ");
    EXPECT_EQ(r.SelName[2], "Selection 3");
}

}  // namespace
}  // namespace pennant
