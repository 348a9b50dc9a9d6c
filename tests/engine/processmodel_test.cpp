#include "engine/model/processmodel.h"

#include "engine/model/engineplant.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace zelvar {
namespace {

constexpr double kTolerance = 1e-9;

TEST(ProcessObjectNumber, FollowsTheMemoryMap)
{
    // slot -> object number: first, twentieth, twenty-first, last, none, past the end
    for (const auto &[slot, number] :
         {std::pair{1, 21}, {20, 40}, {21, 71}, {24, 74}, {0, 0}, {25, 0}}) {
        EXPECT_EQ(ProcessObjectNumber(slot), number) << slot;
        if (number != 0) {
            EXPECT_EQ(ProcessSlot(number), slot);
        }
    }
    EXPECT_EQ(ProcessSlot(41), 0);
    EXPECT_EQ(ProcessSlot(70), 0);
    EXPECT_EQ(ProcessModel(21).ObjectNumber, 71);
}

// Slot 1 (M21) reading M1 with every nonlinearity off, no lag and gain 1, applied.
class ProcessStep : public testing::Test
{
protected:
    void SetUp() override
    {
        plant.processes.present[1] = true;
        Process() = ProcessModel(1);
        Process().LText.SetText("0");
        ASSERT_TRUE(Apply().empty());
    }

    ProcessModel &Process() { return plant.processes[1]; }
    std::vector<std::string> Apply() { return ApplyProcessSettings(Process(), plant.memories); }
    void Step(int count = 1)
    {
        for (int i = 0; i < count; ++i)
            StepProcess(Process(), 1, plant, context);
    }
    void SetInput(double value) { plant.memories.SetValue(1, value); }
    double Output() const { return plant.memories.Value(21); }
    double Actuator() const { return plant.ActuatorPosition[1]; }

