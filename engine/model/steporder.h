#pragma once

#include "engine/model/stepcontext.h"

#include <functional>

namespace zelvar {

struct EnginePlant;

// What the caller adds to the fixed order.
struct StepHooks
{
    // Between the blocks and the controllers: the fast run's test signal.
    std::function<void()> afterBlocks;
    // Last: the recorders (left out by batch runs).
    std::function<void()> recorders;
};

// Steps every present object once: the signal generator (always), processes 1-24, blocks 1-24
// (afterBlocks), controllers 1-10, the linearizer while active, then the recorders hook. Slot
// order, not object number, decides. Objects read and write the memory table in place, so a
// value written earlier in the step is seen later in it. The real-time tick, the fast run and
// the XY sweep all step through here.
void StepPlant(EnginePlant &plant, const StepContext &context, const StepHooks &hooks = {});

} // namespace zelvar
