#include "engine/model/signalgenerator.h"

#include "engine/model/memorytable.h"
#include "engine/model/randomsource.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <vector>

namespace zelvar {
namespace {

constexpr double kTolerance = 1e-9;

// Hands out the scripted draws in order (0 once they run out) and records what was asked.
class ScriptedRandom : public RandomSource
{
public:
    explicit ScriptedRandom(std::vector<int> draws)
        : m_draws(std::move(draws))
    {}

    int Random(int n) override
    {
        requested.push_back(n);
        return m_next < m_draws.size() ? m_draws[m_next++] : 0;
    }

    std::vector<int> requested;

private:
    std::vector<int> m_draws;
    std::size_t m_next = 0;
};

class Generator : public ::testing::Test
{
protected:
    void Configure(int n, int kind, const char *desc, const char *min, const char *max)
    {
        generator.ChangeKind(n, kind, memories);
        generator.SetText(n, SignalText::Desc, desc);
        generator.SetText(n, SignalText::Min, min);
        generator.SetText(n, SignalText::Max, max);
        generator.ApplySignalGeneratorSettings(memories);
    }

    void Step(RandomSource *random = nullptr, double dt = 0.1)
    {
        StepContext context;
        context.TimeStep = dt;
        context.random = random;
        generator.Step(memories, context);
    }

