#include "engine/model/realtimetick.h"

#include "engine/model/engineplant.h"
#include "tests/engine/testplant.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace zelvar {
namespace {

TEST(RealTimeTick, MeasuresTheCycleFromTheCallersClock)
{
    EnginePlant plant;
    StepContext context;
    RealTimeTick tick;
    // The first tick measures from midnight; 30 ms comes past midnight, once.
    for (const auto &[timeOfDayMs, cycle] : {std::pair{36000000.0, "36000000ms"},
                                             {36000100.0, "100ms"},
                                             {36000212.4, "112ms"},
                                             {86399950.0, "50399738ms"},
                                             {30.0, "-86399920ms"},
                                             {131.0, "101ms"}}) {
        SCOPED_TRACE(cycle);
        tick.Tick(timeOfDayMs, plant, context);
        EXPECT_EQ(tick.CycleText, cycle);
        EXPECT_EQ(tick.PreviousTickMs, timeOfDayMs);
    }
}

TEST(RealTimeTick, TimeStepFollowsTheTimerInterval)
{
    EnginePlant plant;
    StepContext context;
    context.TimeStep = 7.0;
    context.FastRunFlag = true;
    RealTimeTick tick;
    tick.Tick(0.0, plant, context);
    EXPECT_EQ(context.TimeStep, 0.1);
    tick.TimerIntervalMs = 250;
    tick.Tick(250.0, plant, context);
    EXPECT_EQ(context.TimeStep, 0.25);
    EXPECT_TRUE(context.FastRunFlag); // not the tick's to touch
}

TEST(RealTimeTick, RefreshesEverySixthTickBeforeStepping)
{
    EnginePlant plant;
    AddBlock(plant, 1, "M41+1"); // counts the steps in M41

    StepContext context;
    RealTimeTick tick;
    std::vector<double> seen;
    tick.RefreshDisplay = [&] {
        seen.push_back(plant.memories.Value(41));
    };
    int recorderCalls = 0;
    tick.Hooks.recorders = [&] {
        ++recorderCalls;
    };

    for (int i = 1; i <= 13; ++i)
        tick.Tick(100.0 * i, plant, context);

    EXPECT_EQ(seen, (std::vector<double>{5.0, 11.0})); // ticks 6 and 12, before their step
    EXPECT_EQ(plant.memories.Value(41), 13.0);
    EXPECT_EQ(tick.DisplayDivider, 1);
    EXPECT_EQ(recorderCalls, 13);
}

} // namespace
} // namespace zelvar
