#pragma once

#include "engine/model/compiledexpression.h"
#include "engine/model/faceplate.h"
#include "engine/model/stepcontext.h"
#include "engine/model/takeover.h"
#include "engine/model/trend.h"

#include <string>
#include <vector>

namespace zelvar {

struct EnginePlant;
struct MemoryTable;

// The configuration panel as the user left it: texts as typed, list positions (position i
// stands for memory i + 1, -1 for no choice) and check boxes. Apply takes them over; the step
// reads PCHK, ICHK, DCHK, CheckSPR, BackMVCheck, BackMV and FFwEquation live.
struct ControllerSettings
{
    std::string TagText;
    std::string Descricao;
    std::string KpText = "1";
    std::string KiText = "10";
    std::string KdText = "0";
    std::string aText = "1";
    std::string tfText = "0";
    std::string BiasText = "50";
    std::string COminText = "0";
    std::string COmaxText = "100";
    bool PCHK = true;
    bool ICHK = true;
    bool DCHK = true;
    int Acaogroup = 1;      // 0 "Resposta Reversa", 1 "Resposta Direta"
    int EstruturaGroup = 1; // 0 "Paralela", 1 "ISA (mista)"
    int DerivadaGroup = 1;  // 0 on the error, 1 on the PV
    int VariavelSelect = 0;
    int SPRSelect = -1;
    bool CheckSPR = false;
    bool BackMVCheck = false;
    int BackMV = -1;
    bool FFwSelect = false;
    std::string FFwEquation = "50";
    // Read-only on the panel: Apply copies them from the PV memory's range and unit.
    std::string InicioEscala = "0";
    std::string FimEscala = "100";
    std::string UnidEng = "UE";
};

// PID controller k (k = 1..10, its slot): reads its PV from the chosen memory, publishes its
// setpoint to M(60+k) and its output (CO) to Mk, all in percent of range.
//
// Control law, one step of dt seconds (error sign by the process direction):
//   reverse process:  e = PV - SP,  ew = PV - a SP;   direct:  e = SP - PV,  ew = a SP - PV
//   (from the raw PV and setpoint; both are then limited to 0..100)
//   P = Kc' ew                        Kc' = Kc, or 1 with P switched off (then P = 0)
//   D = Td (e - e_prev) / dt          on the error, or on the filtered PV:
//   D = Td (PVf_prev - PVf) / dt      (sign flipped for a reverse process)
//       PVf = tf / (tf + dt) PVf_prev + dt / (tf + dt) PV
//   ISA structure: D and the integral increment are also multiplied by Kc'; P and D are
//   limited to -100..100.
//   automatic: I = I_prev + e dt / Ti (x Kc' for ISA), frozen when Ti = 0, I is off, or the
//              back-calculation memory is at or beyond 99.9 or 0.1;
//              CO = bias + P + I + D, and on leaving COmax (tested first) or COmin the
//              integral is set so that CO lands exactly on that limit.
//   manual:    CO is the operator's; I = CO - P - D - bias tracks it, so the return to
//              automatic starts from the present output.
// With feed-forward on, bias is the feed-forward expression's value at every step.
//
// Bad input: a stage whose result would not be finite (a filter time of -dt, a time step of
// 0, an overflowing gain) passes through for that step, so the state always stays finite. A
// list with no choice reads no memory: no remote setpoint, no integral freeze.
class Controller
{
public:
    Controller()
        : Controller(0)
    {}
    // objectNumber: the slot, 1..10; the tag starts as "PID" + slot.
    explicit Controller(int objectNumber);

    // --- Working values (the batch runs set Setpoint and OutputBias directly) ----------------
    int ObjectNumber = 0;
    bool reverseProcess = false;
    bool local = true;
    bool automatic = false;
    bool isa = false;
    bool derivativeOnPv = false;
    bool feedForward = false;
    double pv = 0.0;
    double co = 0.0;
    double kc = 0.0;
    double ti = 0.0;
    double td = 0.0;
    double error = 0.0;
    double remoteSetpoint = 0.0;
    double filterTime = 0.0;
    double outputMin = 0.0;
    double outputMax = 0.0;
    double previousError = 0.0;
    double previousIntegral = 0.0;
    double previousPv = 0.0; // kept for the plant file only
    double filteredPv = 0.0;
    double previousFilteredPv = 0.0;
    double setpointWeight = 0.0;
    double scaleBegin = 0.0;
    double scaleEnd = 100.0;
    int decimals = 0;
    int pvMemory = 1;
    int remoteSetpointMemory = 1;
    double Setpoint = 0.0;
    double OutputBias = 0.0;

