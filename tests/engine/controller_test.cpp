#include "engine/model/controller.h"

#include "engine/model/engineplant.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace zelvar {
namespace {

constexpr double kTolerance = 1e-12;
constexpr int kPvMemory = 21;

// One loop: controller `slot` reading M21, configured as a plain parallel PI on a direct process.
class ControllerLoop : public ::testing::Test
{
protected:
    void SetUp() override { MakeController(1); }

    void MakeController(int slot)
    {
        m_slot = slot;
        plant->controllers[slot] = Controller(slot);
        plant->controllers.present[static_cast<std::size_t>(slot)] = true;
        Configure([](ControllerSettings &s) {
            s.VariavelSelect = kPvMemory - 1;
            s.EstruturaGroup = 0;
            s.DerivadaGroup = 0;
            s.DCHK = false;
        });
    }

    Controller &controller() { return plant->controllers[m_slot]; }

    // P and I off, D alone with Td 0.05 s and no bias, on the error (0) or on the PV (1).
    void DerivativeOnly(int derivativeGroup)
    {
        Configure([&](ControllerSettings &s) {
            s.PCHK = false;
            s.ICHK = false;
            s.DCHK = true;
            s.KdText = "0.05";
            s.BiasText = "0";
            s.DerivadaGroup = derivativeGroup;
        });
    }

    template<typename Edit> void Configure(Edit &&edit) { controller().EditSettings(edit); }

    std::vector<std::string> Apply()
    {
        return controller().ApplyControllerSettings(plant->memories, true);
    }

    void Step(double dt = 0.1, bool fastRun = false)
    {
        StepContext context;
        context.TimeStep = dt;
        context.FastRunFlag = fastRun;
        StepController(controller(), *plant, context);
    }

    void SetPv(double value) { plant->memories.SetValue(kPvMemory, value); }
    double Memory(int k) const { return plant->memories.Value(k); }

