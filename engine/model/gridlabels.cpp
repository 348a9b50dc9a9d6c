#include "engine/model/gridlabels.h"

#include "engine/model/numbertext.h"

#include <algorithm>
#include <cmath>

namespace zelvar {

namespace {

constexpr int kLineCount = 9;
constexpr int kWidth = 2;
// How far a label may stand from its line, as a part of the span.
constexpr double kReadingTolerance = 0.005;
constexpr double kMostDecimals = 40.0;

bool ReadsEveryLine(const std::array<double, kLineCount> &values,
                    const std::array<std::string, kLineCount> &texts,
                    double tolerance)
{
    for (int i = 0; i < kLineCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (std::fabs(ParseNumber(texts[at]).value - values[at]) > tolerance)
            return false;
        if (i > 0 && texts[at] == texts[at - 1])
            return false;
    }
    return true;
}

} // namespace

std::array<std::string, 9> GridLineLabels(double bottom, double top)
{
    const double span = top - bottom;
    const double size = std::fabs(span);
    std::array<double, kLineCount> values{};
    for (int j = 1; j <= kLineCount; ++j) {
        double value = bottom + span / 10.0 * j;
        // A line at zero that the arithmetic puts a hair below it would read "-0.0".
        if (std::fabs(value) < size * 1e-9)
            value = 0.0;
        values[static_cast<std::size_t>(j - 1)] = value;
    }
    std::array<std::string, kLineCount> texts;
    const auto write = [&](int decimals) {
        for (std::size_t i = 0; i < texts.size(); ++i)
            texts[i] = FormatFixed(values[i], kWidth, decimals);
    };
    if (!(size > 0.0) || !std::isfinite(size)) {
        write(0);
        return texts;
    }
    // With these decimals a label is off by half a unit of its last place at most, within the
    // tolerance, and neighbours a tenth of the span apart differ: the search ends here.
    // Clamped before the conversion: a span next to nothing asks for endless decimals.
    const int enough = static_cast<int>(
        std::clamp(std::ceil(std::log10(0.5 / (kReadingTolerance * size))), 0.0, kMostDecimals));
    // A slack for the arithmetic of the values themselves.
    const double tolerance = kReadingTolerance * size * (1.0 + 1e-9);
    for (int decimals = 0; decimals < enough; ++decimals) {
        write(decimals);
        if (ReadsEveryLine(values, texts, tolerance))
            return texts;
    }
    write(enough);
    return texts;
}

} // namespace zelvar