    EnginePlant plant;
    StepContext context;
};

// A new process runs with the defaults its window shows, which is also what a save of it
// writes and a reopening applies.
TEST_F(ProcessStep, UnappliedProcessRunsAsItsDefaultsApplied)
{
    SetInput(50);
    Process() = ProcessModel(1);
    Step(30);
    const double unapplied = Output();
    Process() = ProcessModel(1);
    ASSERT_TRUE(Apply().empty());
    Step(30);
    EXPECT_GT(unapplied, 0.0);
    EXPECT_EQ(Output(), unapplied);
}

TEST_F(ProcessStep, FirstOrderStepReaches31_5137After100Steps)
{
    Process().LText.SetText("10");
    SetInput(50);
    Step(100);
    // The bilinear recursion x = (19.9 x + 0.1 (50 + 50)) / 20.1 from 0, worked by hand.
    EXPECT_NEAR(Output(), 31.5137, 1e-4);
}

TEST_F(ProcessStep, FirstOrderLagsWeighTheirLastValueByTauOverTauPlusDt)
{
    // y = 1 / 1.1 y' + 0.1 / 1.1 x for a 100 % step: 100/11, then 100 (1 - (10/11)^2);
    // at 0.5 s y = 1 / 1.5 y' + 0.5 / 1.5 x: 100/3, then 100 (1 - (2/3)^2) = 500/9.
    // The actuator lag (tal), the transfer function's second stage (Ctext).
    for (const auto &[actuatorTau, secondTau, dt, first, second] :
         {std::tuple{"1", "0", 0.1, 100.0 / 11.0, 2100.0 / 121.0},
          {"0", "1", 0.1, 100.0 / 11.0, 2100.0 / 121.0},
          {"1", "0", 0.5, 100.0 / 3.0, 500.0 / 9.0},
          {"0", "1", 0.5, 100.0 / 3.0, 500.0 / 9.0}}) {
        SCOPED_TRACE(std::string(actuatorTau) + (dt == 0.1 ? " at 0.1 s" : " at 0.5 s"));
        SetUp();
        context.TimeStep = dt;
        Process().tal = actuatorTau;
        Process().Ctext.SetText(secondTau);
        ASSERT_TRUE(Apply().empty());
        SetInput(100);
        Step();
        EXPECT_NEAR(Output(), first, kTolerance);
        Step();
        EXPECT_NEAR(Output(), second, kTolerance);
    }
}

TEST_F(ProcessStep, DeadTimeDelaysByRoundedSteps)
{
    for (const auto &[deadTime, steps] :
         {std::pair{"0", 0}, {"0.1", 1}, {"0.5", 5}, {"0.25", 2}, {"0,3", 3}}) {
        SCOPED_TRACE(deadTime);
        SetUp();
        Process().TempoMorto = deadTime;
        ASSERT_TRUE(Apply().empty());
        SetInput(50);
        Step(steps);
        EXPECT_EQ(Output(), 0.0);
        Step();
        EXPECT_EQ(Output(), 50.0);
        EXPECT_EQ(Process().DeadTimeSteps, steps);
    }
}

TEST_F(ProcessStep, DeadTimeCarriesItsSamplesAcrossTheEndOfTheRing)
{
    Process().TempoMorto = "0.3";
    ASSERT_TRUE(Apply().empty());
    // A ramp with a new value every step, run past one turn of the ring: the output is always
    // the actuator position of three steps before.
    const auto input = [](int step) {
        return step / 250.0;
    };
    for (int step = 1; step <= ProcessModel::kRingSize + 10; ++step) {
        SetInput(input(step));
        Step();
        ASSERT_EQ(Output(), step > 3 ? input(step - 3) : 0.0) << "step " << step;
    }
}

TEST_F(ProcessStep, DeadTimeStepsRoundHalvesToEven)
{
    context.TimeStep = 0.25;
    for (const auto &[deadTime, steps] : {std::pair{"0.625", 2}, std::pair{"0.875", 4}}) {
        SCOPED_TRACE(deadTime);
        Process().TempoMorto = deadTime;
        ASSERT_TRUE(Apply().empty());
        Step();
        EXPECT_EQ(Process().DeadTimeSteps, steps);
    }
}

TEST_F(ProcessStep, DeadTimeFromAMemoryStaysInsideTheRing)
{
    // A dead time read live from a memory is not checked by Apply.
    Process().TempoMorto = "M05";
    ASSERT_TRUE(Apply().empty());
    SetInput(50);
    plant.memories.SetValue(5, 1e12);
    Step();
    EXPECT_EQ(Process().DeadTimeSteps, ProcessModel::kRingSize - 1);
    EXPECT_EQ(Output(), 0.0);
    plant.memories.SetValue(5, -3);
    Step();
    EXPECT_EQ(Process().DeadTimeSteps, 0);
    EXPECT_EQ(Output(), 50.0);
}

TEST_F(ProcessStep, BacklashHoldsUntilTheCommandCrossesTheBand)
{
    Process().Histerese = "5";
    ASSERT_TRUE(Apply().empty());
    std::vector<double> rising;
    for (int tenth = 0; tenth <= 80; ++tenth) {
        SetInput(tenth / 10.0);
        Step();
        rising.push_back(Actuator());
    }
    EXPECT_EQ(rising[49], 0.0); // u = 4.9
    EXPECT_EQ(rising[50], 0.0); // u = 5
    EXPECT_NEAR(rising[51], 0.1, kTolerance);
    EXPECT_NEAR(rising[80], 3.0, kTolerance);

    std::vector<double> falling;
    for (int tenth = 80; tenth >= 0; --tenth) {
        SetInput(tenth / 10.0);
        Step();
        falling.push_back(Actuator());
    }
    EXPECT_NEAR(falling[50], 3.0, kTolerance); // u = 3: not yet below the held position
    EXPECT_NEAR(falling[51], 2.9, kTolerance); // u = 2.9 follows down
    EXPECT_NEAR(falling[80], 0.0, kTolerance);
}

TEST_F(ProcessStep, BacklashTestsTheRawCommandAndMovesToTheRoundedOne)
{
    Process().Histerese = "0.53";
    ASSERT_TRUE(Apply().empty());
    SetInput(8.0);
    Step();
    ASSERT_NEAR(Actuator(), 7.47, kTolerance);
    // 7.46 is below the band's lower edge 7.47, and rounds to 7.5.
    SetInput(7.46);
    Step();
    EXPECT_NEAR(Actuator(), 7.5, kTolerance);
}

TEST_F(ProcessStep, BacklashHoldsWhenTheCommandRoundsOntoTheBandsUpperEdge)
{
    // A width of 1/32, so that p + H lands exactly on the rounded command.
    Process().Histerese = "0.03125";
    ASSERT_TRUE(Apply().empty());
    SetInput(2.0);
    Step();
    ASSERT_EQ(Actuator(), 1.96875);
    // 1.96 is below the held position but rounds to 2.0 = p + H: the rising rule holds it.
    SetInput(1.96);
    Step();
    EXPECT_EQ(Actuator(), 1.96875);
}

TEST_F(ProcessStep, StictionFreezesAfterFiveQuietStepsAndReleasesAtTheBand)
{
    Process().valveStext = "2";
    ASSERT_TRUE(Apply().empty());
    SetInput(0);
    Step(4);
    EXPECT_FALSE(Process().Stuck);
    Step();
    ASSERT_TRUE(Process().Stuck);

    SetInput(1.9);
    Step(3);
    EXPECT_EQ(Actuator(), 0.0);
    EXPECT_TRUE(Process().Stuck);

    SetInput(2.0);
    Step();
    EXPECT_FALSE(Process().Stuck);
    EXPECT_EQ(Actuator(), 0.0); // the jump comes with the next step
    Step();
    EXPECT_EQ(Actuator(), 2.0);
}

TEST_F(ProcessStep, StuckCountSaturates)
{
    // A plant left quiet long enough must not wrap the counter into a negative.
    Process().StuckCount = std::numeric_limits<std::int32_t>::max() - 1;
    Step(3);
    EXPECT_EQ(Process().StuckCount, std::numeric_limits<std::int32_t>::max());
}

TEST_F(ProcessStep, RateLimitMovesByRateTimesTimeStep)
{
    // 10 %/s moves 1 % a step at 0.1 s and 5 % at 0.5 s; -20 %/s then 2 % or 10 % more.
    for (const auto &[dt, first, tenth, eleventh] :
         {std::tuple{0.1, 1.0, 10.0, 12.0}, {0.5, 5.0, 50.0, 60.0}}) {
        SCOPED_TRACE(dt);
        SetUp();
        context.TimeStep = dt;
        Process().ratetext.SetText("10");
        SetInput(100);
        Step();
        EXPECT_NEAR(Actuator(), first, kTolerance);
        Step(9);
        EXPECT_NEAR(Actuator(), tenth, kTolerance);

        Process().ratetext.SetText("-20"); // read live; the sign does not matter
        Step();
        EXPECT_NEAR(Actuator(), eleventh, kTolerance);
    }
}

TEST_F(ProcessStep, RateLimitUnderACurveStillReachesTheCommand)
{
    Process().ComboBox1 = 3;
    Process().ratetext.SetText("50");
    Process().CheckBox1 = true;
    ASSERT_TRUE(Apply().empty());
    SetInput(30);
    Step(5);
    EXPECT_NEAR(Process().RatePosition, 25.0, kTolerance);
    Step();
    EXPECT_EQ(Process().RatePosition, 30.0);
    Step(3);
    EXPECT_EQ(Process().RatePosition, 30.0);
}

TEST_F(ProcessStep, ValveCurvesAtTheirEndPoints)
{
    // Values worked from the curve formulas by hand.
    // Curves: 0 linear, 1 quick opening, 2 equal percentage, 3 S1, 4 and no choice S2.
    for (const auto &[curve, atZero, atHundred] : {std::tuple{0, 0.0, 100.0},
                                                   {1, -2.8065, 99.99998},
                                                   {2, -0.22676, 99.99970},
                                                   {3, 0.00005, 100.00309},
                                                   {4, 0.97097, 99.02903},
                                                   {-1, 0.97097, 99.02903}}) {
        SCOPED_TRACE(curve);
        SetUp();
        Process().ComboBox1 = curve;
        Process().CheckBox1 = true;
        ASSERT_TRUE(Apply().empty());
        SetInput(0);
        Step();
        EXPECT_NEAR(Actuator(), atZero, 1e-4);
        EXPECT_NEAR(Output(), atZero, 1e-4);
        SetInput(100);
        Step();
        EXPECT_NEAR(Actuator(), atHundred, 1e-4);
    }
}

TEST_F(ProcessStep, SaturationClampsBeforeTheGain)
{
    Process().GanhoText = "2";
    ASSERT_TRUE(Apply().empty());
    SetInput(150);
    Step();
    EXPECT_EQ(Output(), 200.0);
    SetInput(-10);
    Step();
    EXPECT_EQ(Output(), 0.0);

    Process().CheckBox1 = true; // read live
    Step();
    EXPECT_EQ(Output(), -20.0);
}

TEST_F(ProcessStep, IntegratorRisesByGainTimesInputAndStopsAt100)
{
    // Gain 2 on 10 %: 2 x 0.1 x 10 = 2 % a step, the gain not applied a second time.
    Process().ComboBox2 = 3;
    Process().GanhoText = "2";
    ASSERT_TRUE(Apply().empty());
    SetInput(10);
    Step(10);
    EXPECT_NEAR(Output(), 20.0, 1e-9);
    Step(100);
    EXPECT_EQ(Output(), 100.0);

    Process().CheckBox1 = true;
    Step(10);
    EXPECT_NEAR(Output(), 120.0, 1e-9);
}

TEST_F(ProcessStep, IntegratorStartsFromAnEditedInitialValueOnlyOnce)
{
    Process().ComboBox2 = 3;
    Process().SetValorInicialText("40");
    ASSERT_TRUE(Apply().empty());
    EXPECT_EQ(Process().FilterOutputPrev, 40.0);
    Step();
    EXPECT_EQ(Output(), 40.0);

    SetInput(10);
    Step(5);
    ASSERT_NEAR(Output(), 45.0, 1e-9);
    ASSERT_TRUE(Apply().empty());
    Step();
    EXPECT_NEAR(Output(), 46.0, 1e-9);
}

TEST_F(ProcessStep, UnderDampedFirstStepsUseTheRoundedTwoPi)
{
    Process().ComboBox2 = 1;
    ASSERT_TRUE(Apply().empty()); // one cycle, period 10 s
    SetInput(50);
    Step();
    // w = 6.283 / 10, zeta = 0.6: y = C 50 / A, then (B y - 0 + C 50) / A, worked by hand.
    EXPECT_NEAR(Output(), 0.1828708146, 1e-9);
    Step();
    EXPECT_NEAR(Output(), 0.5345005959, 1e-9);
}

TEST_F(ProcessStep, LeadEqualToLagPassesTheSignalTimesTheGain)
{
    Process().ComboBox2 = 2;
    Process().GanhoText = "2";
    Process().LEAD.SetText("2");
    Process().LAG.SetText("2");
    ASSERT_TRUE(Apply().empty());
    SetInput(50);
    Step();
    EXPECT_NEAR(Output(), 100.0, 1e-9);
    SetInput(20);
    Step(3);
    EXPECT_NEAR(Output(), 40.0, 1e-9);
}

TEST_F(ProcessStep, LeadLagStepThenSettlesByTheLag)
{
    // Lead 1 s, lag 2 s, gain 2 on a 50 % step from rest:
    //   y1 = (dt + 1) / (dt + 2) 50,  y2 = 2 / (dt + 2) y1 + (dt + 1) / (dt + 2) 50 - 1 / (dt + 2)
    //   50 0.1 s: y1 = 26.190476, y2 = 24.943311 + 2.380952 = 27.324263 0.5 s: y1 = 30,        y2 =
    //   24 + 10 = 34
    for (const auto &[dt, first, second] :
         {std::tuple{0.1, 52.380952, 54.648526}, {0.5, 60.0, 68.0}}) {
        SCOPED_TRACE(dt);
        SetUp();
        context.TimeStep = dt;
        Process().ComboBox2 = 2;
        Process().GanhoText = "2";
        Process().LEAD.SetText("1");
        Process().LAG.SetText("2");
        ASSERT_TRUE(Apply().empty());
        SetInput(50);
        Step();
        EXPECT_NEAR(Output(), first, 1e-6);
        Step();
        EXPECT_NEAR(Output(), second, 1e-6);
    }
}

TEST_F(ProcessStep, ZeroDenominatorsPassTheInputThrough)
{
    // Each of these would divide by zero at dt = 0.1.
    const char *const names[] = {"tau1", "tau2", "actuatorTau", "leadLagLag", "period"};
    for (int row = 0; row < 5; ++row) {
        SCOPED_TRACE(names[row]);
        SetUp();
        ProcessModel &p = Process();
        if (row == 0)
            p.LText.SetText("-0.05");
        if (row == 1)
            p.Ctext.SetText("-0.1");
        if (row == 2)
            p.tal = "-0.1";
        if (row == 3) {
            p.ComboBox2 = 2;
            p.LAG.SetText("-0.1");
        }
        if (row == 4) {
            p.ComboBox2 = 1;
            p.PeriodoText = "0";
        }
        ASSERT_TRUE(Apply().empty());
        SetInput(30);
        Step(3);
        EXPECT_EQ(Output(), 30.0);
        for (const double x : {p.LagStage1,
                               p.LagStage2,
                               p.FilterOutputPrev,
                               p.FilterOutputPrev2,
                               p.ActuatorPositionValue})
            EXPECT_TRUE(std::isfinite(x));
    }
}

TEST_F(ProcessStep, OverflowingGainLeavesTheOutputFinite)
{
    // The evaluator caps an overflowing product at the largest double; 50 times that is not
    // a number a memory may hold.
    Process().GanhoText = "1E308*10";
    ASSERT_TRUE(Apply().empty());
    SetInput(50);
    Step();
    EXPECT_EQ(Output(), 50.0);

    Process().ComboBox2 = 3;
    Process().CheckBox1 = true;
    ASSERT_TRUE(Apply().empty());
    Step(2);
    EXPECT_TRUE(std::isfinite(Process().FilterOutputPrev));
    EXPECT_EQ(Output(), 50.0);
}

TEST_F(ProcessStep, LiveSettingsActBeforeApplyOthersOnlyAfter)
{
    SetInput(50);
    Process().GanhoText = "2";
    Process().LText.SetText("10");
    Step();
    EXPECT_NEAR(Process().LagStage1, 5.0 / 20.1, kTolerance); // the lag acts at once
    EXPECT_EQ(Output(), Process().LagStage2);                 // the gain is still 1
    ASSERT_TRUE(Apply().empty());
    Step();
    EXPECT_EQ(Output(), 2 * Process().LagStage2);
}

TEST_F(ProcessStep, WritesActuatorPositionOfItsSlotAndShowsOutsideFastRuns)
{
    SetInput(40);
    Step();
    EXPECT_EQ(plant.ActuatorPosition[1], 40.0);
    EXPECT_EQ(Process().ShownInput, 40.0);
    EXPECT_EQ(Process().ShownOutput, 40.0);

    context.FastRunFlag = true;
    SetInput(60);
    Step();
    EXPECT_EQ(Output(), 60.0);
    EXPECT_EQ(Process().ShownInput, 40.0);
    EXPECT_EQ(Process().ShownActuatorPosition, 40.0);
    EXPECT_EQ(Process().ShownOutput, 40.0);
}

using ProcessApply = ProcessStep;

TEST_F(ProcessApply, ReportsEveryProblemInOrder)
{
    Process().GanhoText = "2a";
    Process().TempoMorto = "-1";
    Process().LText.SetText("x");
    Process().Ctext.SetText("1/y");
    Process().Histerese = "0.5 ";
    Process().ratetext.SetText("r");
    Process().valveStext = "s";
    Process().tal = "1..";
    const std::vector<std::string> expected = {
        "Processo 21: Ganho inválido",
        "Processo 21: Tempo Morto inválido",
        "Processo 21: Tal1 inválido",
        "Processo 21: Tal2 inválido",
        "Processo 21: Histerese inválida",
        "Processo 21: Rate inválido",
        "Processo 21: Agarramento inválido",
        "Processo 21: Constante de tempo inválido",
    };
    EXPECT_EQ(Apply(), expected);
}

TEST_F(ProcessApply, ChecksOnlyTheChosenTransferFunction)
{
    using Messages = std::vector<std::string>;
    // 1 under-damped, 2 lead-lag, 3 integrator
    for (const auto &[transferFunction, messages] :
         {std::pair{1, Messages{"Processo 21: NCn inválido", "Processo 21: Periodo inválido"}},
          {2, Messages{"Processo 21: LAG inválido", "Processo 21: LEAD inválido"}},
          {3, Messages{}}}) {
        SCOPED_TRACE(transferFunction);
        SetUp();
        Process().LText.SetText("bad");
        Process().Ctext.SetText("bad");
        Process().NCText = "0";
        Process().PeriodoText = "p";
        Process().LEAD.SetText("?");
        Process().LAG.SetText("?");
        Process().ComboBox2 = transferFunction;
        EXPECT_EQ(Apply(), messages);
        EXPECT_EQ(Process().TransferType, transferFunction);
    }
}

TEST_F(ProcessApply, PeriodOfZeroIsAcceptedAndACommaReadsAsPoint)
{
    Process().ComboBox2 = 1;
    Process().NCText = "1,5";
    Process().PeriodoText = "0";
    EXPECT_TRUE(Apply().empty());
    EXPECT_EQ(Process().Cycles, 1.5);
    EXPECT_EQ(Process().Period, 0.0);
}

TEST_F(ProcessApply, NoInputChosenReportsOnlyThatAndTakesNothing)
{
    Process().EntradaSelect = -1;
    Process().GanhoText = "bad";
    Process().Histerese = "3";
    EXPECT_EQ(Apply(), std::vector<std::string>{"Processo 21: Variável de entrada não informada"});
    EXPECT_EQ(Process().HysteresisWidth, 0.0);
    EXPECT_EQ(Process().InputMemory, 1);
}

TEST_F(ProcessApply, RejectedSettingsKeepTheirPreviousWorkingValues)
{
    Process().EntradaSelect = 4;
    Process().GanhoText = "2";
    Process().TempoMorto = "0.3";
    Process().Histerese = "1";
    Process().valveStext = "2";
    Process().tal = "3";
    ASSERT_TRUE(Apply().empty());

    Process().GanhoText = "2b";
    Process().TempoMorto = "-1";
    Process().Histerese = "0.5 "; // would read as 5
    Process().valveStext = "x";
    Process().tal = "";
    EXPECT_EQ(Apply().size(), 5u);
    EXPECT_EQ(Process().InputMemory, 5);
    EXPECT_EQ(Process().GainText.Text(), "2");
    EXPECT_EQ(Process().DeadTimeText.Text(), "0.3");
    EXPECT_EQ(Process().HysteresisWidth, 1.0);
    EXPECT_EQ(Process().StictionBand, 2.0);
    EXPECT_EQ(Process().ActuatorTau, 3.0);
}

TEST_F(ProcessApply, SuccessLabelsTheWindowAndDescribesTheMemory)
{
    for (const auto &[slot, memoryLabel, actuatorLabel, memory] :
         {std::tuple{1, "(M21)", "(M101)", 21}, {21, "(M71)", "(M121)", 71}}) {
        SCOPED_TRACE(slot);
        ProcessModel process(slot);
        process.TagText = "TI-01";
        process.DescricaoText = "Temperatura";
        ASSERT_TRUE(ApplyProcessSettings(process, plant.memories).empty());
        EXPECT_EQ(process.Label22, memoryLabel);
        EXPECT_EQ(process.Label2, actuatorLabel);
        EXPECT_EQ(process.Label9, "TI-01 Temperatura");
        EXPECT_EQ(process.Caption, "Temperatura");
        EXPECT_EQ(plant.memories.Description(memory), "Temperatura");
    }
}

TEST_F(ProcessApply, FailureLeavesTheDescriptionAlone)
{
    Process().TagText = "T";
    Process().DescricaoText = "Nova";
    Process().Histerese = "?";
    ASSERT_FALSE(Apply().empty());
    EXPECT_EQ(plant.memories.Description(21), "");
    EXPECT_EQ(Process().Label9, " "); // as the set-up's Apply left it
    EXPECT_EQ(Process().Caption, "");
}

// The window's follow-up of Apply and of the user's edits, kept in the model.
using ProcessWindowState = ProcessStep;

TEST_F(ProcessWindowState, SuccessfulApplyRefillsTheDescriptionAndFreesTheExit)
{
    Process().SetDescricaoText(std::string(300, 'd'));
    EXPECT_TRUE(ApplyFromWindow(Process(), plant.memories).empty());
    EXPECT_EQ(Process().DescricaoText, std::string(255, 'd')); // what the memory holds
    EXPECT_FALSE(Process().DescricaoTextEdited);
    EXPECT_FALSE(Process().btnatualizaEnabled);
    EXPECT_TRUE(Process().SairButtonEnabled);
}

TEST_F(ProcessWindowState, FailedApplyKeepsThePendingDescriptionAndTheButtons)
{
    Process().SetDescricaoText("Vazão");
    Process().Histerese = "h";
    EXPECT_EQ(ApplyFromWindow(Process(), plant.memories),
              std::vector<std::string>{"Processo 21: Histerese inválida"});
    EXPECT_TRUE(Process().btnatualizaEnabled);
    EXPECT_FALSE(Process().SairButtonEnabled);

    plant.memories.SetDescription(21, "from the variable list");
    Process().RefillDescription(plant.memories);
    EXPECT_EQ(Process().DescricaoText, "Vazão");
}

} // namespace
} // namespace zelvar
