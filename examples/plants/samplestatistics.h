#pragma once

#include <cmath>
#include <cstddef>
#include <optional>
#include <vector>

#include "instruments/model/fastsimulation.h"
#include "instruments/model/loopindices.h"

namespace zelvar::examples {

// The sample standard deviation (n - 1); 0 for fewer than two samples.
inline double StandardDeviation(const std::vector<double> &values)
{
    if (values.size() < 2)
        return 0.0;
    double mean = 0.0;
    for (double v : values)
        mean += v;
    mean /= static_cast<double>(values.size());
    double sum = 0.0;
    for (double v : values)
        sum += (v - mean) * (v - mean);
    return std::sqrt(sum / static_cast<double>(values.size() - 1));
}

// The fast run's CO travel index, as its box shows it before rounding.
inline double CoTravel(const LoopSeries &series)
{
    const std::optional<LoopIndexValues> indices
        = CalcLoopIndexValues(series.PV, series.SP, series.CO);
    return indices ? indices->coTravel : 0.0;
}

} // namespace zelvar::examples