    std::unique_ptr<EnginePlant> plant = std::make_unique<EnginePlant>();

private:
    int m_slot = 1;
};

TEST_F(ControllerLoop, ASetpointStepKicksOnlyTheDerivativeOnTheError)
{
    // On the error: a 10 % step x 0.05 s / 0.1 s; on the PV: the PV did not move.
    for (const auto &[derivativeGroup, output] : {std::pair{0, 5.0}, {1, 0.0}}) {
        SCOPED_TRACE(derivativeGroup);
        MakeController(1);
        DerivativeOnly(derivativeGroup);
        ASSERT_TRUE(Apply().empty());
        SetPv(50);
        controller().Setpoint = 50;
        Step(); // manual: the filter settles and the integral tracks the output
        Step();
        controller().automatic = true;
        controller().Setpoint = 60;
        Step();
        EXPECT_NEAR(controller().co, output, kTolerance);
    }
}

TEST_F(ControllerLoop, AntiWindupLandsOnTheViolatedLimitAndLeavesItAtOnce)
{
    Configure([](ControllerSettings &s) { s.KiText = "1"; });
    ASSERT_TRUE(Apply().empty());
    controller().automatic = true;
    controller().Setpoint = 80;
    SetPv(20);

    Step(); // P 60, I 6, bias 50: 116 is cut to 100 by the integral
    EXPECT_EQ(controller().co, 100.0);
    EXPECT_EQ(controller().previousIntegral, -10.0);
    EXPECT_EQ(Memory(1), 100.0);
    Step();
    EXPECT_EQ(controller().previousIntegral, -10.0);

    SetPv(85);
    Step(); // 50 - 5 - 10.5
    EXPECT_NEAR(controller().co, 34.5, kTolerance);

    controller().Setpoint = 20;
    SetPv(80);
    Step();
    EXPECT_EQ(controller().co, 0.0);
}

TEST_F(ControllerLoop, LimitsApplyInAutomaticWithTheUpperTestedFirst)
{
    Configure([](ControllerSettings &s) {
        s.PCHK = false;
        s.ICHK = false;
        s.COminText = "60";
        s.COmaxText = "40";
    });
    ASSERT_TRUE(Apply().empty());
    controller().automatic = true;
    Step(); // bias 50 is above 40
    EXPECT_EQ(controller().co, 40.0);
    Configure([](ControllerSettings &s) { s.BiasText = "30"; });
    Apply();
    controller().previousIntegral = 0;
    Step();
    EXPECT_EQ(controller().co, 60.0);

    controller().automatic = false;
    controller().co = 90;
    Step();
    EXPECT_EQ(Memory(1), 90.0);
}

TEST_F(ControllerLoop, TheIntegralFreezesOnlyForItsReasons)
{
    // ti, I ticked, slave output in M50 (below 0: no back-calculation memory), integrates
    for (const auto &[ti, ichk, slave, integrates] : {std::tuple{"1", true, -1.0, true},
                                                      {"0", true, -1.0, false},
                                                      {"1", false, -1.0, false},
                                                      {"1", true, 99.9, false},
                                                      {"1", true, 99.8, true},
                                                      {"1", true, 0.1, false},
                                                      {"1", true, 0.2, true}}) {
        SCOPED_TRACE(testing::Message() << ti << " " << ichk << " " << slave);
        Configure([&](ControllerSettings &s) {
            s.KpText = "0";
            s.KiText = ti;
            s.ICHK = ichk;
            s.BackMVCheck = slave >= 0;
            s.BackMV = 49;
        });
        ASSERT_TRUE(Apply().empty());
        plant->memories.SetValue(50, slave);
        controller().previousIntegral = 2.0;
        controller().automatic = true;
        controller().Setpoint = 60;
        SetPv(50);
        Step();
        const double expected = integrates ? 3.0 : 2.0; // 10 % x 0.1 s / 1 s
        EXPECT_NEAR(controller().previousIntegral, expected, kTolerance);
        EXPECT_NEAR(controller().co, 50.0 + expected, kTolerance); // frozen, it still counts
    }
}

TEST_F(ControllerLoop, ABackCalculationListWithoutAMemoryNeverFreezes)
{
    // Regression: position -1 (or past the list) must not read outside M1-M99.
    for (const int position : {-1, 99}) {
        Configure([&](ControllerSettings &s) {
            s.KpText = "0";
            s.KiText = "1";
            s.BackMVCheck = true;
            s.BackMV = position;
        });
        ASSERT_TRUE(Apply().empty());
        controller().previousIntegral = 0;
        controller().automatic = true;
        controller().Setpoint = 60;
        SetPv(50);
        Step();
        EXPECT_NEAR(controller().previousIntegral, 1.0, kTolerance) << position;
    }
}

TEST_F(ControllerLoop, TheIntegralUsesTheGainOnlyInIsaWithPOn)
{
    // ISA with P, ISA without P, parallel with P
    for (const auto &[structure, proportional, integralStep] :
         {std::tuple{1, true, 4.0}, {1, false, 1.0}, {0, true, 1.0}}) {
        SCOPED_TRACE(structure * 2 + proportional);
        Configure([&](ControllerSettings &s) {
            s.KpText = "4";
            s.KiText = "1";
            s.BiasText = "0";
            s.EstruturaGroup = structure;
            s.PCHK = proportional;
        });
        ASSERT_TRUE(Apply().empty());
        controller().previousIntegral = 0;
        controller().automatic = true;
        controller().Setpoint = 60;
        SetPv(50);
        Step();
        EXPECT_NEAR(controller().previousIntegral, integralStep, kTolerance);
    }
}

TEST_F(ControllerLoop, TheDerivativeUsesTheGainOnlyInIsaWithPOn)
{
    // A 10 % setpoint step on the error: P = Kc 10, D = 10 x 0.05 s / 0.1 s (x Kc in ISA).
    // ISA with P, ISA without P, parallel with P
    for (const auto &[structure, proportional, output] :
         {std::tuple{1, true, 40.0 + 20.0}, {1, false, 5.0}, {0, true, 40.0 + 5.0}}) {
        SCOPED_TRACE(structure * 2 + proportional);
        MakeController(1);
        Configure([&](ControllerSettings &s) {
            s.KpText = "4";
            s.KdText = "0.05";
            s.BiasText = "0";
            s.ICHK = false;
            s.DCHK = true;
            s.EstruturaGroup = structure;
            s.PCHK = proportional;
        });
        ASSERT_TRUE(Apply().empty());
        SetPv(50);
        controller().Setpoint = 50;
        Step(); // manual at rest: the integral tracks an output of 0
        controller().automatic = true;
        controller().Setpoint = 60;
        Step();
        EXPECT_NEAR(controller().co, output, kTolerance);
    }
}

TEST_F(ControllerLoop, TheDerivativeOnThePvSeesItThroughItsFilter)
{
    // A reverse loop at rest on a PV of 0 that steps to 10 %, filter 0.1 s, Td 0.05 s:
    //   PVf = dt / (0.1 + dt) 10,  D = (PVf - 0) 0.05 / dt = 0.5 / (0.1 + dt)
    //   0.1 s: 5 then 2.5;  0.5 s: 8.333 then 0.8333
    for (const auto &[dt, output] : {std::pair{0.1, 2.5}, {0.5, 0.5 / 0.6}}) {
        SCOPED_TRACE(dt);
        MakeController(1);
        DerivativeOnly(1);
        Configure([](ControllerSettings &s) {
            s.tfText = "0.1";
            s.Acaogroup = 0;
        });
        ASSERT_TRUE(Apply().empty());
        SetPv(0);
        controller().co = 0;
        Step(dt); // manual: the integral tracks an output of 0
        controller().automatic = true;
        SetPv(10);
        Step(dt);
        EXPECT_NEAR(controller().co, output, kTolerance);
    }
}

TEST_F(ControllerLoop, ReturningToAutomaticStartsFromTheManualOutput)
{
    Configure([](ControllerSettings &s) {
        s.KpText = "2";
        s.KiText = "10";
    });
    ASSERT_TRUE(Apply().empty());
    controller().Setpoint = 60;
    SetPv(50);
    controller().co = 40;
    Step(); // manual: I = 40 - 20 - 50
    EXPECT_EQ(controller().previousIntegral, -30.0);
    EXPECT_EQ(Memory(1), 40.0);

    controller().automatic = true;
    Step(); // I = -30 + 10 x 0.1 / 10
    EXPECT_NEAR(controller().co, 40.1, kTolerance);
}

TEST_F(ControllerLoop, ErrorUsesTheRawPvWhileTheRestSeesItLimited)
{
    ASSERT_TRUE(Apply().empty());
    controller().Setpoint = 50;
    SetPv(120);
    Step();
    EXPECT_EQ(controller().error, -70.0);
    EXPECT_EQ(controller().pv, 100.0);
    EXPECT_EQ(controller().faceplate.VariavelBar, 200);
    EXPECT_EQ(controller().faceplate.PVText, "100.0");
}

TEST_F(ControllerLoop, DecimalsFollowTheSpanOfThePvMemory)
{
    // low, high, decimals, text of a 40 % setpoint
    for (const auto &[low, high, decimals, setpointText] : {std::tuple{"0", "0.5", 4, "0.2000"},
                                                            {"0", "1", 3, "0.400"},
                                                            {"1", "100.9", 2, "40.96"},
                                                            {"0", "100", 1, "40.0"},
                                                            {"0", "1000", 0, "400"},
                                                            {"1000", "0", 0, "600"}}) {
        SCOPED_TRACE(std::string(low) + " to " + high);
        plant->memories.MemoryUEMin[kPvMemory] = low;
        plant->memories.MemoryUEMax[kPvMemory] = high;
        controller().Setpoint = 40;
        ASSERT_TRUE(Apply().empty());
        EXPECT_EQ(controller().decimals, decimals);
        EXPECT_EQ(controller().faceplate.SPText, setpointText);
    }
}

TEST_F(ControllerLoop, ApplyReportsEveryInvalidEntryInOrder)
{
    plant->memories.MemoryUEMin[kPvMemory] = "low";
    plant->memories.MemoryUEMax[kPvMemory] = "high";
    Configure([](ControllerSettings &s) {
        s.KpText = "x";
        s.KiText = "1.2.3";
        s.KdText = "";
        s.aText = "a";
        s.tfText = "1e";
        s.BiasText = "5%";
        s.COminText = "-";
        s.COmaxText = "100 ";
        s.FFwSelect = true;
        s.FFwEquation = "2a";
    });
    const std::vector<std::string> expected = {
        "Controlador 1: Kp inválido",
        "Controlador 1: Ti inválido",
        "Controlador 1: Td inválido",
        "Controlador 1: Fator a inválido",
        "Controlador 1: Talf inválido",
        "Controlador 1: Bias inválido",
        "Controlador 1: COmin inválido",
        "Controlador 1: COmax inválido",
        "Controlador 1: Equação do FF inválida",
        "Controlador 1: Inicio Escala inválido",
        "Controlador 1: Final Escala inválido",
    };
    EXPECT_EQ(Apply(), expected);
    EXPECT_FALSE(controller().SettingsTakenOver());
    EXPECT_TRUE(controller().ApplyControllerSettings(plant->memories, false).empty());
}

TEST_F(ControllerLoop, AnEmptyTagIsTheOnlyMessage)
{
    Configure([](ControllerSettings &s) {
        s.TagText = "";
        s.VariavelSelect = -1;
        s.KpText = "x";
    });
    EXPECT_EQ(Apply(), std::vector<std::string>{"Controlador 1: TAG não informado"});
    EXPECT_FALSE(controller().faceplate.CheckBox1Enabled);

    Configure([](ControllerSettings &s) { s.TagText = "FIC"; });
    EXPECT_EQ(Apply(),
              std::vector<std::string>{"Controlador 1: Variável de processo (PV) não informada"});
    EXPECT_TRUE(controller().faceplate.CheckBox1Enabled);
}

TEST_F(ControllerLoop, ARejectedGainKeepsThePreviousOne)
{
    // Regression: "1.25 " used to be taken as 125 (the digits read before the error).
    Configure([](ControllerSettings &s) { s.KpText = "2"; });
    ASSERT_TRUE(Apply().empty());
    Configure([](ControllerSettings &s) {
        s.KpText = "1.25 ";
        s.KiText = "5";
        s.Acaogroup = 0;
    });
    EXPECT_EQ(Apply(), std::vector<std::string>{"Controlador 1: Kp inválido"});
    EXPECT_EQ(controller().kc, 2.0);
    EXPECT_EQ(controller().ti, 5.0);           // a valid number is taken
    EXPECT_FALSE(controller().reverseProcess); // the choices wait for a clean Apply

    Configure([](ControllerSettings &s) { s.KpText = "1,25"; });
    ASSERT_TRUE(Apply().empty());
    EXPECT_EQ(controller().kc, 1.25);
    EXPECT_TRUE(controller().reverseProcess);
}

TEST_F(ControllerLoop, AnInvalidFeedForwardDoesNotSwitchItOn)
{
    Configure([](ControllerSettings &s) {
        s.FFwSelect = true;
        s.FFwEquation = "2a";
    });
    EXPECT_EQ(Apply(), std::vector<std::string>{"Controlador 1: Equação do FF inválida"});
    EXPECT_FALSE(controller().feedForward);
    Step();
    EXPECT_EQ(controller().OutputBias, 50.0);

    Configure([](ControllerSettings &s) { s.FFwEquation = "M50*2"; });
    ASSERT_TRUE(Apply().empty());
    plant->memories.SetValue(50, 10);
    Step();
    EXPECT_EQ(controller().OutputBias, 20.0);

    // The expression is read live, before any Apply.
    Configure([](ControllerSettings &s) { s.FFwEquation = "M50+1"; });
    Step();
    EXPECT_EQ(controller().OutputBias, 11.0);
}

TEST_F(ControllerLoop, ApplyNamesTheLoopMemoriesAfterTheTag)
{
    MakeController(3);
    plant->memories.MemoryUnit[kPvMemory] = "m³/h";
    plant->memories.MemoryUEMax[kPvMemory] = "250";
    ASSERT_TRUE(Apply().empty());
    EXPECT_EQ(plant->memories.Description(3), " MV PID3");
    EXPECT_EQ(plant->memories.Description(63), " SP PID3");
    EXPECT_EQ(controller().faceplate.Caption, "PID3");
    EXPECT_EQ(controller().faceplate.UnitEngSP, "m³/h");
    EXPECT_EQ(controller().Settings().FimEscala, "250");
    EXPECT_EQ(controller().scaleEnd, 250.0);
    EXPECT_EQ(controller().faceplate.DescricaoText, "");
}

TEST_F(ControllerLoop, RemoteSetpointFollowsItsMemoryAndDropsToZeroWhenUnticked)
{
    controller().SetCheckSPR(true);
    Configure([](ControllerSettings &s) { s.SPRSelect = 49; });
    ASSERT_TRUE(Apply().empty());
    ASSERT_TRUE(controller().faceplate.LocalRemotoBTNEnabled);
    plant->memories.SetValue(50, 30);
    controller().local = false;
    controller().faceplate.SPText = "typed";

    Step();
    EXPECT_EQ(controller().Setpoint, 30.0);
    EXPECT_EQ(Memory(61), 30.0);
    EXPECT_EQ(controller().faceplate.SPText, "30.0");
    EXPECT_EQ(controller().faceplate.SPRBar, 60);

    controller().SetCheckSPR(false);
    Step();
    EXPECT_EQ(controller().Setpoint, 0.0);
    ASSERT_TRUE(Apply().empty());
    EXPECT_TRUE(controller().local);
}

TEST_F(ControllerLoop, GaugesShowTheNearestEndForValuesBeyondTheirRange)
{
    // Regression: SPRBar and SaidaBar froze at their last position once a value left 0..100 %.
    controller().SetCheckSPR(true);
    Configure([](ControllerSettings &s) {
        s.SPRSelect = 49;
        s.PCHK = false;
        s.ICHK = false;
        s.COminText = "-20";
        s.COmaxText = "130";
    });
    for (const auto &[name, remote, bias, sprBar, saidaBar] :
         {std::tuple{"above both", 150.0, "130", 200, 200},
          {"below both", -50.0, "-20", 0, 0},
          {"inside", 30.0, "40", 60, 80}}) {
        SCOPED_TRACE(name);
        Configure([bias = bias](ControllerSettings &s) { s.BiasText = bias; });
        ASSERT_TRUE(Apply().empty());
        controller().automatic = true;
        controller().local = false;
        controller().previousIntegral = 0;
        plant->memories.SetValue(50, remote);
        Step();
        EXPECT_EQ(controller().faceplate.SPRBar, sprBar);
        EXPECT_EQ(controller().faceplate.SaidaBar, saidaBar);
    }
}

TEST_F(ControllerLoop, TheStepKeepsASetpointBeingTypedInLocalAndWritesOutputTextOnlyInAutomatic)
{
    ASSERT_TRUE(Apply().empty());
    controller().Setpoint = 50;
    SetPv(42);
    TypeSetpointText(controller(), "12");
    controller().faceplate.MVText = "34";
    Step();
    EXPECT_EQ(controller().faceplate.SPText, "12");
    EXPECT_EQ(controller().faceplate.MVText, "34");
    EXPECT_EQ(controller().faceplate.PVText, "42.0"); // a span of 100 shows one decimal

    controller().automatic = true;
    Step(); // 50 + 8 + (-58 + 0.08)
    EXPECT_EQ(controller().faceplate.MVText, "0.08");
    EXPECT_EQ(controller().faceplate.SPText, "12");
}

TEST_F(ControllerLoop, AFastRunSkipsTheFaceplateButStillSamplesTheTrend)
{
    ASSERT_TRUE(Apply().empty());
    SetPv(42);
    Step(0.1, true);
    EXPECT_EQ(controller().faceplate.PVText, "0");
    EXPECT_EQ(controller().faceplate.VariavelBar, 50);
    EXPECT_EQ(controller().trend.RingPosition(), 1);
    EXPECT_EQ(controller().trend.Point(0, 1), 84);
}

TEST_F(ControllerLoop, TheStateStaysFiniteWhateverTheSettings)
{
    // Regression: these settings used to put NaN or infinity into the loop's state.
    // filter time -dt, negative Ti, tiny Ti, zero time step, huge gains
    for (const auto &[kp, ti, td, tf, dt] : {std::tuple{"1", "10", "1", "-0.1", 0.1},
                                             {"1", "-0.5", "0", "0", 0.1},
                                             {"1", "1E-320", "0", "0", 0.1},
                                             {"1", "10", "1", "0", 0.0},
                                             {"1E308", "1E-300", "1E308", "0", 0.1}}) {
        SCOPED_TRACE(std::string(kp) + " " + ti + " " + td + " " + tf);
        MakeController(1);
        Configure([&](ControllerSettings &s) {
            s.KpText = kp;
            s.KiText = ti;
            s.KdText = td;
            s.tfText = tf;
            s.DCHK = true;
            s.DerivadaGroup = 1;
            s.EstruturaGroup = 1;
        });
        ASSERT_TRUE(Apply().empty());
        controller().automatic = true;
        for (int i = 0; i < 500; ++i) {
            SetPv(i % 2 == 0 ? 10 : 90);
            controller().Setpoint = i % 3 == 0 ? 0 : 100;
            Step(dt);
        }
        const Controller &loop = controller();
        for (const double x : {loop.co, loop.previousIntegral, loop.filteredPv, Memory(1)})
            EXPECT_TRUE(std::isfinite(x));
        EXPECT_GE(loop.co, 0.0);
        EXPECT_LE(loop.co, 100.0);
    }
}

TEST_F(ControllerLoop, AControllerWithoutASlotPublishesNothing)
{
    Controller unnumbered;
    plant->memories.SetValue(60, 7);
    StepController(unnumbered, *plant, StepContext{});
    EXPECT_EQ(Memory(60), 7.0);
}

TEST_F(ControllerLoop, TheTrendArchiveTakesEngineeringUnitsAndADecimalComma)
{
    const auto folder = std::filesystem::temp_directory_path() / "zelvar_controller_archive";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    plant->memories.MemoryUEMax[kPvMemory] = "200";
    ASSERT_TRUE(Apply().empty());
    controller().trend.UsarUE = true;
    controller().trend.UsarVirgula = true;
    ASSERT_EQ(controller().StartTrendArchive(folder, Language::English), "");
    SetPv(12.5);
    controller().co = 120;
    Step();
    EXPECT_EQ(controller().trend.LastArchiveLine(), "0,00;25,00;0,00;100,00");
    EXPECT_EQ(controller().trend.StopArchive(), "Data saved: " + (folder / "PID1_1.txt").string());
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace zelvar