    // The faceplate's texts, gauges and button states, and the trend strip. Replacing or
    // destroying the controller (deletion, plant reset) closes its archive with every line.
    ControllerFaceplate faceplate;
    Trend trend;

    // --- Settings -----------------------------------------------------------------------------
    const ControllerSettings &Settings() const { return m_settings; }
    // A user edit on the configuration panel: Apply becomes pending until it succeeds.
    template<typename Edit> void EditSettings(Edit &&edit)
    {
        edit(m_settings);
        SettingsEdited();
    }
    // A change made by code (the record reader, the window's activation): nothing pending.
    template<typename Edit> void LoadSettings(Edit &&edit)
    {
        edit(m_settings);
        SyncFeedForward();
    }
    // CheckSPRClick: ticking selects the first memory for the remote setpoint.
    void SetCheckSPR(bool ticked);

    // Validates the panel and takes it over. Each number that parses is taken over; one that
    // does not keeps its previous working value. The flags, memories, tag, descriptions of Mk
    // and M(60+k) and decimals are taken over only when every entry is valid; a record
    // (EachValidPart) gives each of them with its own entry: the tag, the PV memory and its
    // scale when valid, the rest always, and its local flag is not forced. The messages
    // ("Controlador k: ...") come back in order when reportErrors is set; the trend is
    // rescaled either way.
    std::vector<std::string> ApplyControllerSettings(MemoryTable &memories,
                                                     bool reportErrors,
                                                     TakeOver takeOver = TakeOver::WhenAllValid);
    // The configuration that is running, which the record writes: each setting as the last
    // Apply took it over (so a rejected or pending edit is not saved), the settings the step
    // reads live as they stand, and the PV and remote-setpoint memories the step reads.
    ControllerSettings SavedSettings() const;
    // The tag the controller runs under (its icon and faceplate show it).
    const std::string &AppliedTag() const { return m_applied.TagText; }
    // Whether the last Apply took the settings over.
    bool SettingsTakenOver() const { return m_settingsTakenOver; }

    // (scale end - scale begin) x percent / 100 + scale begin.
    double EngineeringValue(double percent) const;
    // The setpoint as SPText shows it: engineering units with the controller's decimals.
    std::string SetpointText() const;
    // SPText shows the setpoint that runs; an entry typed and not yet entered is dropped.
    void ShowSetpointText();

    // One control step (StepController).
    void Step(EnginePlant &plant, const StepContext &context);
    // What a shown step writes on the faceplate: the gauges, PVText, MVText in automatic and
    // SPText unless the operator is typing a local setpoint. A batch run, which skips it at
    // every step, calls it once at its end.
    void UpdateFaceplate();

    // After a read from a file: the file keeps no filtered PV and only two decimals of the
    // last error, so the first step starts both from the present PV and error, and a loop
    // saved at rest takes no derivative kick. A new controller's first step starts so too,
    // having no history of its own, and runs as its saved and reopened copy would.
    void PrimeAfterLoad() { m_primeFirstStep = true; }

    // Starts the trend archive "<tag>_<n>.txt" in the folder; empty or the message to show.
    std::string StartTrendArchive(const std::filesystem::path &folder, Language language);

private:
    void SettingsEdited();
    void SyncFeedForward();
    void SampleControllerTrend(const EnginePlant &plant);

    ControllerSettings m_settings;
    ControllerSettings m_applied;
    CompiledExpression m_feedForward{"50"};
    bool m_settingsTakenOver = false;
    bool m_primeFirstStep = true;
};

void StepController(Controller &controller, EnginePlant &plant, const StepContext &context);

// "Ponto s:  Y=<value>  X=<seconds>" with FormatFixed(x, 4, 1).
std::string ControllerReadoutText(int slot, double value, double seconds);

} // namespace zelvar
