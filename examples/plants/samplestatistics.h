#pragma once

#include <cmath>
#include <cstddef>
#include <vector>

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

} // namespace zelvar::examples
