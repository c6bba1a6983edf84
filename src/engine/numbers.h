// Numbers as the program reads and writes them: the two ways of reading a
// text as a number, the decimal roundings, and the text forms of a number.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace pennant {

// A calculation step that cannot go on (a number that does not read, a
// division by zero, an amount out of range). The caller decides what the
// user sees: the input error, a reset of the stake, a message.
struct CalcFailure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The text as a number as a whole: blanks around it are allowed, then an
// optional sign, digits with at most one point, an optional exponent.
// Anything else, or a value beyond double range, gives nullopt.
std::optional<double> readWhole(std::string_view text);

// The text by its leading number: every blank and tab is dropped, then the
// longest start that is a number is read (exponent letter E or D); no
// number reads as 0.
double readLeading(std::string_view text);

enum class HalfRule { ToEven, AwayFromZero };

// The value written with 15 significant digits, rounded to `places`
// decimals, as text with exactly that many decimals ("12.50", "-2.00").
// A value that rounds to zero has no minus sign. Throws CalcFailure for
// a value that is not finite.
std::string roundedText(double value, int places, HalfRule rule);

namespace detail {
// roundedText by decimal digits only, without the floating-point shortcut.
std::string exactRoundedText(double value, int places, HalfRule rule);
}  // namespace detail

// The two-decimal rule: every amount the program shows.
inline std::string twoDecimals(double value) {
    return roundedText(value, 2, HalfRule::AwayFromZero);
}
// The value of the two-decimal text of `value`.
double round2(double value);

// Shortest decimal form: up to 15 significant digits, no trailing zeros,
// a zero before the point ("0.5", "-25.5", "100").
std::string shortestForm(double value);

// Sign-position form: a blank before a non-negative number, the minus sign
// otherwise, and no digit before the point below 1 (" 12", "-3", " .5").
std::string signForm(double value);

// A number item on the printer and a number in the settings writer: the
// sign-position form followed by one blank.
inline std::string printNumber(double value) { return signForm(value) + " "; }

// A fixed-point amount: a signed 64-bit count of ten-thousandths.
class Money {
public:
    constexpr Money() = default;
    static constexpr Money fromUnits(std::int64_t units) { return Money(units); }
    // The value written with 15 significant digits, rounded to four decimals,
    // halves to even. Throws CalcFailure when out of range or not finite.
    static Money fromDouble(double value);

    constexpr std::int64_t units() const { return units_; }
    double toDouble() const { return static_cast<double>(units_) / 10000.0; }
    // The exact amount as plain decimal text, without trailing zeros ("10.5").
    std::string text() const;

    // This amount times a factor: formed in double precision, then rounded
    // like fromDouble.
    Money times(double factor) const { return fromDouble(toDouble() * factor); }
    Money operator+(Money other) const;
    Money operator-(Money other) const;
    Money& operator+=(Money other) { return *this = *this + other; }

    friend constexpr bool operator==(Money, Money) = default;

private:
    constexpr explicit Money(std::int64_t units) : units_(units) {}
    std::int64_t units_ = 0;
};

}  // namespace pennant
