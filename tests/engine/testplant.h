#pragma once

#include "engine/model/engineplant.h"

#include <gtest/gtest.h>

#include <string>

namespace zelvar {

// Controller k, present, reading its PV from list position pvPosition (memory pvPosition + 1),
// at the setpoint; every other setting as a new controller has it, not applied.
inline void AddController(EnginePlant &plant, int k, int pvPosition, double setpoint = 0.0)
{
    plant.controllers[k] = Controller(k);
    plant.controllers.present[static_cast<std::size_t>(k)] = true;
    plant.controllers[k].LoadSettings(
        [&](ControllerSettings &s) { s.VariavelSelect = pvPosition; });
    plant.controllers[k].Setpoint = setpoint;
}

// Calculation block k, present and applied with the function.
inline void AddBlock(EnginePlant &plant, int k, const std::string &function)
{
    plant.blocks[k] = CalculationBlock(k);
    plant.blocks.present[static_cast<std::size_t>(k)] = true;
    plant.blocks[k].FuncaoTr = function;
    EXPECT_TRUE(ApplyBlockSettings(plant.blocks[k], plant.memories).empty()) << function;
}

} // namespace zelvar
