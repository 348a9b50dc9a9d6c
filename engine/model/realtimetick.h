#pragma once

#include "engine/model/stepcontext.h"
#include "engine/model/steporder.h"

#include <cstdint>
#include <functional>
#include <string>

namespace zelvar {

struct EnginePlant;

// The main timer's tick. The caller reads the clock and passes the time of day; the tick
//
//   1. TickDeltaMs = now - PreviousTickMs (the first tick measures from midnight, the tick
//      after midnight is negative once), shown as CycleText, e.g. "100ms";
//   2. TimeStep = TimerIntervalMs / 1000;
//   3. counts DisplayDivider and on every sixth tick calls RefreshDisplay, before stepping, so
//      the display shows the previous tick's values;
//   4. steps the plant once (StepPlant) with the recorders.
// It never reads or writes the context's FastRunFlag.
struct RealTimeTick
{
    int TimerIntervalMs = 100;

    double PreviousTickMs = 0.0;
    double CurrentTickMs = 0.0;
    double TickDeltaMs = 0.0;
    std::int32_t DisplayDivider = 0;
    // Label2 of the configuration window, beside "Ciclo Execução: ".
    std::string CycleText;

    // Animated texts, shapes and push-button texts.
    std::function<void()> RefreshDisplay;
    // What the tick adds to the step order (the recorders).
    StepHooks Hooks;

    void Tick(double timeOfDayMs, EnginePlant &plant, StepContext &context);
};

} // namespace zelvar
