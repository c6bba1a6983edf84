#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/numbers.h"

namespace pennant {
namespace {

struct WholeCase {
    const char* text;
    std::optional<double> value;
};

TEST(ReadWhole, AcceptsPlainDecimalNumbersOnly) {
    const WholeCase cases[] = {
        {"12", 12},       {" 1.5 ", 1.5},   {"\t-3\t", -3},   {"+4", 4},        {".5", 0.5},
        {"5.", 5},        {"1e3", 1000},    {"2E-2", 0.02},   {"1e+2", 100},    {"100.", 100},
        {"", {}},         {"  ", {}},       {"abc", {}},      {"1,000", {}},    {"0x10", {}},
        {"inf", {}},      {"nan", {}},      {"1d2", {}},      {"5/2", {}},      {"1e", {}},
        {".", {}},        {"-", {}},        {"1 2", {}},      {"1e999", {}},    {"1e-999", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(readWhole(c.text), c.value) << '"' << c.text << '"';
}

TEST(ReadLeading, TakesTheLongestNumberAtTheStart) {
    const std::pair<const char*, double> cases[] = {
        {"5/2", 5},   {" 1 2 ", 12}, {"2x", 2},     {"a/5", 0},     {"", 0},        {"-2.5abc", -2.5},
        {"1d2", 100}, {"1e", 1},     {"1e+", 1},    {"\t7\t.5", 7.5}, {"12.50", 12.5}, {"..5", 0},
        {"-", 0},     {"+3", 3},     {"1,5", 1},
    };
    for (auto [text, value] : cases) EXPECT_EQ(readLeading(text), value) << '"' << text << '"';
    EXPECT_TRUE(std::isinf(readLeading("9e999")));
}

TEST(TwoDecimalRule, RoundsHalvesAwayFromZeroAfterFifteenDigits) {
    const std::pair<double, const char*> cases[] = {
        {0.045, "0.05"},      {0.545, "0.55"},   {-0.045, "-0.05"}, {1.005, "1.01"}, {2.675, "2.68"},
        {0.5 * 9 / 100, "0.05"}, {12.5, "12.50"}, {0, "0.00"},       {-0.004, "0.00"}, {-0.0, "0.00"},
        {1.625, "1.63"},      {13.0 / 8, "1.63"}, {1e15, "1000000000000000.00"}, {-2, "-2.00"},
    };
    for (auto [value, text] : cases) EXPECT_EQ(twoDecimals(value), text) << value;
    EXPECT_THROW(twoDecimals(std::numeric_limits<double>::infinity()), CalcFailure);
}

TEST(Money, RoundsProductsToFourDecimalsHalvesToEven) {
    const std::pair<double, std::int64_t> cases[] = {
        {0.00005, 0}, {0.00015, 2}, {0.00025, 2}, {1.23445, 12344}, {1.23455, 12346}, {-0.00015, -2},
        {0.1325, 1325},
    };
    for (auto [value, units] : cases) EXPECT_EQ(Money::fromDouble(value).units(), units) << value;
    EXPECT_EQ(Money::fromDouble(1.0).times(0.1325).units(), 1325);
    EXPECT_EQ(Money::fromUnits(105000).text(), "10.5");
    EXPECT_EQ(Money::fromUnits(-5).text(), "-0.0005");
}

TEST(Money, OutOfRangeIsAFailure) {
    EXPECT_THROW(Money::fromDouble(1e15), CalcFailure);
    EXPECT_THROW(Money::fromDouble(std::nan("")), CalcFailure);
    EXPECT_NO_THROW(Money::fromDouble(9e14));
    Money big = Money::fromUnits(std::numeric_limits<std::int64_t>::max());
    EXPECT_THROW(big + Money::fromUnits(1), CalcFailure);
}

TEST(NumberForms, ShortestAndSignPosition) {
    const std::tuple<double, const char*, const char*> cases[] = {
        {1, "1", " 1"},       {0.5, "0.5", " .5"},    {-25.5, "-25.5", "-25.5"}, {-0.25, "-0.25", "-.25"},
        {0, "0", " 0"},       {12, "12", " 12"},      {100, "100", " 100"},     {1.0 / 3, "0.333333333333333", " .333333333333333"},
        {1e20, "1E+20", " 1E+20"},
    };
    for (auto [value, shortest, sign] : cases) {
        EXPECT_EQ(shortestForm(value), shortest);
        EXPECT_EQ(signForm(value), sign);
    }
    EXPECT_EQ(printNumber(-0.0), " 0 ");
    EXPECT_EQ(printNumber(11.5), " 11.5 ");
}

}  // namespace
}  // namespace pennant

namespace pennant {
namespace {

// The floating-point shortcut must round exactly as the decimal digits do,
// above all at the halves that amounts of four and two decimals produce.
TEST(Rounding, ShortcutAgreesWithDecimalDigits) {
    std::uint64_t seed = 88172645463325252ull;
    auto next = [&] {
        seed ^= seed << 13, seed ^= seed >> 7, seed ^= seed << 17;
        return seed;
    };
    const double factors[] = {2.5, 2.75, 3.33, 0.53, 1.63, 0.4075, 0.106, 1, 0.1325, 25, 0.0625};
    for (int i = 0; i < 200000; ++i) {
        double units = static_cast<double>(next() % 100000000000ull) / 10000;  // up to 10 million, 4 decimals
        double value = units * factors[next() % std::size(factors)];
        if (next() % 3 == 0) value = -value;
        if (next() % 5 == 0) value = static_cast<double>(next() % 2000000) / 200000;  // many exact halves
        for (int places : {2, 4}) {
            for (HalfRule rule : {HalfRule::ToEven, HalfRule::AwayFromZero}) {
                ASSERT_EQ(roundedText(value, places, rule), detail::exactRoundedText(value, places, rule))
                    << value << " places " << places;
            }
        }
    }
}

}  // namespace
}  // namespace pennant
