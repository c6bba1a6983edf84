#include <gtest/gtest.h>

#include "engine_fixture.h"
#include "engine/odds.h"

namespace pennant::testing {
namespace {

using Recalc = EngineFixture;

TEST_F(Recalc, UnreadableOddsInAWinRowRaiseTheInputErrorAndKeepThePreviousResults) {
    enter("Double", {W("2/1"), W("5/2")});
    ASSERT_EQ(L(38), "10.50");
    m.typeOdds(3, "9/2");
    m.typeOdds(1, "abc");
    m.pressKeyInOdds(1, 13);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "INPUT ERROR");
    EXPECT_EQ(platform.messages[0].icon, Icon::Exclamation);
    EXPECT_EQ(platform.messages[0].text,
              "You can type in the odds directly.\r\nHowever you MUST use the syntax\r\n"
              "__/__ ie 12/1 should be entered as 12/1\r\nlikewise 7/1 should be entered as 7/1");
    for (const auto& r : m.row) EXPECT_EQ(r.odds, "EVENS");
    EXPECT_EQ(L(38), "10.50");  // the failed run cleared nothing
    EXPECT_EQ(m.StatusBar1[0], "DATA LOGGED: NO");
    m.clickOption(FrmMain::optionFor(0, Result::Win));
    EXPECT_EQ(L(38), "4.00");  // the next change prices the reset odds
}

TEST_F(Recalc, ALoseRowsOddsAreNeverRead) {
    enter("Double", {W("2/1"), X("abc")});
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Recalc, OddsReadingDependsOnTheCountedSlot) {
    // Slots 1 and 2 read by leading number; 3 to 6 as a whole.
    EXPECT_EQ(oddsValue("a/5", 1), 0);
    EXPECT_EQ(oddsValue("5/2x", 2), 2.5);
    EXPECT_THROW(oddsValue("a/5", 3), CalcFailure);
    EXPECT_THROW(oddsValue("5/2x", 6), CalcFailure);
    for (int slot : {1, 3}) {
        for (const char* bad : {"5/", "5/0", "5", "2.5", "", "evens", "abc", "0/0"})
            EXPECT_THROW(oddsValue(bad, slot), CalcFailure) << bad << " slot " << slot;
        EXPECT_EQ(oddsValue("100x30", slot), 100.0 / 30);
        EXPECT_EQ(oddsValue(" 5/ 2", slot), 2.5);
    }
    // Characters, not bytes, are cut: "é" is one position.
    EXPECT_THROW(oddsValue("é/2", 3), CalcFailure);
    EXPECT_EQ(oddsValue("5é/2", 1), 5.0 / 2);
}

TEST_F(Recalc, ThirdCountedSelectionWithLetterOddsFails) {
    enter("Treble", {W("a/5"), W("2/1"), W("EVENS")});
    EXPECT_TRUE(platform.messages.empty());  // a/5 is slot 1: factor 0
    EXPECT_EQ(L(39), "6.00");
    enter("Treble", {W("2/1"), W("2/1"), W("a/5")});
    EXPECT_EQ(platform.messages.size(), 1u);
}

TEST_F(Recalc, SelectBetClearsEverythingAndPricesNothing) {
    m.clickOption(1);
    for (int n = 30; n <= 49; ++n)
        if (n != 44 && n != 46 && n != 48) {
            EXPECT_EQ(L(n), "") << n;
        }
    EXPECT_EQ(L(55), "0.00");
    EXPECT_EQ(L(61), "0.00");
}

TEST_F(Recalc, TypingABetTypeLetterByLetterResetsResultsEachTime) {
    enter("Heinz", {W(), W(), W(), W(), W(), W()});
    std::string typed;
    int resets = 0;
    for (char c : std::string("Yankee")) {
        m.row[4].result = Result::Win;  // a result set between keystrokes
        typed += c;
        m.setCombo7(typed);
        resets += m.row[4].result == Result::Lose;
    }
    EXPECT_EQ(resets, 6);
    EXPECT_TRUE(m.row[3].shown);
    EXPECT_FALSE(m.row[4].shown);
    EXPECT_FALSE(m.row[5].shown);
    EXPECT_EQ(L(18), "6");
    EXPECT_EQ(L(19), "4");
    EXPECT_EQ(L(20), "1");
    EXPECT_EQ(L(52), "11");
}

TEST_F(Recalc, TermsRetitleTheFirstColumn) {
    m.clickOption(21);
    EXPECT_EQ(L(8), "Place");
    m.clickOption(19);
    EXPECT_EQ(L(8), "Win");
}

TEST_F(Recalc, CancelReturnsToAnEmptySingleKeepingStakeAndTerms) {
    enter("Yankee", {W("5/2"), W("2/1")}, "0.50", Terms::Place5);
    m.row[0].name = "Red Rum";
    m.editState = true;
    m.Command4_Click();
    EXPECT_FALSE(m.editState);
    EXPECT_EQ(m.Combo7, "Single");
    EXPECT_EQ(m.Combo8, "0.50");
    EXPECT_EQ(m.terms, Terms::Place5);
    for (const auto& r : m.row) {
        EXPECT_EQ(r.name, "");
        EXPECT_EQ(r.odds, "EVENS");
        EXPECT_EQ(r.result, Result::Lose);
    }
}

struct StakeCase {
    const char* type;
    const char* stake;
    bool taxOnStake;
    const char* combo8, *label55, *label59, *label61;
};

TEST_F(Recalc, StakeAndTaxOnTheStake) {
    const StakeCase cases[] = {
        {"Trixie", "1.00", true, "1.00", "4.00", "0.36", "4.36"},
        {"Trixie", "1.00", false, "1.00", "4.00", "0.36", "4.00"},
        {"Single", "0.50", true, "0.50", "0.50", "0.05", "0.55"},
        {"Single", "100.", true, "100.", "100.00", "9.00", "109.00"},
        {"Single", "", true, "0", "0.00", "0.00", "0.00"},
        {"Single", "abc", true, "0", "0.00", "0.00", "0.00"},
        {"Single", "1e30", true, "0", "0.00", "0.00", "0.00"},  // beyond the money range
        {"Lucky 63", "0.01", true, "0.01", "0.63", "0.06", "0.69"},
    };
    for (const auto& c : cases) {
        m.setCombo7(c.type);
        m.setCheck1(true);
        m.setCombo8(c.stake);
        m.setCheck1(c.taxOnStake);
        EXPECT_EQ(m.Combo8, c.combo8) << c.stake;
        EXPECT_EQ(L(55), c.label55) << c.stake;
        EXPECT_EQ(L(59), c.label59) << c.stake;
        EXPECT_EQ(L(61), c.label61) << c.stake;
        m.setCombo8("1.00");
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Recalc, AnEmptyStakeRunsTheNestedRecalculation) {
    enter("Single", {W("2/1")});
    m.setCombo8("");
    EXPECT_EQ(m.Combo8, "0");
    EXPECT_EQ(L(37), "0.00");
    EXPECT_EQ(L(45), "0.00");
}

TEST_F(Recalc, AnAmountBeyondTheMoneyRangeIsAnInputError) {
    enter("Six Fold", {W("50/1"), W("50/1"), W("50/1"), W("50/1"), W("50/1"), W("50/1")}, "1000.");
    EXPECT_EQ(platform.messages.size(), 0u);  // 51^6 x 1000 still fits
    m.typeOdds(0, "999/1");
    m.typeOdds(1, "999/1");
    m.typeOdds(2, "999/1");
    m.pressKeyInOdds(0, 13);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "INPUT ERROR");
}

}  // namespace
}  // namespace pennant::testing
