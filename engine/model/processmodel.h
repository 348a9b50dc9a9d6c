#pragma once

#include "engine/model/stepcontext.h"

namespace zelvar {

struct EnginePlant;

// Placeholder until the class is built.
struct ProcessModel
{
    int ObjectNumber = 0;

};

void StepProcess(ProcessModel &process, int slot, EnginePlant &plant, const StepContext &context);

} // namespace zelvar
