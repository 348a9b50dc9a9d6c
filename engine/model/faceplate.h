#pragma once

#include <string>
#include <vector>

namespace zelvar {

class Controller;
struct MemoryTable;

// Which part of the controller window shows: folded to the faceplate column, or expanded with
// the trend strip or with the configuration panel over it.
enum class FaceplateLayout { Collapsed, Trend, Configuration };

// What the controller window shows besides the settings: the operator texts, the gauges (0 to
// 200, 2 per percent) and the states of the buttons that are not plain functions of the
// controller's flags.
struct ControllerFaceplate
{
    std::string Caption = "Controlador";
    std::string DescricaoText; // the title label
    std::string UnitEngSP = "%";
    // The operator edits: typed by the user, rewritten by the buttons and the step (MVText
    // only in automatic). SPText follows the setpoint that runs, however it moved, except
    // while an entry typed in local waits for Enter or Escape (SPTextTyped).
    std::string SPText = "0";
    bool SPTextTyped = false;
    std::string PVText = "0";
    std::string MVText = "0";
    int SPRBar = 50;
    int SetPointBar = 50;
    int VariavelBar = 50;
    int SaidaBar = 50;
    bool Button2Enabled = false; // "Enviar"
    // btnatualiza: settings edited and not yet applied.
    bool btnatualizaEnabled = false;
    // Disabled by an edit until it is applied, so the panel is not folded away with edits
    // pending; an opening of the window enables it again, edits pending or not.
    bool ConfigBTNEnabled = true;
    bool LocalRemotoBTNEnabled = false;
    // SetPointBar narrowed beside the remote-setpoint gauge (CheckSPR at the last Apply).
    bool SPRBarShown = false;
    bool CheckBox1Enabled = false; // "Arquivar": the tag was not empty at the last Apply
    bool MostrarPV = true;
    bool MostrarSP = true;
    bool MostrarCO = true;
    bool MostrarAtuador = false;
    FaceplateLayout layout = FaceplateLayout::Trend;
};

// A gauge position (0 to 200, 2 per percent) for a value in percent; a value beyond the bar's
// range shows the nearest end, so the bar never stops following (a remote setpoint at 150 %,
// an output beyond its limits). NaN shows the bottom.
int FaceplateGauge(double percent);

// Label1 and Label2: "L"/"R" and "A"/"M".
const char *SetpointSourceLabel(const Controller &controller);
const char *ModeLabel(const Controller &controller);
// IncrementaSP/DecrementaSP work only in local, IncrementaSaida/DecrementaSaida only in manual.
bool SetpointButtonsEnabled(const Controller &controller);
bool OutputButtonsEnabled(const Controller &controller);

// IncrementaSP / DecrementaSP (local only): one percent, within 0..100.
void RaiseSetpoint(Controller &controller);
void LowerSetpoint(Controller &controller);
// IncrementaSaida / DecrementaSaida (manual only): one percent, within 0..100. Either way
// "Enviar" is disabled afterwards.
void RaiseOutput(Controller &controller);
void LowerOutput(Controller &controller);

// The SP edit, in engineering units (local only): Enter takes a number within the scale, with
// a decimal comma allowed; anything else, or a scale without span, keeps the setpoint. The
// edit then shows the setpoint again. Escape only shows it again.
void TypeSetpointText(Controller &controller, std::string text);
void EnterSetpointText(Controller &controller);
void RevertSetpointText(Controller &controller);

// The CO edit, in percent (manual only): Enter takes a number from 0 to 100. Typing in manual
// enables "Enviar", which does what Enter does while it is enabled.
void TypeOutputText(Controller &controller, std::string text);
void EnterOutputText(Controller &controller);
void RevertOutputText(Controller &controller);
void SendOutput(Controller &controller);

// LocalRemotoBTN (enabled by CheckSPR at the last Apply) and AutoManualBTN. The switch itself
// changes no value; the caller refreshes the main window after the mode change.
void ToggleLocalRemote(Controller &controller);
void ToggleAutoManual(Controller &controller);

// btnatualiza: Apply with messages; on success the description edit takes the description of
// M(60+k) and the pending state ends. The caller marks the plant changed when nothing came
// back.
std::vector<std::string> ApplyFromPanel(Controller &controller, MemoryTable &memories);

// FormActivate (the description edit takes M(60+k)'s description unless edits wait for Apply),
// FormShow (each opening, which also enables ConfigBTN), FormClose.
void ActivateFaceplate(Controller &controller, const MemoryTable &memories);
void ShowFaceplate(Controller &controller);
void CloseFaceplate(Controller &controller);
// ConfigBTN (refused while settings are pending) and TrendButton.
void PressConfigButton(Controller &controller);
void PressTrendButton(Controller &controller);

// The trend strip's controls.
void ToggleTrendPause(Controller &controller);
void SetTrendAutoScale(Controller &controller, MemoryTable &memories, bool ticked);
// Enter in eSupText or eInfText: unticks "Auto" (full range first when it was ticked), then
// takes the typed bounds. False when they were refused.
bool EnterManualScale(Controller &controller, MemoryTable &memories);

} // namespace zelvar
