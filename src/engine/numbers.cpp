#include "engine/numbers.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <algorithm>
#include <limits>

namespace pennant {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Length of the longest start of `s` that is a number: sign, digits with at
// most one point (one digit at least), then an exponent if one follows in
// full. `expLetters` lists the letters that may start the exponent.
std::size_t numberPrefix(std::string_view s, std::string_view expLetters) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < s.size() && isDigit(s[i])) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) ++i, ++digits;
    }
    if (digits == 0) return 0;
    if (i < s.size() && expLetters.find(s[i]) != std::string_view::npos) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        std::size_t expDigits = 0;
        while (j < s.size() && isDigit(s[j])) ++j, ++expDigits;
        if (expDigits > 0) i = j;
    }
    return i;
}

// Decimal exponent of the first significant digit of a number text that
// matched numberPrefix; used only to tell overflow from underflow.
long long magnitude(std::string_view s) {
    long long exp = 0;
    std::size_t e = s.find_first_of("eE");
    if (e != std::string_view::npos) {
        std::string_view digits = s.substr(e + 1);
        bool negative = !digits.empty() && digits[0] == '-';
        for (char c : digits)
            if (isDigit(c) && exp < 100000) exp = exp * 10 + (c - '0');
        if (negative) exp = -exp;
        s = s.substr(0, e);
    }
    std::size_t point = s.find('.');
    std::string_view whole = s.substr(0, point);
    std::size_t firstWhole = whole.find_first_not_of("+-0");
    if (firstWhole != std::string_view::npos) return exp + static_cast<long long>(whole.size() - firstWhole) - 1;
    if (point == std::string_view::npos) return std::numeric_limits<long long>::min();
    std::string_view fraction = s.substr(point + 1);
    std::size_t firstFraction = fraction.find_first_not_of('0');
    if (firstFraction == std::string_view::npos) return std::numeric_limits<long long>::min();  // zero
    return exp - static_cast<long long>(firstFraction) - 1;
}

// The usual short decimal without an exponent, converted without the
// library: a mantissa of at most 15 digits and a power of ten of at most 22
// are both exact doubles, so one division gives the correctly rounded value.
std::optional<double> convertExactly(std::string_view s) {
    static constexpr double kPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    bool negative = !s.empty() && s[0] == '-';
    std::uint64_t mantissa = 0;
    int digits = 0, fraction = 0;
    bool afterPoint = false;
    for (std::size_t i = negative ? 1 : 0; i < s.size(); ++i) {
        char c = s[i];
        if (c == '.') {
            afterPoint = true;
        } else if (isDigit(c)) {
            if (mantissa != 0 || c != '0') ++digits;
            if (digits > 15) return std::nullopt;
            mantissa = mantissa * 10 + static_cast<unsigned>(c - '0');
            if (afterPoint) ++fraction;
        } else {
            return std::nullopt;  // an exponent: the library does it
        }
    }
    if (fraction > 22) return std::nullopt;
    double value = static_cast<double>(mantissa) / kPow10[fraction];
    return negative ? -value : value;
}