    MemoryTable memories;
    SignalGenerator generator;
};

TEST_F(Generator, FastRandomScalesEachDrawBetweenTheBounds)
{
    Configure(81, kFastRandom, "Ruído", "20", "80");
    ScriptedRandom random({5000, 9999});
    Step(&random);
    EXPECT_EQ(memories.Value(81), 50.0);
    EXPECT_EQ(generator.Row(81).Valor, "50.00");
    Step(&random);
    EXPECT_NEAR(memories.Value(81), 79.994, kTolerance);
    EXPECT_EQ(generator.Row(81).Valor, "79.99");
    EXPECT_EQ(random.requested, (std::vector<int>{10000, 10000}));

    // Reversed bounds only reverse the range.
    Configure(81, kFastRandom, "Ruído", "80", "20");
    ScriptedRandom reversed({9999});
    Step(&reversed);
    EXPECT_NEAR(memories.Value(81), 20.006, kTolerance);
}

// The stepped kinds at the real-time step and at a fast run's half second.
class GeneratorAtTimeStep : public Generator, public ::testing::WithParamInterface<double>
{
protected:
    double dt() const { return GetParam(); }
    // How many of 30000 draws start a new value in one step, by the rate per 0.1 s.
    int Chances(int per100Milliseconds) const
    {
        return static_cast<int>(std::nearbyint(dt() / 0.1 * per100Milliseconds));
    }
};

INSTANTIATE_TEST_SUITE_P(Steps,
                         GeneratorAtTimeStep,
                         ::testing::Values(0.1, 0.5),
                         [](const ::testing::TestParamInfo<double> &info) {
                             return info.param == 0.1 ? "Tenth" : "Half";
                         });

TEST_P(GeneratorAtTimeStep, MediumRandomDrawsATargetAtRandomMomentsAndLagsTowardsIt)
{
    Configure(82, kMediumRandom, "5", "10", "110");
    // The test passes for draws below 500 (0.1 s) or 2500 (0.5 s); the value draw follows
    // only then: 3000 of 10000 is 30 % of the way from 10 to 110.
    ScriptedRandom random({Chances(500) - 1, 3000, Chances(500)});
    Step(&random, dt());
    const double share = dt() / (5.0 + dt()); // 0.1 / 5.1 or 0.5 / 5.5 of the distance left
    EXPECT_NEAR(memories.Value(82), share * 40.0, kTolerance);
    Step(&random, dt());
    EXPECT_NEAR(memories.Value(82), 40.0 * (1.0 - (1.0 - share) * (1.0 - share)), kTolerance);
    EXPECT_EQ(random.requested, (std::vector<int>{30000, 10000, 30000}));
    EXPECT_EQ(generator.working[1].GeneratorTarget, 40.0);
}

TEST_F(Generator, MediumRandomWithATimeConstantOfMinusTheStepStaysFinite)
{
    // Regression: P + dt = 0 used to divide by zero.
    Configure(82, kMediumRandom, "-0.1", "0", "100");
    ScriptedRandom random({0, 4000});
    Step(&random);
    EXPECT_EQ(generator.LagOutput[1], 40.0);
    EXPECT_EQ(memories.Value(82), 40.0);
}

TEST_P(GeneratorAtTimeStep, SlowRandomHoldsBetweenRareDraws)
{
    // A new value for draws below 30 (0.1 s) or 150 (0.5 s): 4000 of 10000 between 5 and 15.
    Configure(83, kSlowRandom, "Carga", "5", "15");
    ScriptedRandom random({Chances(30) - 1, 4000, Chances(30)});
    Step(&random, dt());
    EXPECT_EQ(memories.Value(83), 9.0);
    EXPECT_EQ(generator.Row(83).Valor, "9.00");
    Step(&random, dt());
    EXPECT_EQ(memories.Value(83), 9.0);
    EXPECT_EQ(random.requested, (std::vector<int>{30000, 10000, 30000}));
}

TEST_F(Generator, RandomWalkReturnsToItsStartWhenItLeavesTheBand)
{
    Configure(86, kRandomWalk, "15", "50", "10");
    ScriptedRandom random({9999, 9999, 0});
    Step(&random);
    EXPECT_NEAR(memories.Value(86), 59.998, kTolerance);
    Step(&random); // 69.996 is beyond 50 + 15
    EXPECT_EQ(memories.Value(86), 50.0);
    Step(&random);
    EXPECT_EQ(memories.Value(86), 40.0);

    // Band 0: a draw of 5000 does not move (an edge position stays), any other returns.
    Configure(86, kRandomWalk, "0", "50", "10");
    ScriptedRandom still({5000, 7000});
    Step(&still);
    EXPECT_EQ(memories.Value(86), 50.0);
    Step(&still);
    EXPECT_EQ(memories.Value(86), 50.0);
}

TEST_P(GeneratorAtTimeStep, SineStartsOneStepInAndPeaksAtAQuarterPeriod)
{
    // Between 20 and 120, period 10 s: after 0.1 s (sin(0.02 pi) + 1) / 2 x 100 + 20 = 73.14,
    // after 0.5 s (sin(0.1 pi) + 1) / 2 x 100 + 20 = 85.45; the peak 120 at 2.5 s.
    Configure(84, kSine, "10", "20", "120");
    Step(nullptr, dt());
    EXPECT_EQ(generator.Row(84).Valor, dt() == 0.1 ? "73.14" : "85.45");
    for (int i = 1; i < std::nearbyint(2.5 / dt()); ++i)
        Step(nullptr, dt());
    EXPECT_NEAR(memories.Value(84), 120.0, kTolerance);
}

TEST_F(Generator, SinePeriodFollowsItsTextAndMemoriesWithoutACommit)
{
    Configure(84, kSine, "10", "0", "100");
    generator.SetText(84, SignalText::Desc, "M15");
    memories.SetValue(15, 0.4); // a period of 0.4 s: a quarter period in one step
    Step();
    EXPECT_NEAR(memories.Value(84), 100.0, kTolerance);

    generator.SetText(84, SignalText::Desc, "0");
    Step();
    EXPECT_EQ(memories.Value(84), 0.0);
    EXPECT_EQ(generator.Row(84).Valor, "0.00");
}

TEST_F(Generator, ARowJustSwitchedToSineOutputsZeroUntilAPeriodIsTyped)
{
    memories.SetValue(84, 33);
    generator.ChangeKind(84, kSine, memories);
    EXPECT_EQ(generator.Row(84).Desc, "Per (seg)");
    Step();
    EXPECT_EQ(memories.Value(84), 0.0);
}

TEST_F(Generator, AConstantCommitsItsTextAndRoundsTheUpDownHalvesToEven)
{
    for (const auto &[valor, value, upDown] :
         {std::tuple{"42,5", 42.5, 42},
          {"0.5", 0.5, 0},
          {"1.5", 1.5, 2},
          {"2*3+1", 7.0, 7},
          {"M05", 0.0, 0}, // no memory substitution: an invalid character
          {"150", 150.0, 100},
          {"-3", -3.0, 0}}) {
        SCOPED_TRACE(valor);
        generator.SetText(81, SignalText::Valor, valor);
        generator.ApplySignalGeneratorSettings(memories);
        EXPECT_EQ(memories.Value(81), value);
        EXPECT_EQ(generator.Row(81).UpDown, upDown);
    }
}

TEST_F(Generator, ZeroOneCommitsExactlyZeroOrOne)
{
    generator.ChangeKind(81, kZeroOne, memories);
    EXPECT_TRUE(generator.Row(81).layout.valorDigShown);
    EXPECT_EQ(memories.Description(81), "Constante 0-1");
    generator.ClickZeroOne(81, 1, memories);
    EXPECT_EQ(memories.Value(81), 1.0);
    EXPECT_EQ(generator.Row(81).Valor, "1");
    generator.ClickZeroOne(81, 0, memories);
    EXPECT_EQ(memories.Value(81), 0.0);
    EXPECT_EQ(generator.Row(81).Valor, "0");
}

TEST_F(Generator, UpDownStepsTheConstantAndStopsAtTheEnds)
{
    generator.SetText(91, SignalText::Desc, "Bomba");
    generator.SetText(91, SignalText::Valor, "42");
    generator.ApplySignalGeneratorSettings(memories);
    EXPECT_EQ(memories.Description(91), "Bomba");
    generator.ClickUpDown(91, true, memories);
    EXPECT_EQ(generator.Row(91).Valor, "43");
    EXPECT_EQ(memories.Value(91), 43.0);

    for (const auto &[start, up, end] : {std::tuple{"100", true, 100.0}, {"0", false, 0.0}}) {
        generator.SetText(91, SignalText::Valor, start);
        generator.ApplySignalGeneratorSettings(memories);
        generator.ClickUpDown(91, up, memories);
        EXPECT_EQ(memories.Value(91), end);
    }
}

TEST_F(Generator, EquationFollowsItsMemoriesButATextChangeWaitsForTheCommit)
{
    generator.ChangeKind(85, kEquation, memories);
    generator.SetText(85, SignalText::Valor, "M21*2");
    generator.ApplySignalGeneratorSettings(memories);
    memories.SetValue(21, 10);
    Step();
    EXPECT_EQ(memories.Value(85), 20.0);
    EXPECT_EQ(generator.Row(85).Valor, "M21*2");

    generator.SetText(85, SignalText::Valor, "M21");
    memories.SetValue(21, 15);
    Step();
    EXPECT_EQ(memories.Value(85), 30.0);
    generator.ApplySignalGeneratorSettings(memories);
    Step();
    EXPECT_EQ(memories.Value(85), 15.0);
}

TEST_F(Generator, LogarithmHoldsForValuesUpToZeroAndExponentialHoldsOnOverflow)
{
    generator.ChangeKind(81, kLogarithm, memories);
    generator.SetText(81, SignalText::Valor, "M21");
    generator.ChangeKind(82, kExponential, memories);
    generator.SetText(82, SignalText::Valor, "M21");
    generator.ApplySignalGeneratorSettings(memories);

    memories.SetValue(21, std::exp(2.0));
    Step();
    EXPECT_NEAR(memories.Value(81), 2.0, kTolerance);
    memories.SetValue(21, -1.0);
    Step();
    EXPECT_NEAR(memories.Value(81), 2.0, kTolerance);
    EXPECT_NEAR(memories.Value(82), std::exp(-1.0), kTolerance);
    memories.SetValue(21, 0.0);
    Step();
    EXPECT_NEAR(memories.Value(81), 2.0, kTolerance);
    memories.SetValue(21, -1.0);
    Step();
    memories.SetValue(21, 1000.0); // e^1000 is beyond a double
    Step();
    EXPECT_NEAR(memories.Value(82), std::exp(-1.0), kTolerance);
}

TEST_F(Generator, AKindChangeZeroesTheBoundsUntilTheNextCommit)
{
    Configure(81, kFastRandom, "Ruído", "20", "80");
    generator.ChangeKind(81, kConstant, memories);
    generator.SetText(81, SignalText::Valor, "50");
    generator.ApplySignalGeneratorSettings(memories);
    generator.ChangeKind(81, kFastRandom, memories);
    ScriptedRandom random({7000});
    Step(&random);
    EXPECT_EQ(memories.Value(81), 0.0);
}

TEST_F(Generator, ASineRowKeepsItsDescriptionThroughTheCommit)
{
    Configure(84, kSine, "10", "0", "100");
    Configure(83, kMediumRandom, "5", "0", "100");
    EXPECT_EQ(memories.Description(84), "Sinal Senoidal");
    EXPECT_EQ(memories.Description(83), "5");
}

TEST_F(Generator, TheMinPlaceholderDiffersByRow)
{
    for (const auto &[row, kind, min] : {std::tuple{81, kFastRandom, "Min"},
                                         {81, kSine, "Min."},
                                         {82, kSlowRandom, "Min."},
                                         {86, kSine, "Min"}}) {
        generator.ChangeKind(row, kind, memories);
        EXPECT_EQ(generator.Row(row).Min, min) << row << " " << kind;
    }
}

TEST_F(Generator, KindsALowerRowDoesNotOfferSelectNone)
{
    generator.ChangeKind(86, kEquation, memories);
    EXPECT_EQ(generator.Row(86).Tipo, kNoSignalKind);
    EXPECT_EQ(memories.Description(86), "Aleatório");
    EXPECT_TRUE(generator.Row(86).layout.minMaxShown);

    generator.ChangeKind(92, kFastRandom, memories);
    EXPECT_EQ(generator.Row(92).Tipo, kNoSignalKind);
    EXPECT_TRUE(
        generator.Row(92).layout.upDownShown); // a constant row without a kind keeps its layout
}

TEST_F(Generator, TheCommitButtonShowsUncommittedEdits)
{
    EXPECT_TRUE(generator.Button1Enabled());
    generator.ApplySignalGeneratorSettings(memories);
    EXPECT_FALSE(generator.Button1Enabled());
    generator.SetText(90, SignalText::Desc, "x");
    EXPECT_TRUE(generator.Button1Enabled());
}

TEST_F(Generator, RecreatingTheWindowKeepsTheWorkingValues)
{
    Configure(82, kMediumRandom, "5", "0", "100");
    generator.working[1].GeneratorTarget = 30;
    generator.working[3].GeneratorSineTime = 5;
    generator.LagOutput[1] = 12;
    generator.RecreateWindow();
    EXPECT_EQ(generator.working[1].GeneratorTarget, 30.0);
    EXPECT_EQ(generator.working[3].GeneratorSineTime, 5.0);
    EXPECT_EQ(generator.LagOutput[1], 0.0);
    EXPECT_EQ(generator.Row(82).Tipo, kConstant);
    EXPECT_EQ(generator.Row(82).Desc, "Descrição");
}

TEST(StandardRandomSource, DrawsWithinRangeAndRepeatsForASeed)
{
    StandardRandomSource first(7);
    StandardRandomSource second(7);
    for (int i = 0; i < 1000; ++i) {
        const int draw = first.Random(10);
        EXPECT_GE(draw, 0);
        EXPECT_LT(draw, 10);
        EXPECT_EQ(second.Random(10), draw);
    }
    EXPECT_EQ(first.Random(0), 0);
}

} // namespace
} // namespace zelvar
