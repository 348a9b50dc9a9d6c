#pragma once

namespace zelvar {

class RandomSource;

// What every step routine gets besides its object and the plant.
struct StepContext
{
    // TimeStep: seconds this step advances; read afresh at every call.
    double TimeStep = 0.1;
    // FastRunFlag: a batch run is stepping; routines skip what only a window shows.
    bool FastRunFlag = false;
    // Random(n) of the signal generator; injected so tests can script the draws.
    RandomSource *random = nullptr;
};

} // namespace zelvar
