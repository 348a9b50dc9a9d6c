#pragma once

#include "engine/model/stepcontext.h"

namespace zelvar {

struct EnginePlant;

// Placeholder until the class is built.
struct SignalGenerator
{
    int ObjectNumber = 0;

};

void StepSignalGenerator(SignalGenerator &generator, EnginePlant &plant, const StepContext &context);

} // namespace zelvar
