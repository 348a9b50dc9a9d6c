#pragma once

#include <array>
#include <string>

namespace zelvar {

// The labels of the nine inner grid lines of a trend scale from bottom to top (engineering
// units), the 10 % line first: line j reads bottom + (top - bottom) / 10 x j.
//
// All nine take the same number of decimals, the fewest with which the nine texts differ and
// each is within 0.5 % of the span of its line's value: a 0-100 scale reads "10" to "90", 0-4
// reads "0.4" to "3.6", 0-0.01 reads "0.001" to "0.009". Without decimals a label is padded to
// two characters. A scale without a span (or one that is not a finite number) has nothing to
// tell apart and is written without decimals.
std::array<std::string, 9> GridLineLabels(double bottom, double top);

} // namespace zelvar
