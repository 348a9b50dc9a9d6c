#include "engine/model/faceplate.h"

#include "engine/model/controller.h"
#include "engine/model/memorytable.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace zelvar {
namespace {

// Controller 2 on M21, whose range is 0 to 200 (one decimal in the faceplate).
class Faceplate : public ::testing::Test
{
protected:
    void SetUp() override
    {
        memories.MemoryUEMax[21] = "200";
        controller.EditSettings([](ControllerSettings &s) { s.VariavelSelect = 20; });
        ASSERT_TRUE(ApplyFromPanel(controller, memories).empty());
    }

    MemoryTable memories;
    Controller controller{2};
};

TEST(FaceplateCreation, StartsAsPidWithItsSlotNumberInManualAndLocal)
{
    const Controller controller(3);
    EXPECT_EQ(controller.Settings().TagText, "PID3");
    EXPECT_EQ(controller.ObjectNumber, 3);
    EXPECT_STREQ(SetpointSourceLabel(controller), "L");
    EXPECT_STREQ(ModeLabel(controller), "M");
    EXPECT_EQ(controller.faceplate.Caption, "Controlador");
    EXPECT_FALSE(controller.faceplate.btnatualizaEnabled);
    EXPECT_TRUE(controller.faceplate.ConfigBTNEnabled);
}

TEST_F(Faceplate, ButtonsStopAtTheEndsAndTheSetpointOnesWorkOnlyInLocal)
{
    controller.Setpoint = 99.5;
    RaiseSetpoint(controller);
    EXPECT_EQ(controller.Setpoint, 100.0);
    EXPECT_EQ(controller.faceplate.SetPointBar, 200);
    EXPECT_EQ(controller.faceplate.SPText, "200.0");
    controller.Setpoint = 0.5;
    LowerSetpoint(controller);
    EXPECT_EQ(controller.Setpoint, 0.0);

    controller.co = 99.5;
    RaiseOutput(controller);
    EXPECT_EQ(controller.co, 100.0);
    EXPECT_EQ(controller.faceplate.SaidaBar, 200);
    controller.co = 0.4;
    LowerOutput(controller);
    EXPECT_EQ(controller.co, 0.0);
    EXPECT_EQ(controller.faceplate.MVText, "0.00");

    controller.local = false;
    RaiseSetpoint(controller);
    EXPECT_EQ(controller.Setpoint, 0.0);
    EXPECT_FALSE(SetpointButtonsEnabled(controller));
}

TEST_F(Faceplate, SetpointIsTypedInEngineeringUnits)
{
    // setpoint: percent after Enter, from 10 %
    for (const auto &[typed, setpoint, shown] : {std::tuple{"150", 75.0, "150.0"},
                                                 {"150,5", 75.25, "150.5"},
                                                 {"200", 100.0, "200.0"},
                                                 {"250", 10.0, "20.0"},
                                                 {"-1", 10.0, "20.0"},
                                                 {"1.5.", 10.0, "20.0"}}) {
        controller.Setpoint = 10;
        TypeSetpointText(controller, typed);
        EnterSetpointText(controller);
        EXPECT_DOUBLE_EQ(controller.Setpoint, setpoint) << typed;
        EXPECT_EQ(controller.faceplate.SPText, shown) << typed;
    }
}

TEST_F(Faceplate, SetpointEntryIsRefusedWithoutASpanAndIgnoredInRemote)
{
    controller.scaleEnd = controller.scaleBegin;
    TypeSetpointText(controller, "0");
    EnterSetpointText(controller);
    EXPECT_EQ(controller.Setpoint, 0.0);

    controller.scaleEnd = 200;
    controller.local = false;
    TypeSetpointText(controller, "100");
    EnterSetpointText(controller);
    RevertSetpointText(controller);
    EXPECT_EQ(controller.Setpoint, 0.0);
    EXPECT_EQ(controller.faceplate.SPText, "100");
}

// A setpoint moved by anything but the SP edit (a batch run, the remote memory) stayed stale in
// the edit, and Enter there set the stale value back.
TEST_F(Faceplate, SetpointEditFollowsTheSetpointThatRunsUnlessAnEntryIsTyped)
{
    // typed: the entry waiting in the edit, none when empty; shown: the edit after a shown step
    for (const auto &[name, local, typed, shown] :
         {std::tuple{"moved by code in local", true, "", "120.0"},
          {"entry typed in local waits for Enter", true, "30", "30"},
          {"remote overwrites what was typed", false, "30", "120.0"}}) {
        SCOPED_TRACE(name);
        controller.local = true;
        controller.Setpoint = 10.0;
        RevertSetpointText(controller);
        controller.local = local;
        if (*typed)
            TypeSetpointText(controller, typed);

        controller.Setpoint = 60.0;
        controller.UpdateFaceplate();

        EXPECT_EQ(controller.faceplate.SPText, shown);
    }
    controller.local = true;
    EnterSetpointText(controller);
    EXPECT_DOUBLE_EQ(controller.Setpoint, 60.0);
    // Escape ends a typed entry too: the edit follows again.
    TypeSetpointText(controller, "30");
    RevertSetpointText(controller);
    controller.Setpoint = 70.0;
    controller.UpdateFaceplate();
    EXPECT_EQ(controller.faceplate.SPText, "140.0");
}

TEST_F(Faceplate, OutputEntryTakesPercentFromZeroToHundred)
{
    controller.co = 30;
    TypeOutputText(controller, "150");
    EXPECT_TRUE(controller.faceplate.Button2Enabled);
    EnterOutputText(controller);
    EXPECT_EQ(controller.co, 30.0);
    EXPECT_EQ(controller.faceplate.MVText, "30.00");
    EXPECT_FALSE(controller.faceplate.Button2Enabled);

    TypeOutputText(controller, "42,5");
    SendOutput(controller);
    EXPECT_EQ(controller.co, 42.5);

    TypeOutputText(controller, "7");
    RevertOutputText(controller);
    EXPECT_EQ(controller.faceplate.MVText, "42.50");
    SendOutput(controller); // "Enviar" takes what the edit shows now
    EXPECT_EQ(controller.co, 42.5);
}

TEST_F(Faceplate, InAutomaticTheOutputControlsChangeNothingButDisableSend)
{
    ToggleAutoManual(controller);
    ASSERT_TRUE(controller.automatic);
    controller.co = 30;
    controller.faceplate.Button2Enabled = true;
    RaiseOutput(controller);
    EXPECT_EQ(controller.co, 30.0);
    EXPECT_FALSE(controller.faceplate.Button2Enabled);

    TypeOutputText(controller, "80");
    EXPECT_FALSE(controller.faceplate.Button2Enabled);
    EnterOutputText(controller);
    EXPECT_EQ(controller.co, 30.0);
}

TEST_F(Faceplate, AutoManualSwitchesTheButtonsAndTheSetpointTrace)
{
    controller.co = 37;
    ToggleAutoManual(controller);
    EXPECT_STREQ(ModeLabel(controller), "A");
    EXPECT_FALSE(OutputButtonsEnabled(controller));
    EXPECT_FALSE(controller.faceplate.Button2Enabled);
    EXPECT_TRUE(controller.faceplate.MostrarSP);
    ToggleAutoManual(controller);
    EXPECT_STREQ(ModeLabel(controller), "M");
    EXPECT_TRUE(controller.faceplate.Button2Enabled);
    EXPECT_FALSE(controller.faceplate.MostrarSP);
    EXPECT_EQ(controller.co, 37.0);
}

TEST_F(Faceplate, LocalRemoteNeedsTheRemoteSetpointAllowedAtTheLastApply)
{
    ToggleLocalRemote(controller);
    EXPECT_TRUE(controller.local);

    controller.SetCheckSPR(true);
    ToggleLocalRemote(controller); // not applied yet
    EXPECT_TRUE(controller.local);
    ASSERT_TRUE(ApplyFromPanel(controller, memories).empty());
    ToggleLocalRemote(controller);
    EXPECT_FALSE(controller.local);
    EXPECT_STREQ(SetpointSourceLabel(controller), "R");
}

TEST_F(Faceplate, EditsStayPendingUntilAnApplySucceeds)
{
    controller.EditSettings([](ControllerSettings &s) {
        s.Descricao = "Vazão de vapor";
        s.KpText = "x";
    });
    EXPECT_TRUE(controller.faceplate.btnatualizaEnabled);
    EXPECT_FALSE(controller.faceplate.ConfigBTNEnabled);
    EXPECT_EQ(ApplyFromPanel(controller, memories),
              std::vector<std::string>{"Controlador 2: Kp inválido"});
    EXPECT_TRUE(controller.faceplate.btnatualizaEnabled);

    controller.EditSettings([](ControllerSettings &s) { s.KpText = "3"; });
    EXPECT_TRUE(ApplyFromPanel(controller, memories).empty());
    EXPECT_FALSE(controller.faceplate.btnatualizaEnabled);
    EXPECT_EQ(controller.faceplate.DescricaoText, "Vazão de vapor");
    EXPECT_EQ(controller.Settings().Descricao, " SP PID2");
    EXPECT_TRUE(controller.faceplate.ConfigBTNEnabled);
}

TEST_F(Faceplate, AnOpeningEnablesTheConfigurationButtonWithEditsPending)
{
    ShowFaceplate(controller);
    PressConfigButton(controller);
    controller.EditSettings([](ControllerSettings &s) { s.KpText = "3"; });
    PressConfigButton(controller);
    ASSERT_EQ(controller.faceplate.layout, FaceplateLayout::Configuration);

    CloseFaceplate(controller);
    ShowFaceplate(controller);
    EXPECT_TRUE(controller.faceplate.ConfigBTNEnabled);
    EXPECT_TRUE(controller.faceplate.btnatualizaEnabled);
    EXPECT_EQ(controller.Settings().KpText, "3");
    PressConfigButton(controller);
    PressConfigButton(controller);
    EXPECT_EQ(controller.faceplate.layout, FaceplateLayout::Collapsed);
}

TEST_F(Faceplate, AnApplyWithoutMessagesLeavesThePendingStateAlone)
{
    controller.EditSettings([](ControllerSettings &s) { s.KpText = "3"; });
    controller.ApplyControllerSettings(memories, false);
    EXPECT_EQ(controller.kc, 3.0);
    EXPECT_TRUE(controller.faceplate.btnatualizaEnabled);
}

TEST_F(Faceplate, ActivationShowsTheSetpointMemoryDescription)
{
    memories.SetDescription(62, " SP FIC-7");
    ActivateFaceplate(controller, memories);
    EXPECT_EQ(controller.Settings().Descricao, " SP FIC-7");
    EXPECT_TRUE(controller.faceplate.Button2Enabled);
    EXPECT_FALSE(controller.faceplate.btnatualizaEnabled);
}

TEST_F(Faceplate, ActivationKeepsADescriptionTypedButNotApplied)
{
    // Regression: the activation after Apply's message box wiped the typed description.
    memories.SetDescription(62, " SP FIC-7");
    controller.EditSettings([](ControllerSettings &s) { s.Descricao = "Vazão"; });
    ActivateFaceplate(controller, memories);
    EXPECT_EQ(controller.Settings().Descricao, "Vazão");
    EXPECT_TRUE(controller.faceplate.btnatualizaEnabled);
}

TEST_F(Faceplate, LayoutButtons)
{
    ShowFaceplate(controller);
    EXPECT_EQ(controller.faceplate.layout, FaceplateLayout::Trend);
    PressTrendButton(controller);
    EXPECT_EQ(controller.faceplate.layout, FaceplateLayout::Collapsed);
    PressTrendButton(controller);
    EXPECT_EQ(controller.faceplate.layout, FaceplateLayout::Trend);
    EXPECT_EQ(controller.trend.ReadoutText(6), "Coordenadas 6");
    PressConfigButton(controller);
    EXPECT_EQ(controller.faceplate.layout, FaceplateLayout::Configuration);

    controller.EditSettings([](ControllerSettings &s) { s.TagText = ""; });
    PressConfigButton(controller); // refused while edits are pending
    EXPECT_EQ(controller.faceplate.layout, FaceplateLayout::Configuration);
    PressTrendButton(controller);
    EXPECT_EQ(controller.faceplate.layout, FaceplateLayout::Trend);
    ShowFaceplate(controller);
    EXPECT_EQ(controller.faceplate.layout, FaceplateLayout::Configuration);
}

TEST_F(Faceplate, PauseReadoutUsesTheControllerFormatAndClosingEndsThePause)
{
    ToggleTrendPause(controller);
    ASSERT_TRUE(controller.trend.Readout(10, 100));
    // Scale 0-200: 200 / 100 x 50 = 100 at 10 pixels x 0.1 s.
    EXPECT_EQ(controller.trend.ReadoutText(1), "Ponto 1:  Y=100.0  X= 1.0");
    ToggleTrendPause(controller);
    EXPECT_EQ(controller.trend.ReadoutText(1), "Ponto 1:");

    ToggleTrendPause(controller);
    controller.trend.Readout(10, 100);
    CloseFaceplate(controller);
    EXPECT_FALSE(controller.trend.Paused());
    EXPECT_EQ(controller.trend.ReadoutText(1), "Ponto 1:");
    EXPECT_TRUE(controller.trend.Marker(1).shown);
}

TEST_F(Faceplate, ManualScaleKeepsTheTypedBoundsWhenAutoWasTicked)
{
    SetTrendAutoScale(controller, memories, true);
    controller.trend.eSupText = "150";
    controller.trend.eInfText = "50";
    ASSERT_TRUE(EnterManualScale(controller, memories));
    EXPECT_FALSE(controller.trend.EscalaAuto);
    EXPECT_EQ(controller.trend.eSupText, "150");
    EXPECT_EQ(controller.trend.ScaleLabel(5), "100");
    EXPECT_DOUBLE_EQ(controller.trend.ScaleTop(), 75.0);
    EXPECT_DOUBLE_EQ(controller.trend.ScaleBottom(), 25.0);
}

} // namespace
} // namespace zelvar
