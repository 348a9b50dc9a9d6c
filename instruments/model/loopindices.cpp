#include "instruments/model/loopindices.h"

#include "engine/model/numbertext.h"

#include <algorithm>
#include <cmath>

namespace zelvar {

std::optional<LoopIndexValues> CalcLoopIndexValues(std::span<const double> pv,
                                                   std::span<const double> sp,
                                                   std::span<const double> co)
{
    const std::size_t n = pv.size();
    if (n < 2 || sp.size() != n || co.size() != n)
        return std::nullopt;

    double sumPv = 0.0;
    double sumCo = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        sumPv += pv[i];
        sumCo += co[i];
    }
    const double count = static_cast<double>(n);
    const double meanPv = sumPv / count;
    const double meanCo = sumCo / count;

    double squaresPv = 0.0;
    double squaresCo = 0.0;
    double error = 0.0;
    double absoluteError = 0.0;
    double travel = 0.0;
    long long saturated = 0;
    double smallestPv = pv[0];
    double largestPv = pv[0];
    for (std::size_t i = 0; i < n; ++i) {
        squaresPv += (pv[i] - meanPv) * (pv[i] - meanPv);
        squaresCo += (co[i] - meanCo) * (co[i] - meanCo);
        error += sp[i] - pv[i];
        absoluteError += std::fabs(sp[i] - pv[i]);
        if (co[i] >= 98.0 || co[i] <= 2.0)
            ++saturated;
        if (i >= 1)
            travel += std::fabs(co[i] - co[i - 1]);
        smallestPv = std::min(smallestPv, pv[i]);
        largestPv = std::max(largestPv, pv[i]);
    }

    LoopIndexValues values;
    values.variability = 3.0 * std::sqrt(squaresPv / (count - 1.0));
    values.iem = error / count;
    values.iema = absoluteError / count;
    values.coTravel = travel / 100.0;
    values.coDeviation = 3.0 * std::sqrt(squaresCo / (count - 1.0));
    values.coSaturation = static_cast<double>(100 * saturated) / count;
    values.pvMin = smallestPv;
    values.pvMax = largestPv;
    return values;
}

LoopIndexRow
CalcLoopIndices(std::span<const double> pv, std::span<const double> sp, std::span<const double> co)
{
    const std::optional<LoopIndexValues> values = CalcLoopIndexValues(pv, sp, co);
    if (!values)
        return {};
    LoopIndexRow row;
    row[0] = FormatFixed(values->variability, 5, 2);
    row[1] = FormatFixed(values->iem, 5, 2);
    row[2] = FormatFixed(values->iema, 5, 2);
    row[3] = FormatFixed(values->coTravel, 5, 2) + " %";
    row[4] = FormatFixed(values->coDeviation, 5, 2) + " %";
    row[5] = FormatFixed(values->coSaturation, 5, 2) + " %";
    row[6] = FormatFixed(values->pvMin, 5, 1) + "/" + FormatFixed(values->pvMax, 5, 1);
    return row;
}

std::string IndexSuffix(bool normalised, std::string_view unit)
{
    if (normalised)
        return " %";
    return " " + std::string(unit);
}

LoopIndexRow ShownIndexTexts(const LoopIndexRow &row, std::string_view suffix)
{
    LoopIndexRow shown = row;
    for (std::size_t i = 0; i < 3; ++i)
        shown[i] += suffix;
    return shown;
}

} // namespace zelvar
