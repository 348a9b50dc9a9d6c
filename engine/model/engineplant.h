#pragma once

#include "engine/model/calculationblock.h"
#include "engine/model/controller.h"
#include "engine/model/linearizer.h"
#include "engine/model/memorytable.h"
#include "engine/model/processmodel.h"
#include "engine/model/signalgenerator.h"
#include "engine/model/slotpool.h"

#include <array>

namespace zelvar {

// The part of a plant the engine steps: the memory table, the actuator positions and the
// object pools. The document's Plant extends it with presentation, instruments and picture.
struct EnginePlant
{
    MemoryTable memories;
    // ActuatorPosition[1..24]: written by each process step, drawn by the controller trend of
    // the same number.
    std::array<double, 25> ActuatorPosition{};

    SignalGenerator signalGenerator;
    SlotPool<ProcessModel, 24> processes;
    SlotPool<CalculationBlock, 24> blocks;
    SlotPool<Controller, 10> controllers;
    Linearizer linearizer;

    // 1-99 read the memory table, 101-124 the actuator positions, anything else 0.
    double ReadSignal(int index) const
    {
        if (MemoryTable::IsMemory(index))
            return memories.Value(index);
        if (index >= 101 && index <= 124)
            return ActuatorPosition[static_cast<std::size_t>(index - 100)];
        return 0.0;
    }
};

} // namespace zelvar
