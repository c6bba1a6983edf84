#include "engine/odds.h"

#include <cmath>

#include "engine/numbers.h"
#include "engine/text.h"

namespace pennant {

double oddsValue(const std::string& text, int slot) {
    if (text == "EVENS") return 1;
    if (text == "NR") return 0;
    std::string numerator, denominator;
    if (charAt(text, 2) == "/") {
        numerator = midChars(text, 1, 1);
        denominator = midChars(text, 3, 4);
    } else if (charAt(text, 3) == "/") {
        numerator = midChars(text, 1, 2);
        denominator = midChars(text, 4, 5);
    } else {
        numerator = midChars(text, 1, 3);
        denominator = midChars(text, 5, 6);
    }
    auto read = [slot](const std::string& piece) -> double {
        if (slot <= 2) return readLeading(piece);
        if (auto v = readWhole(piece)) return *v;
        throw CalcFailure("odds do not read: " + piece);
    };
    double top = read(numerator);
    double bottom = read(denominator);
    if (bottom == 0) throw CalcFailure("division by zero");
    double value = top / bottom;
    if (!std::isfinite(value)) throw CalcFailure("odds out of range");
    return value;
}

}  // namespace pennant
