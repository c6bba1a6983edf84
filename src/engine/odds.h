// Odds text to number.
#pragma once

#include <string>

namespace pennant {

// The number an odds text stands for in counted slot `slot` (1-6): "EVENS"
// is 1, "NR" is 0, anything else is cut at its slash into a numerator and a
// denominator of at most two characters. Slots 1 and 2 read the pieces by
// their leading numbers, slots 3 to 6 as numbers as a whole. Throws
// CalcFailure when a piece does not read or the denominator is 0 or empty.
double oddsValue(const std::string& text, int slot);

}  // namespace pennant
