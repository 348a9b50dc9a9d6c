#include "engine/model/linearizer.h"

#include "engine/model/engineplant.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace zelvar {
namespace {

constexpr double kTolerance = 1e-9;

class LinearizerStep : public testing::Test
{
protected:
    void SetTable(const std::array<const char *, 6> &mv, const std::array<const char *, 6> &pv)
    {
        for (std::size_t i = 0; i < 6; ++i) {
            plant.linearizer.Lin1MV[i + 1] = mv[i];
            plant.linearizer.Lin1PV[i + 1] = pv[i];
        }
    }
    double Step(double input)
    {
        plant.memories.SetValue(1, input);
        StepLinearizer(plant.linearizer, plant, context);
        return plant.memories.Value(13);
    }

    EnginePlant plant;
    StepContext context;
};

TEST_F(LinearizerStep, DefaultTableIsTheIdentity)
{
    for (const double input : {0.0, 12.5, 20.0, 79.9, 100.0, 130.0, -10.0}) {
        SCOPED_TRACE(input);
        EXPECT_NEAR(Step(input), input, kTolerance);
    }
}

TEST_F(LinearizerStep, InvertsTheTableSegmentBySegment)
{
    SetTable({"10", "20", "40", "60", "80", "100"}, {"10", "40", "70", "85", "95", "100"});
    EXPECT_NEAR(Step(55), 30.0, kTolerance); // segment 2: slope 1.5, intercept 10
    EXPECT_EQ(plant.linearizer.LinearizerSlope[2], 1.5);
    EXPECT_NEAR(plant.linearizer.LinearizerIntercept[2], 10.0, kTolerance);
    EXPECT_NEAR(Step(25), 15.0, kTolerance); // segment 1: slope 3, intercept -20
    EXPECT_NEAR(Step(4), 8.0, kTolerance);   // below the table the first segment extrapolates
    EXPECT_NEAR(Step(97.5), 90.0, kTolerance);
    EXPECT_NEAR(Step(110), 140.0, kTolerance); // the last segment extrapolates
}

TEST_F(LinearizerStep, InputMemoryFromTheFirstTwoCharacters)
{
    plant.memories.SetValue(5, 42);
    plant.memories.SetValue(1, 17);
    for (const auto &[text, input] : {std::pair{"01 MV", 17.0},
                                      {"05 Vazão", 42.0},
                                      {"5", 0.0},
                                      {"", 0.0},
                                      {"00 x", 0.0},
                                      {"M5", 0.0}}) {
        SCOPED_TRACE(text);
        plant.linearizer.Lin1EndEnt = text;
        StepLinearizer(plant.linearizer, plant, context);
        EXPECT_EQ(plant.linearizer.LinearizerInput, input);
        EXPECT_NEAR(plant.memories.Value(13), input, kTolerance);
    }
}

TEST_F(LinearizerStep, ShortTableLeavesTheOutputAboveItsEnd)
{
    SetTable({"0", "20", "0", "0", "0", "0"}, {"0", "40", "x", "x", "x", "x"});
    EXPECT_NEAR(Step(30), 15.0, kTolerance);
    EXPECT_EQ(Step(40), 15.0);
    EXPECT_EQ(Step(90), 15.0);
}

TEST_F(LinearizerStep, BreakpointsAcceptACommaAndBlanks)
{
    SetTable({" 0 ", "20,5", "40", "60", "80", "100 "}, {"0", " 41,0", "70", "85", "95", "100"});
    EXPECT_NEAR(Step(20.5), 10.25, kTolerance);
    EXPECT_EQ(plant.linearizer.LinearizerMV[2], 20.5);
    EXPECT_EQ(plant.linearizer.LinearizerPV[2], 41.0);
}

TEST_F(LinearizerStep, FlatOrVerticalSegmentsAreSkipped)
{
    // Equal breakpoints divided by zero and wrote infinity or NaN into M13.
    struct Row
    {
        const char *name;
        std::array<const char *, 6> mv;
        std::array<const char *, 6> pv;
        double input;
        double expected;
    };
    const Row rows[] = {
        // Segment 2 is vertical; segment 3 (MV 20-60, PV 40-60) takes the input.
        {"equalMv",
         {"0", "20", "20", "60", "80", "100"},
         {"0", "20", "40", "60", "80", "100"},
         50.0,
         40.0},
        // Segment 2 is flat; the input goes on to segment 3.
        {"equalPv",
         {"0", "20", "40", "60", "80", "100"},
         {"0", "20", "20", "60", "80", "100"},
         50.0,
         55.0},
        // A flat first segment does not stop the search: segment 2 (PV 5-40) takes -3.
        {"flatFirst",
         {"0", "20", "40", "60", "80", "100"},
         {"5", "5", "40", "60", "80", "100"},
         -3.0,
         27.0 / 1.75},
        // Both equal: NaN slope.
        {"equalBoth",
         {"0", "20", "20", "60", "80", "100"},
         {"0", "20", "20", "60", "80", "100"},
         50.0,
         50.0},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        SetTable(row.mv, row.pv);
        const double output = Step(row.input);
        EXPECT_NEAR(output, row.expected, kTolerance);
        for (std::size_t i = 1; i < 6; ++i) {
            EXPECT_TRUE(std::isfinite(plant.linearizer.LinearizerSlope[i]));
            EXPECT_TRUE(std::isfinite(plant.linearizer.LinearizerIntercept[i]));
        }
    }
}

TEST_F(LinearizerStep, OnlyFlatSegmentsLeaveTheOutput)
{
    SetTable({"0", "20", "40", "60", "80", "100"}, {"5", "5", "5", "5", "5", "5"});
    plant.memories.SetValue(13, 12);
    EXPECT_EQ(Step(5), 12.0);
}

} // namespace
} // namespace zelvar
