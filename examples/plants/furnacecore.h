#pragma once

// What the two tubular furnaces share: the fired heater, its door and its fuel-gas supply, so
// that a trainee compares the single loop with the cascade on the same plant.
#include "examples/pidpainter.h"
#include "examples/plantbuilder.h"

#include <QString>

namespace zelvar::examples {

// The outlet-temperature setpoint, 400 °C on 0-600 °C.
inline constexpr double kFurnaceSetpoint = 66.67;

// Gas pressure (slider 2 on M16), the door and fuel-gas buttons with the command panel, the
// fuel flow process 1 (FT-10x, fed by the valve's controller output), the combustion heating
// and door-loss processes 2 and 3, the door lamp and the gas-pressure text in slot textSlot.
void BuildFurnaceCore(PlantBuilder &b, const char *flowTag, int valveOutput, int textSlot);

// The outlet-temperature PID TIC-101 on the temperature memory pv (icon at left, top) with its
// recorder TR-101.
void BuildFurnaceTemperatureLoop(PlantBuilder &b, int pv, int left, int top);

// The furnace with its stack, coil, door and burners, the fuel header with its gauge, orifice
// and valve, and the outlet transmitter TT-101 (centre 660, 205).
void DrawFurnaceCore(PidPainter &p, const QString &valveTag);

} // namespace zelvar::examples
