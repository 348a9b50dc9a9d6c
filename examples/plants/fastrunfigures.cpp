#include "examples/plants/fastrunfigures.h"

#include <algorithm>
#include <cmath>

namespace zelvar::examples {

double
FastRunFigure(Plant &plant, int testSignal, int amplitude, int loop, double FastRunFigures::*figure)
{
    return FiguresOf(FastRun(plant, testSignal, amplitude)[static_cast<std::size_t>(loop)]).*figure;
}

double FastRunLargestEndError(Plant &plant, int amplitude, int loops)
{
    const LoopCharts charts = FastRun(plant, 2, amplitude);
    double largest = 0.0;
    for (int loop = 1; loop <= loops; ++loop)
        largest = std::max(largest,
                           std::abs(FiguresOf(charts[static_cast<std::size_t>(loop)]).endError));
    return largest;
}

} // namespace zelvar::examples
