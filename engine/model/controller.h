#pragma once

#include "engine/model/stepcontext.h"

namespace zelvar {

struct EnginePlant;

// Placeholder until the class is built.
struct Controller
{
    int ObjectNumber = 0;

};

void StepController(Controller &controller, EnginePlant &plant, const StepContext &context);

} // namespace zelvar
