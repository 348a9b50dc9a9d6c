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

// The mean time between the rises of a series sampled every sampleTime s through its middle,
// counting a rise only after the series has been below the middle by a quarter of its swing.
inline double
CyclePeriod(const std::vector<double> &series, double low, double high, double sampleTime)
{
    const double middle = (low + high) / 2.0;
    const double margin = (high - low) / 4.0;
    bool below = false;
    std::vector<double> rises;
    for (std::size_t i = 0; i < series.size(); ++i) {
        if (series[i] < middle - margin)
            below = true;
        if (below && series[i] > middle + margin) {
            below = false;
            rises.push_back(static_cast<double>(i) * sampleTime);
        }
    }
    if (rises.size() < 2)
        return 0.0;
    return (rises.back() - rises.front()) / static_cast<double>(rises.size() - 1);
}

// The fast run's CO travel index, as its box shows it before rounding.
inline double CoTravel(const LoopSeries &series)
{
    const std::optional<LoopIndexValues> indices
        = CalcLoopIndexValues(series.PV, series.SP, series.CO);
    return indices ? indices->coTravel : 0.0;
}

} // namespace zelvar::examples
