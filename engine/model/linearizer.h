#pragma once

#include "engine/model/stepcontext.h"

namespace zelvar {

struct EnginePlant;

// Placeholder until the class is built.
struct Linearizer
{
    int ObjectNumber = 0;
    bool Lin1Ativar = false;
};

void StepLinearizer(Linearizer &linearizer, EnginePlant &plant, const StepContext &context);

} // namespace zelvar
