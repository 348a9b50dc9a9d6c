#include "engine/model/faceplate.h"

#include "engine/model/controller.h"
#include "engine/model/expression.h"
#include "engine/model/memorytable.h"
#include "engine/model/numbertext.h"

namespace zelvar {

namespace {

void ShowSetpoint(Controller &controller)
{
    controller.faceplate.SetPointBar = FaceplateGauge(controller.Setpoint);
    controller.ShowSetpointText();
}

void ShowOutput(Controller &controller)
{
    controller.faceplate.MVText = FormatFixed(controller.co, 2, 2);
    controller.faceplate.SaidaBar = FaceplateGauge(controller.co);
}

void StepSetpoint(Controller &controller, double change)
{
    if (!controller.local)
        return;
    controller.Setpoint += change;
    if (controller.Setpoint > 100.0)
        controller.Setpoint = 100.0;
    if (controller.Setpoint < 0.0)
        controller.Setpoint = 0.0;
    ShowSetpoint(controller);
}

void StepOutput(Controller &controller, double change)
{
    if (!controller.automatic) {
        controller.co += change;
        if (controller.co > 100.0)
            controller.co = 100.0;
        if (controller.co < 0.0)
            controller.co = 0.0;
        ShowOutput(controller);
    }
    controller.faceplate.Button2Enabled = false;
}

void TakeOutputText(Controller &controller)
{
    const ParsedNumber typed = ParseNumber(DecimalCommaToPoint(controller.faceplate.MVText));
    if (typed.errorPosition == 0 && typed.value >= 0.0 && typed.value <= 100.0)
        controller.co = typed.value;
    controller.faceplate.MVText = FormatFixed(controller.co, 2, 2);
    controller.faceplate.Button2Enabled = false;
}

} // namespace

int FaceplateGauge(double percent)
{
    if (!(percent > 0.0))
        return 0;
    return percent >= 100.0 ? 200 : RoundHalfEven(2.0 * percent);
}

const char *SetpointSourceLabel(const Controller &controller)
{
    return controller.local ? "L" : "R";
}

const char *ModeLabel(const Controller &controller)
{
    return controller.automatic ? "A" : "M";
}

bool SetpointButtonsEnabled(const Controller &controller)
{
    return controller.local;
}

bool OutputButtonsEnabled(const Controller &controller)
{
    return !controller.automatic;
}

void RaiseSetpoint(Controller &controller)
{
    StepSetpoint(controller, 1.0);
}

void LowerSetpoint(Controller &controller)
{
    StepSetpoint(controller, -1.0);
}

void RaiseOutput(Controller &controller)
{
    StepOutput(controller, 1.0);
}

void LowerOutput(Controller &controller)
{
    StepOutput(controller, -1.0);
}

void TypeSetpointText(Controller &controller, std::string text)
{
    controller.faceplate.SPText = std::move(text);
    controller.faceplate.SPTextTyped = true;
}

void EnterSetpointText(Controller &controller)
{
    if (!controller.local)
        return;
    const ParsedNumber typed = ParseNumber(DecimalCommaToPoint(controller.faceplate.SPText));
    const double span = controller.scaleEnd - controller.scaleBegin;
    if (typed.errorPosition == 0 && span != 0.0) {
        const double percent = (typed.value - controller.scaleBegin) * 100.0 / span;
        if (percent >= 0.0 && percent <= 100.0)
            controller.Setpoint = percent;
    }
    controller.ShowSetpointText();
}

void RevertSetpointText(Controller &controller)
{
    if (controller.local)
        controller.ShowSetpointText();
}

void TypeOutputText(Controller &controller, std::string text)
{
    controller.faceplate.MVText = std::move(text);
    if (!controller.automatic)
        controller.faceplate.Button2Enabled = true;
}

void EnterOutputText(Controller &controller)
{
    if (!controller.automatic)
        TakeOutputText(controller);
}

void RevertOutputText(Controller &controller)
{
    if (!controller.automatic)
        controller.faceplate.MVText = FormatFixed(controller.co, 2, 2);
}

void SendOutput(Controller &controller)
{
    if (controller.faceplate.Button2Enabled)
        TakeOutputText(controller);
}

void ToggleLocalRemote(Controller &controller)
{
    if (controller.faceplate.LocalRemotoBTNEnabled)
        controller.local = !controller.local;
}

void ToggleAutoManual(Controller &controller)
{
    controller.automatic = !controller.automatic;
    controller.faceplate.Button2Enabled = !controller.automatic;
    controller.faceplate.MostrarSP = controller.automatic;
}

std::vector<std::string> ApplyFromPanel(Controller &controller, MemoryTable &memories)
{
    std::vector<std::string> messages = controller.ApplyControllerSettings(memories, true);
    if (!controller.SettingsTakenOver())
        return messages;
    const std::string &description = memories.Description(60 + controller.ObjectNumber);
    controller.LoadSettings([&](ControllerSettings &s) { s.Descricao = description; });
    controller.faceplate.btnatualizaEnabled = false;
    controller.faceplate.ConfigBTNEnabled = true;
    return messages;
}

void ActivateFaceplate(Controller &controller, const MemoryTable &memories)
{
    if (!controller.automatic)
        controller.faceplate.Button2Enabled = true;
    // Edits waiting for Apply are the user's; coming back from a message box or another window
    // must not wipe a description typed but not applied yet.
    if (controller.faceplate.btnatualizaEnabled)
        return;
    const std::string &description = memories.Description(60 + controller.ObjectNumber);
    controller.LoadSettings([&](ControllerSettings &s) { s.Descricao = description; });
}

void ShowFaceplate(Controller &controller)
{
    const ControllerSettings &s = controller.Settings();
    const bool ready = !s.TagText.empty() && MemoryTable::IsMemory(s.VariavelSelect + 1);
    controller.faceplate.layout = ready ? FaceplateLayout::Trend : FaceplateLayout::Configuration;
    controller.faceplate.ConfigBTNEnabled = true;
}

void CloseFaceplate(Controller &controller)
{
    controller.trend.EndPause();
    controller.trend.ResetReadouts("Ponto ", ":");
}

void PressConfigButton(Controller &controller)
{
    if (!controller.faceplate.ConfigBTNEnabled)
        return;
    FaceplateLayout &layout = controller.faceplate.layout;
    layout = layout == FaceplateLayout::Configuration ? FaceplateLayout::Collapsed
                                                      : FaceplateLayout::Configuration;
}

void PressTrendButton(Controller &controller)
{
    FaceplateLayout &layout = controller.faceplate.layout;
    switch (layout) {
    case FaceplateLayout::Collapsed:
        layout = FaceplateLayout::Trend;
        controller.trend.SetReadoutSlot(1);
        controller.trend.ResetReadouts("Coordenadas ", "");
        break;
    case FaceplateLayout::Trend:
        layout = FaceplateLayout::Collapsed;
        break;
    case FaceplateLayout::Configuration:
        layout = FaceplateLayout::Trend;
        break;
    }
}

void ToggleTrendPause(Controller &controller)
{
    controller.trend.TogglePause();
    if (!controller.trend.Paused())
        controller.trend.ResetReadouts("Ponto ", ":");
}

void SetTrendAutoScale(Controller &controller, MemoryTable &memories, bool ticked)
{
    controller.trend.EscalaAuto = ticked;
    controller.ApplyControllerSettings(memories, false);
}

bool EnterManualScale(Controller &controller, MemoryTable &memories)
{
    Trend &trend = controller.trend;
    if (trend.Archiving())
        return false;
    // Unticking "Auto" redraws at full range and rewrites the bound edits; the typed bounds
    // are what the user asked for.
    const std::string typedTop = trend.eSupText;
    const std::string typedBottom = trend.eInfText;
    if (trend.EscalaAuto)
        SetTrendAutoScale(controller, memories, false);
    trend.eSupText = typedTop;
    trend.eInfText = typedBottom;
    return trend.ApplyManualScale(controller.scaleBegin, controller.scaleEnd);
}

} // namespace zelvar
