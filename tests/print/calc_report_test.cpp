#include "print/calc_report.h"

#include <gtest/gtest.h>

#include "support/fake_platform.h"

namespace pennant {
namespace {

using Lines = std::vector<std::string>;

class CalcReport : public ::testing::Test {
protected:
    Project project;
    testing::FakePlatform platform;
    FrmMain m{project, platform};

    // The window after pricing a bet, as the engine leaves its labels.
    void showBet(const std::string& type, const std::string& bets, const std::string& stakeAll) {
        m.Combo7 = type;
        m.Combo8 = "1.00";
        m.Label[52] = bets;
        m.Label[55] = stakeAll;
        m.Label[57] = "9";
    }
    Lines printed() {
        auto doc = calcReport(m);
        EXPECT_TRUE(doc.has_value());
        return doc ? renderText(*doc) : Lines{};
    }
    static Lines from(const Lines& all, std::size_t first) { return Lines(all.begin() + first, all.end()); }
};

const Lines kYankeeFromLine4 = {
    "Bet Type: Yankee To WIN",
    "11 Bet/s @ 1.00 = 11.00",
    "Tax paid on stake @ 9% = 0.99",
    "Total Staked = 11.99",
    " ",
    "Selection1 WON @ EVENS",
    "Selection2 WON @ EVENS",
    "Selection3 WON @ EVENS",
    "Selection4 WON @ EVENS",
    "Winnings: 72.00",
    "Total won:72.00",
};

TEST_F(CalcReport, YankeeFromTheLabels) {
    showBet("Yankee", "11", "11.00");
    m.Check1 = true;
    m.Label[59] = "0.99";
    m.Label[61] = "11.99";
    for (int k = 0; k < 4; ++k) m.row[k].result = Result::Win;
    m.Label[45] = "72.00";
    m.Label[49] = "72.00";
    Lines lines = printed();
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(lines[0], std::string(29, ' ') + "Pennant Calculator 95");
    EXPECT_EQ(lines[1], " ");
    EXPECT_EQ(lines[2], std::string(32, ' ') + "Bet Calculation");
    EXPECT_EQ(from(lines, 3), kYankeeFromLine4);
}

TEST_F(CalcReport, YankeeThroughTheEngine) {
    m.loadDefaults();
    m.setCombo7("Yankee");
    for (int i = 0; i < 4; ++i) m.clickOption(FrmMain::optionFor(i, Result::Win));
    EXPECT_EQ(from(printed(), 3), kYankeeFromLine4);
}

TEST_F(CalcReport, TaxLineFollowsCheck1) {
    m.loadDefaults();
    m.setCombo7("Single");
    m.clickOption(FrmMain::optionFor(0, Result::Win));
    Lines ticked = printed();
    EXPECT_EQ(from(ticked, 3), (Lines{"Bet Type: Single To WIN", "1 Bet/s @ 1.00 = 1.00",
                                      "Tax paid on stake @ 9% = 0.09", "Total Staked = 1.09", " ",
                                      "Selection1 WON @ EVENS", "Winnings: 2.00", "Total won:2.00"}));

    m.setCheck1(false);
    Lines unticked = printed();
    EXPECT_EQ(from(unticked, 3), (Lines{"Bet Type: Single To WIN", "1 Bet/s @ 1.00 = 1.00", "Total Staked = 1.00",
                                        " ", "Selection1 WON @ EVENS", "Winnings: 2.00",
                                        "Tax paid on winnings @ 9% = 0.18", "Total won:1.82"}));
}

TEST_F(CalcReport, SelectionLinesOfTheBetTypeOnly) {
    struct Case {
        const char* type;
        std::size_t rows;
    } cases[] = {{"Single", 1}, {"Double", 2}, {"Trixie", 3}, {"Lucky 15", 4},
                 {"Canadian", 5}, {"Lucky 63", 6}, {"Not a bet", 0}, {"", 0}};
    for (auto& r : m.row) r.name = "Hidden Row";
    for (const Case& c : cases) {
        showBet(c.type, "1", "1.00");
        Lines lines = printed();
        std::size_t named = 0;
        for (const auto& l : lines) named += l.rfind("Hidden Row ", 0) == 0;
        EXPECT_EQ(named, c.rows) << c.type;
        // Heading 3, bet type, stakes, tax, total, blank, winnings, total won.
        EXPECT_EQ(lines.size(), 10 + c.rows) << c.type;
    }
}

TEST_F(CalcReport, TrixieWithNamesWordsAndTerms) {
    showBet("Trixie", "4", "4.00");
    m.terms = Terms::Place5;
    m.row[0] = {"Red Rum", "5/2", Result::Win, true};
    m.row[1] = {"   ", "EVENS", Result::NR, true};
    m.row[2] = {"", "100/30", Result::Lose, true};
    m.row[3] = {"Unused", "2/1", Result::Win, false};
    Lines lines = printed();
    EXPECT_EQ(lines[3], "Bet Type: Trixie To PLACE @ 1/5 Odds");
    EXPECT_EQ(Lines(lines.begin() + 8, lines.begin() + 11),
              (Lines{"Red Rum WON @ 5/2", "    NON-RAN @ EVENS", "Selection3 LOST @ 100/30"}));
    m.terms = Terms::Place4;
    EXPECT_EQ(printed()[3], "Bet Type: Trixie To PLACE @ 1/4 Odds");
}

TEST_F(CalcReport, EmptyResultLabelsPrintAsEmptyTexts) {
    showBet("Double", "1", "1.00");
    m.Check1 = false;
    Lines lines = printed();
    EXPECT_EQ(from(lines, lines.size() - 3),
              (Lines{"Winnings: ", "Tax paid on winnings @ 9% = ", "Total won:"}));
}

TEST_F(CalcReport, NoBetChosenShowsTheMessageAndPrintsNothing) {
    EXPECT_FALSE(calcReport(m).has_value());
    mnuPrint_Click(m);
    EXPECT_EQ(platform.printed, 0);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "You must select a Bet first!");
    EXPECT_EQ(platform.messages[0].title, "Print Error");
    EXPECT_EQ(platform.messages[0].icon, Icon::Exclamation);
    EXPECT_EQ(platform.messages[0].buttons, Buttons::Ok);
}

TEST_F(CalcReport, PrintsTheDocumentAndChangesNothing) {
    m.loadDefaults();
    m.setCombo7("Yankee");
    m.clickOption(FrmMain::optionFor(1, Result::Win));
    auto labels = m.Label;
    Lines sent;
    platform.onPrint = [&](const PrintDocument& doc) {
        sent = renderText(doc);
        return true;
    };
    mnuPrint_Click(m);
    EXPECT_EQ(platform.printed, 1);
    EXPECT_EQ(sent, renderText(*calcReport(m)));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(m.Label, labels);
}

TEST_F(CalcReport, FailedPrintIsReported) {
    showBet("Single", "1", "1.00");
    platform.onPrint = [](const PrintDocument&) { return false; };
    mnuPrint_Click(m);
    EXPECT_EQ(platform.printed, 1);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "Print Error");
    EXPECT_NE(platform.messages[0].text.find("could not be printed"), std::string::npos);
}

}  // namespace
}  // namespace pennant
