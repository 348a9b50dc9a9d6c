#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zelvar {

// The seven performance texts of one loop, in the order of the boxes.
using LoopIndexRow = std::array<std::string, 7>;

// The seven indices as numbers, before the boxes round them.
struct LoopIndexValues
{
    double variability = 0.0;
    double iem = 0.0;
    double iema = 0.0;
    double coTravel = 0.0;
    double coDeviation = 0.0;
    double coSaturation = 0.0;
    double pvMin = 0.0;
    double pvMax = 0.0;
};

// Over n samples PV[i], SP[i], CO[i] (the three series of one chart, equally long):
//   1 PV variability   3 sqrt(sum (PV - mean PV)^2 / (n - 1))        FormatFixed(x, 5, 2)
//   2 IEM              sum (SP - PV) / n                             FormatFixed(x, 5, 2)
//   3 IEMA             sum |SP - PV| / n                             FormatFixed(x, 5, 2)
//   4 CO travel        sum |CO[i] - CO[i-1]| / 100                   FormatFixed(x, 5, 2) " %"
//   5 CO deviation     3 sqrt(sum (CO - mean CO)^2 / (n - 1))        FormatFixed(x, 5, 2) " %"
//   6 CO saturation    100 K / n, K the samples with CO >= 98 or <= 2  FormatFixed(x, 5, 2) " %"
//   7 PV min/max       FormatFixed(min, 5, 1) "/" FormatFixed(max, 5, 1)
// Texts 1-3 and 7 are in the units of the samples. Fewer than two samples, or series of
// different lengths, give no index: seven empty texts (and no values).
std::optional<LoopIndexValues> CalcLoopIndexValues(std::span<const double> pv,
                                                   std::span<const double> sp,
                                                   std::span<const double> co);
LoopIndexRow
CalcLoopIndices(std::span<const double> pv, std::span<const double> sp, std::span<const double> co);

// The unit suffix of texts 1-3: " %" for normalised charts, otherwise a blank and the unit.
std::string IndexSuffix(bool normalised, std::string_view unit);

// What the seven boxes show: texts 1-3 followed by the suffix, texts 4-7 as they stand.
LoopIndexRow ShownIndexTexts(const LoopIndexRow &row, std::string_view suffix);

} // namespace zelvar
