#include "engine/model/realtimetick.h"

#include "engine/model/numbertext.h"

namespace zelvar {

void RealTimeTick::Tick(double timeOfDayMs, EnginePlant &plant, StepContext &context)
{
    CurrentTickMs = timeOfDayMs;
    TickDeltaMs = CurrentTickMs - PreviousTickMs;
    PreviousTickMs = CurrentTickMs;
    CycleText = FormatFixed(TickDeltaMs, 0, 0) + "ms";

    context.TimeStep = TimerIntervalMs / 1000.0;

    ++DisplayDivider;
    if (DisplayDivider > 5) {
        DisplayDivider = 0;
        if (RefreshDisplay)
            RefreshDisplay();
    }

    StepPlant(plant, context, Hooks);
}

} // namespace zelvar
