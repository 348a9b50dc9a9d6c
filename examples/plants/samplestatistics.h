#pragma once

#include <cmath>
#include <cstddef>
#include <vector>

#include "instruments/model/fastsimulation.h"

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

// The fast run's CO travel index: the summed CO moves of its one-per-second samples / 100.
inline double CoTravel(const LoopSeries &series)
{
    double travel = 0.0;
    for (std::size_t i = 1; i < series.CO.size(); ++i)
        travel += std::abs(series.CO[i] - series.CO[i - 1]);
    return travel / 100.0;
}

} // namespace zelvar::examples