// Converts a text that matched numberPrefix (exponent letter already 'e').
// Overflow gives nullopt; underflow gives 0.
std::optional<double> convert(std::string_view s) {
    if (!s.empty() && s[0] == '+') s.remove_prefix(1);
    if (auto fast = convertExactly(s)) return *fast;
    double value = 0;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec == std::errc::result_out_of_range) {
        if (magnitude(s) < 0) return s[0] == '-' ? -0.0 : 0.0;
        return std::nullopt;
    }
    if (ec != std::errc() || end != s.data() + s.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

// A finite double as 15 significant digits: value = digits x 10^exp10.
struct Decimal {
    bool negative = false;
    std::string digits;  // no sign; may hold leading zeros after rounding
    int exp10 = 0;
};

Decimal toDecimal(double value) {
    char buf[64];
    auto written = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
    Decimal d;
    std::string_view s(buf, static_cast<std::size_t>(written.ptr - buf));
    if (s[0] == '-') {
        d.negative = true;
        s.remove_prefix(1);
    }
    d.digits.push_back(s[0]);
    std::size_t e = s.find('e');
    d.digits.append(s.substr(2, e - 2));
    int exp = 0;
    std::from_chars(s.data() + e + (s[e + 1] == '+' ? 2 : 1), s.data() + s.size(), exp);
    d.exp10 = exp - 14;
    return d;
}

// Rounds to `places` decimals; afterwards exp10 == -places.
void roundTo(Decimal& d, int places, HalfRule rule) {
    int drop = -places - d.exp10;
    if (drop <= 0) {
        d.digits.append(static_cast<std::size_t>(-drop), '0');
        d.exp10 = -places;
        return;
    }
    if (static_cast<std::size_t>(drop) >= d.digits.size())
        d.digits.insert(0, static_cast<std::size_t>(drop) - d.digits.size() + 1, '0');
    std::string rest = d.digits.substr(d.digits.size() - drop);
    d.digits.resize(d.digits.size() - drop);
    d.exp10 = -places;
    bool up;
    if (rest[0] != '5') {
        up = rest[0] > '5';
    } else if (rest.find_first_not_of('0', 1) != std::string::npos) {
        up = true;
    } else {
        up = rule == HalfRule::AwayFromZero || (d.digits.back() - '0') % 2 == 1;
    }
    if (!up) return;
    std::size_t i = d.digits.size();
    while (i > 0) {
        --i;
        if (d.digits[i] == '9') {
            d.digits[i] = '0';
        } else {
            ++d.digits[i];
            return;
        }
    }
    d.digits.insert(0, 1, '1');
}

bool isZero(const Decimal& d) { return d.digits.find_first_not_of('0') == std::string::npos; }

std::string stripZeros(const std::string& digits) {
    std::size_t first = digits.find_first_not_of('0');
    return first == std::string::npos ? "0" : digits.substr(first);
}

// Up to 15 significant digits without trailing zeros; `leadingZero` says
// whether 0.5 is written "0.5" or ".5".
std::string shortest(double value, bool leadingZero) {
    if (!std::isfinite(value)) throw CalcFailure("number out of range");
    if (value == 0) return "0";
    Decimal d = toDecimal(value);
    while (d.digits.size() > 1 && d.digits.back() == '0') {
        d.digits.pop_back();
        ++d.exp10;
    }
    int n = static_cast<int>(d.digits.size());
    int pointExp = n - 1 + d.exp10;  // exponent of the first digit
    std::string out = d.negative ? "-" : "";
    if (pointExp >= 15 || pointExp < -5) {
        out += d.digits.substr(0, 1);
        if (n > 1) out += "." + d.digits.substr(1);
        char buf[16];
        std::snprintf(buf, sizeof buf, "E%c%02d", pointExp < 0 ? '-' : '+', std::abs(pointExp));
        return out + buf;
    }
    if (d.exp10 >= 0) return out + d.digits + std::string(static_cast<std::size_t>(d.exp10), '0');
    int fraction = -d.exp10;
    if (fraction >= n) {
        out += leadingZero ? "0." : ".";
        return out + std::string(static_cast<std::size_t>(fraction - n), '0') + d.digits;
    }
    return out + d.digits.substr(0, n - fraction) + "." + d.digits.substr(n - fraction);
}

// The common case without any text: the value times 10^places lies clear
// of a half, so rounding its 15-digit form gives the same whole number as
// rounding the value itself. nullopt sends the caller to the exact path.
std::optional<std::int64_t> fastUnits(double value, int places, HalfRule rule) {
    static constexpr double kScale[] = {1, 10, 100, 1000, 10000};
    if (places < 0 || places > 4 || !(std::fabs(value) < 1e10)) return std::nullopt;
    double y = std::fabs(value) * kScale[places];
    double whole = std::floor(y);
    double f = y - whole;
    double margin = std::max(1e-7, y * 4e-14);
    if (std::fabs(f - 0.5) > margin) {
        if (f > 0.5) whole += 1;
    } else {
        // Near a half. The 15-digit form steps in units between y*1e-15 and
        // y*1e-14, so an exact distance (fma) well under half a step means it
        // sits on the half, and one well over a step means it does not.
        double distance = std::fma(std::fabs(value), kScale[places], -(whole + 0.5));
        if (std::fabs(distance) < 0.4e-15 * y) {
            bool odd = std::fmod(whole, 2) == 1;
            if (rule == HalfRule::AwayFromZero || odd) whole += 1;
        } else if (std::fabs(distance) > 0.6e-14 * y) {
            if (distance > 0) whole += 1;
        } else {
            return std::nullopt;
        }
    }
    auto units = static_cast<std::int64_t>(whole);
    return value < 0 ? -units : units;
}

std::string unitsText(std::int64_t units, int places, bool negative) {
    char digits[24];
    auto end = std::to_chars(digits, digits + sizeof digits, units < 0 ? -units : units).ptr;
    std::size_t n = static_cast<std::size_t>(end - digits);
    std::size_t whole = n > static_cast<std::size_t>(places) ? n - places : 0;
    char out[32];
    std::size_t k = 0;
    if (negative && units != 0) out[k++] = '-';
    if (whole == 0) out[k++] = '0';
    for (std::size_t i = 0; i < whole; ++i) out[k++] = digits[i];
    if (places > 0) {
        out[k++] = '.';
        for (std::size_t i = n; i < whole + places; ++i) out[k++] = '0';  // leading zeros of the fraction
        for (std::size_t i = whole; i < n; ++i) out[k++] = digits[i];
    }
    return std::string(out, k);
}

}  // namespace

