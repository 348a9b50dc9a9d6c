#pragma once

#include "engine/model/stepcontext.h"

namespace zelvar {

struct EnginePlant;

// Placeholder until the class is built.
struct CalculationBlock
{
    int ObjectNumber = 0;

};

void StepBlock(CalculationBlock &block, EnginePlant &plant, const StepContext &context);

} // namespace zelvar
