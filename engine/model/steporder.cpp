#include "engine/model/steporder.h"

#include "engine/model/engineplant.h"

namespace zelvar {

void StepPlant(EnginePlant &plant, const StepContext &context, const StepHooks &hooks)
{
    StepSignalGenerator(plant.signalGenerator, plant, context);
    for (int slot = 1; slot <= plant.processes.kCount; ++slot) {
        if (plant.processes.IsPresent(slot))
            StepProcess(plant.processes[slot], slot, plant, context);
    }
    for (int slot = 1; slot <= plant.blocks.kCount; ++slot) {
        if (plant.blocks.IsPresent(slot))
            StepBlock(plant.blocks[slot], plant, context);
    }
    if (hooks.afterBlocks)
        hooks.afterBlocks();
    for (int slot = 1; slot <= plant.controllers.kCount; ++slot) {
        if (plant.controllers.IsPresent(slot))
            StepController(plant.controllers[slot], plant, context);
    }
    if (plant.linearizer.Lin1Ativar)
        StepLinearizer(plant.linearizer, plant, context);
    if (hooks.recorders)
        hooks.recorders();
}

} // namespace zelvar
