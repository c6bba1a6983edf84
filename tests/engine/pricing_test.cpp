#include <gtest/gtest.h>

#include "engine_fixture.h"

namespace pennant::testing {
namespace {

// Count and amount labels of the winnings rows, singles to bonus, then
// TOTAL and PAYOUT, as the window shows them.
struct Expected {
    std::array<const char*, 7> counts;
    std::array<const char*, 7> amounts;
    const char* total;
    const char* payout;
};

struct PriceCase {
    const char* name;
    const char* type;
    std::vector<Sel> sels;
    Terms terms;
    Expected expected;
};

void PrintTo(const PriceCase& c, std::ostream* os) { *os << c.name; }

class Pricing : public EngineFixture, public ::testing::WithParamInterface<PriceCase> {};

TEST_P(Pricing, ShowsTheRowsOfTheBet) {
    const PriceCase& c = GetParam();
    enter(c.type, c.sels, "1.00", c.terms);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(L(30 + i), c.expected.counts[i]) << "count label " << 30 + i;
        EXPECT_EQ(L(37 + i), c.expected.amounts[i]) << "amount label " << 37 + i;
    }
    EXPECT_EQ(L(45), c.expected.total);
    EXPECT_EQ(L(49), c.expected.payout);
    EXPECT_EQ(L(47), "");
    EXPECT_TRUE(platform.messages.empty());
}

const std::vector<Sel> kFourEvens = {W("EVENS"), W("EVENS"), W("EVENS"), W("EVENS")};

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, Pricing,
    ::testing::Values(
        PriceCase{"SingleEightFifteen", "Single", {W("8/15")}, Terms::ToWin,
                  {{"1", "", "", "", "", "", ""}, {"1.53", "", "", "", "", "", ""}, "1.53", "1.53"}},
        PriceCase{"SingleAtQuarterOdds", "Single", {W("8/15")}, Terms::Place4,
                  {{"1", "", "", "", "", "", ""}, {"1.13", "", "", "", "", "", ""}, "1.13", "1.13"}},
        PriceCase{"SingleWithoutWinner", "Single", {X("8/15")}, Terms::ToWin,
                  {{"", "", "", "", "", "", ""}, {"", "", "", "", "", "", ""}, "", ""}},
        PriceCase{"Double", "Double", {W("2/1"), W("5/2")}, Terms::ToWin,
                  {{"", "1", "", "", "", "", ""}, {"", "10.50", "", "", "", "", ""}, "10.50", "10.50"}},
        PriceCase{"DoubleWithALoser", "Double", {W("2/1"), X("5/2")}, Terms::ToWin,
                  {{"", "", "", "", "", "", ""}, {"", "", "", "", "", "", ""}, "", ""}},
        PriceCase{"TrebleWithNonRunner", "Treble", {W("2/1"), N(), W("5/2")}, Terms::ToWin,
                  {{"", "", "1", "", "", "", ""}, {"", "", "10.50", "", "", "", ""}, "10.50", "10.50"}},
        PriceCase{"Trixie", "Trixie", {W("2/1"), W("3/1"), W("EVENS")}, Terms::ToWin,
                  {{"", "3", "1", "", "", "", ""}, {"", "26.00", "24.00", "", "", "", ""}, "50.00", "50.00"}},
        PriceCase{"TrixieTwoWinners", "Trixie", {W("2/1"), X("3/1"), W("EVENS")}, Terms::ToWin,
                  {{"", "1", "", "", "", "", ""}, {"", "6.00", "", "", "", "", ""}, "6.00", "6.00"}},
        PriceCase{"TrixieOneWinner", "Trixie", {W("2/1")}, Terms::ToWin,
                  {{"", "", "", "", "", "", ""}, {"", "", "", "", "", "", ""}, "", ""}},
        PriceCase{"YankeeAllEvens", "Yankee", kFourEvens, Terms::ToWin,
                  {{"", "6", "4", "1", "", "", ""}, {"", "24.00", "32.00", "16.00", "", "", ""}, "72.00", "72.00"}},
        PriceCase{"YankeeThreeWinners", "Yankee", {W("EVENS"), W("EVENS"), W("EVENS")}, Terms::ToWin,
                  {{"", "3", "1", "", "", "", ""}, {"", "12.00", "8.00", "", "", "", ""}, "20.00", "20.00"}},
        PriceCase{"YankeeTwoWinners", "Yankee", {W("EVENS"), W("EVENS")}, Terms::ToWin,
                  {{"", "1", "", "", "", "", ""}, {"", "4.00", "", "", "", "", ""}, "4.00", "4.00"}},
        PriceCase{"Lucky15AllEvens", "Lucky 15", kFourEvens, Terms::ToWin,
                  {{"4", "6", "4", "1", "", "", "10%"},
                   {"8.00", "24.00", "32.00", "16.00", "", "", "8.00"}, "88.00", "88.00"}},
        PriceCase{"Lucky15WithNonRunner", "Lucky 15", {W("EVENS"), W("EVENS"), W("EVENS"), N()}, Terms::ToWin,
                  {{"4", "6", "4", "1", "", "", ""}, {"7.00", "18.00", "20.00", "8.00", "", "", ""}, "53.00", "53.00"}},
        PriceCase{"Lucky15OneWinnerPaidTwice", "Lucky 15", {W("2/1")}, Terms::ToWin,
                  {{"1", "", "", "", "", "", ""}, {"3.00", "", "", "", "", "", "3.00"}, "6.00", "6.00"}},
        PriceCase{"Lucky31FourWinnersNoBonus", "Lucky 31", kFourEvens, Terms::ToWin,
                  {{"4", "6", "4", "1", "", "", ""},
                   {"8.00", "24.00", "32.00", "16.00", "", "", ""}, "80.00", "80.00"}},
        PriceCase{"Lucky31OneWinnerPaidTwice", "Lucky 31", {X(), W("2/1")}, Terms::ToWin,
                  {{"1", "", "", "", "", "", ""}, {"3.00", "", "", "", "", "", "3.00"}, "6.00", "6.00"}},
        PriceCase{"Lucky31FiveEvens", "Lucky 31",
                  {W("EVENS"), W("EVENS"), W("EVENS"), W("EVENS"), W("EVENS")}, Terms::ToWin,
                  {{"5", "10", "10", "5", "1", "", "20%"},
                   {"10.00", "40.00", "80.00", "80.00", "32.00", "", "48.40"}, "290.40", "290.40"}},
        PriceCase{"Lucky63FiveWinnersOneNonRunner", "Lucky 63",
                  {W("EVENS"), W("EVENS"), W("EVENS"), W("EVENS"), N()}, Terms::ToWin,
                  {{"5", "10", "10", "5", "1", "", "10%"},
                   {"9.00", "32.00", "56.00", "48.00", "16.00", "", "16.10"}, "177.10", "177.10"}},
        PriceCase{"HeinzWithOneLoserIsACanadian", "Heinz",
                  {W("EVENS"), W("EVENS"), X(), W("EVENS"), W("EVENS"), W("EVENS")}, Terms::ToWin,
                  {{"", "10", "10", "5", "1", "", ""},
                   {"", "40.00", "80.00", "80.00", "32.00", "", ""}, "232.00", "232.00"}},
        PriceCase{"Lucky63SixEvens", "Lucky 63",
                  {W("EVENS"), W("EVENS"), W("EVENS"), W("EVENS"), W("EVENS"), W("EVENS")}, Terms::ToWin,
                  {{"6", "15", "20", "15", "6", "1", "25%"},
                   {"12.00", "60.00", "160.00", "240.00", "192.00", "64.00", "182.00"}, "910.00", "910.00"}},
        PriceCase{"Lucky15AtQuarterOdds", "Lucky 15", kFourEvens, Terms::Place4,
                  {{"4", "6", "4", "1", "", "", "10%"},
                   {"5.00", "9.38", "7.81", "2.44", "", "", "2.46"}, "27.09", "27.09"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EngineFixture, TrixieTaxedOnWinnings) {
    m.setCheck1(false);
    enter("Trixie", {W("2/1"), W("3/1"), W("EVENS")});
    EXPECT_EQ(L(61), "4.00");
    EXPECT_EQ(L(45), "50.00");
    EXPECT_EQ(L(47), "4.50");
    EXPECT_EQ(L(49), "45.50");
}

TEST_F(EngineFixture, FactorsRoundToTwoDecimalsThenTakeThePlaceFraction) {
    const std::tuple<const char*, Terms, double> cases[] = {
        {"13/8", Terms::ToWin, 1.63},  {"13/8", Terms::Place4, 0.4075}, {"8/15", Terms::Place5, 0.106},
        {"100/30", Terms::ToWin, 3.33}, {"1/100", Terms::ToWin, 0.1},    {"100/300", Terms::ToWin, 3.33},
        {"100-4", Terms::ToWin, 25},    {"-5/2", Terms::ToWin, -2.5},    {"NR", Terms::ToWin, 0},
        {"4/9", Terms::ToWin, 0.44},
    };
    for (auto [odds, terms, factor] : cases) {
        enter("Single", {W(odds)}, "1.00", terms);
        EXPECT_DOUBLE_EQ(m.odds[0].number(), factor) << odds;
    }
}

}  // namespace
}  // namespace pennant::testing
