#pragma once

#include "examples/harness.h"

namespace zelvar::examples {

// One figure of loop `loop` in the gallery's fast run with the test signal (2 SP step, 3
// disturbance step) of the amplitude.
double FastRunFigure(
    Plant &plant, int testSignal, int amplitude, int loop, double FastRunFigures::*figure);

// The largest distance between SP and PV at the end of the SP-step fast run, over loops 1 to
// `loops`.
double FastRunLargestEndError(Plant &plant, int amplitude, int loops);

} // namespace zelvar::examples