std::optional<double> readWhole(std::string_view text) {
    std::size_t first = 0, last = text.size();
    while (first < last && isBlank(text[first])) ++first;
    while (last > first && isBlank(text[last - 1])) --last;
    std::string_view s = text.substr(first, last - first);
    if (s.empty() || numberPrefix(s, "eE") != s.size()) return std::nullopt;
    return convert(s);
}

double readLeading(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (char c : text)
        if (!isBlank(c)) s.push_back(c);
    std::size_t n = numberPrefix(s, "eEdD");
    if (n == 0) return 0;
    s.resize(n);
    for (char& c : s)
        if (c == 'd' || c == 'D') c = 'e';
    if (auto v = convert(s)) return *v;
    return s[0] == '-' ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
}

std::string roundedText(double value, int places, HalfRule rule) {
    if (!std::isfinite(value)) throw CalcFailure("number out of range");
    if (auto units = fastUnits(value, places, rule)) return unitsText(*units, places, value < 0);
    return detail::exactRoundedText(value, places, rule);
}

std::string detail::exactRoundedText(double value, int places, HalfRule rule) {
    if (!std::isfinite(value)) throw CalcFailure("number out of range");
    Decimal d = toDecimal(value);
    roundTo(d, places, rule);
    std::string digits = stripZeros(d.digits);
    if (digits.size() <= static_cast<std::size_t>(places))
        digits.insert(0, static_cast<std::size_t>(places) - digits.size() + 1, '0');
    std::string out = (d.negative && !isZero(d)) ? "-" : "";
    out += digits.substr(0, digits.size() - places);
    if (places > 0) out += "." + digits.substr(digits.size() - places);
    return out;
}

double round2(double value) { return *readWhole(twoDecimals(value)); }

std::string shortestForm(double value) { return shortest(value, true); }

std::string signForm(double value) {
    std::string s = shortest(value, false);
    return s[0] == '-' ? s : " " + s;
}

Money Money::fromDouble(double value) {
    if (!std::isfinite(value)) throw CalcFailure("amount out of range");
    if (auto units = fastUnits(value, 4, HalfRule::ToEven)) return Money(*units);
    Decimal d = toDecimal(value);
    roundTo(d, 4, HalfRule::ToEven);
    std::string digits = stripZeros(d.digits);
    if (digits.size() > 19) throw CalcFailure("amount out of range");
    std::uint64_t magnitude = 0;
    for (char c : digits) {
        if (__builtin_mul_overflow(magnitude, 10u, &magnitude) ||
            __builtin_add_overflow(magnitude, static_cast<unsigned>(c - '0'), &magnitude))
            throw CalcFailure("amount out of range");
    }
    constexpr std::uint64_t kMax = std::numeric_limits<std::int64_t>::max();
    if (magnitude > kMax + (d.negative ? 1 : 0)) throw CalcFailure("amount out of range");
    std::int64_t units = d.negative ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude);
    return Money(units);
}

std::string Money::text() const {
    std::uint64_t magnitude = units_ < 0 ? 0 - static_cast<std::uint64_t>(units_) : static_cast<std::uint64_t>(units_);
    std::string out = std::to_string(magnitude / 10000);
    std::string fraction = std::to_string(magnitude % 10000);
    fraction.insert(0, 4 - fraction.size(), '0');
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
    if (!fraction.empty()) out += "." + fraction;
    return (units_ < 0 ? "-" : "") + out;
}

Money Money::operator+(Money other) const {
    std::int64_t sum;
    if (__builtin_add_overflow(units_, other.units_, &sum)) throw CalcFailure("amount out of range");
    return Money(sum);
}

Money Money::operator-(Money other) const {
    std::int64_t diff;
    if (__builtin_sub_overflow(units_, other.units_, &diff)) throw CalcFailure("amount out of range");
    return Money(diff);
}

}  // namespace pennant
