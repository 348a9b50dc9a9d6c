#pragma once

#include "engine/model/compiledexpression.h"
#include "engine/model/language.h"
#include "engine/model/stepcontext.h"
#include "engine/model/takeover.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelvar {

struct EnginePlant;
class PlantTextReader;
class PlantTextWriter;

// Process slots 1-20 write M21-M40, slots 21-24 M71-M74; 0 outside 1-24.
int ProcessObjectNumber(int slot);
// The slot whose process writes memory objectNumber; 0 for any other number.
int ProcessSlot(int objectNumber);

// A process turns its input memory (a valve command, percent) into its output memory (the
// measured variable, percent). One step of dt = TimeStep seconds runs this chain:
//
//   u   = M[InputMemory],  K = GainText
//   backlash (H > 0):   r = round(10 u) / 10
//                       p + H <= r  ->  p = r - H, q = r
//                       q - H >  u  ->  p = r,     q = r + H     (else p, q hold)
//                       H <= 0      ->  p = u
//   stiction:           while moving: s = p, f = 0.5/(0.5+dt) f + dt/(0.5+dt) p,
//                       fr = round(10 f) / 10; a step with |fr - fr'| < 0.2 is quiet; after
//                       five quiet steps in a row (S > 0) the valve sticks at s until
//                       |s - p| >= S, and follows p again from the next step
//   rate limit:         R = |ratetext or 100000 when 0| dt;  h moves towards s by at most R
//   valve curve on h:   linear v = h; quick opening v = 100 - (112 e^(-h/40) - 9.1935);
//                       equal percentage v = (e^(h/40) - 1.0253) 8.9628;
//                       S1 z = (h/2.5 + 30)/10 - 5, v = (50 z/sqrt(z^2+1) + 50 - 5.2786)/0.8944;
//                       S2 z = h/10 - 5, v = 50 z/sqrt(z^2+1) + 50
//   actuator lag:       a = ta/(ta+dt) a + dt/(ta+dt) v     (a = v when ta = 0)
//   dead time:          n = round(DeadTimeText/dt), 0..9999; dd = a of n steps ago
//   transfer function:  0 two lags, tau1 = LText, tau2 = Ctext (bilinear first stage):
//                         x1 = ((2 tau1 - dt) x1 + dt (dd + dd')) / (2 tau1 + dt), x2 = lag of x1
//                       1 under-damped: w = 6.283/P, zeta = 0.6/NC (1 when NC = 0),
//                         y = (B y1 - y2 + C dd) / A, with C = (w dt)^2,
//                         B = 2 + 2 zeta w dt, A = B - 1 + C
//                       2 lead-lag: y = lag/(dt+lag) y1 + (dt+lead)/(dt+lag) dd - lead/(dt+lag) dd'
//                       3 integrator: y = K dt dd + y1
//                       each clamped to 0..100 unless CheckBox1 ("Desativar Saturador")
//   gain:               out = K out for types 0-2, after the clamp (gain 2 can write 200)
//   M[ObjectNumber] = out, ActuatorPosition[slot] = a
//
// Halves round to the even neighbour in the three roundings. ratetext, LText, Ctext, LEAD, LAG
// and CheckBox1 are read live at every step; every other setting acts through Apply.
//
// Bad input: an invalid expression reads 0 (gain 0 writes 0, rate 0 means no limit). A stage
// whose denominator is 0 (ta + dt, 2 tau1 + dt, tau2 + dt, dt + lag, a period of 0) or whose
// result is not finite passes its input through for that step, so no state ever holds NaN or
// infinity; a non-finite dead time counts as 0.
struct ProcessModel
{
    static constexpr int kRingSize = 10000;

    ProcessModel();
    // A new process in the slot: the window's defaults and the slot's object number.
    explicit ProcessModel(int slot);

    int ObjectNumber = 0;

    // ---- Settings: the window's edits and lists as the user left them (what the file stores).
    std::string TagText;
    std::string DescricaoText;
    int EntradaSelect = 0; // input list position, the memory minus 1; -1 when none is chosen
    std::string GanhoText = "1";
    std::string TempoMorto = "0";
    int ComboBox2 = 0; // transfer function list position; -1 when none is chosen
    CompiledExpression LText{"10"};
    CompiledExpression Ctext{"0"};
    std::string NCText = "1";
    std::string PeriodoText = "10";
    CompiledExpression LEAD{"0"};
    CompiledExpression LAG{"0"};
    std::string ValorInicialText = "0"; // edit through SetValorInicialText
    int ComboBox1 = 0;                  // valve curve list position; -1 when none is chosen
    std::string Histerese = "0";
    std::string valveStext = "0";
    std::string tal = "0";
    CompiledExpression ratetext{"0"};
    bool CheckBox1 = false;

    // The settings as the last Apply took them over, which the record writes: a saved plant
    // reopens with what was running, not with edits that Apply rejected or never saw. The
    // settings the step reads live (LText, Ctext, LEAD, LAG, ratetext, CheckBox1) and the tag
    // are written as they stand, the description as the output memory holds it.
    struct AppliedSettings
    {
        int EntradaSelect = 0;
        std::string GanhoText = "1";
        std::string TempoMorto = "0";
        int ComboBox2 = 0;
        std::string NCText = "1";
        std::string PeriodoText = "10";
        int ComboBox1 = 0;
        std::string Histerese = "0";
        std::string valveStext = "0";
        std::string tal = "0";
    };
    AppliedSettings applied;

    // The integrator's initial value acts on the next Apply only when it was edited; editing it
    // enables Apply but leaves SairButton as it is.
    void SetValorInicialText(std::string_view text);

    // ---- The window's own state, kept here so that any window on the process shows the same:
    // the buttons the edits leave enabled, and whether the description edit holds text the
    // memory table has not taken yet. Not stored in the plant file.
    bool btnatualizaEnabled = true;
    bool SairButtonEnabled = true;
    bool DescricaoTextEdited = false;

    // An edit of any other setting (TagTextChange): Apply is enabled and SairButton disabled.
    void SettingsEdited();
    // The user's description edit: as SettingsEdited, and the edit is pending.
    void SetDescricaoText(std::string_view text);
    // FormActivate: the description edit shows the memory's description again (the variable
    // list may have changed it), unless the user has typed into it since the last Apply took it.
    void RefillDescription(const MemoryTable &memories);

    // ---- Working fields and state.
    double RateStep = 0.0;
    double LagStage1 = 0.0;
    double LagStage2 = 0.0;
    double HysteresisWidth = 0.0;
    double InitialValue = 0.0;
    double ActuatorTau = 0.0;
    double StictionBand = 0.0;
    double BacklashTop = 0.0;
    // Working values start as the edits' defaults, which is also what the record writes for a
    // process never applied.
    double Cycles = 1.0;
    double Period = 10.0;
    double InputValue = 0.0;
    double RoundedInput = 0.0;
    double BacklashPosition = 0.0;
    double StictionFilter = 0.0;
    double StictionRounded = 0.0;
    double StictionRoundedPrev = 0.0;
    double StictionPosition = 0.0;
    double RatePosition = 0.0;
    double CurvePosition = 0.0;
    double ActuatorPositionValue = 0.0;
    double DelayedPosition = 0.0;
    double DelayedPositionPrev = 0.0;
    double FilterOutput = 0.0;
    double FilterOutputPrev = 0.0;
    double FilterOutputPrev2 = 0.0;
    double ProcessOutput = 0.0;
    std::int32_t StuckCount = 0; // saturates
    bool Stuck = false;
    bool InitialValueChanged = false;
    std::int32_t DeadTimeSteps = 0;
    std::int32_t RingIndex = 0; // last written slot, 1 to kRingSize; 0 before the first step
    std::int32_t InputMemory = 1;
    std::int32_t TransferType = 0;    // 0 two lags, 1 under-damped, 2 lead-lag, 3 integrator
    std::int32_t ValveCurve = 0;      // 0 linear, 1 quick opening, 2 equal percentage, 3 S1, 4 S2
    std::vector<double> DeadTimeRing; // slots 1 to kRingSize; slot 0 unused
    // Set after a read from a file, which holds neither the backlash, stiction, rate-limit
    // and actuator-lag states nor the valve position: the next step first settles them at
    // its input, keeping the restored delayed position where the dead bands allow it.
    bool PrimeValveStages = false;
    CompiledExpression DeadTimeText{"0"};
    CompiledExpression GainText{"1"};

    // ---- What the window shows. Label36, Label26 and Label12 show these numbers (input,
    // actuator position, output) as of the last step outside a batch run; the texts are set by
    // a successful Apply.
    double ShownInput = 0.0;
    double ShownActuatorPosition = 0.0;
    double ShownOutput = 0.0;
    std::string Label9;  // tag + " " + description
    std::string Label22; // "(M21)"
    std::string Label2;  // "(M101)"
    // The window's caption: none until an Apply succeeds, then the description, also when empty.
    std::optional<std::string> Caption;
};

// Checks the settings of the chosen transfer function and the rest, in the order of the
// messages, and takes over each valid one; a rejected setting keeps its previous working value.
// With no input chosen nothing else is checked or taken over. On success it also writes the
// description into the memory table and sets the window's texts; a record (EachValidPart)
// checks and takes every part whatever is invalid, the description and texts included.
// Returns the messages to show, "Processo " + object number + the problem, the same in both
// languages; empty on success.
std::vector<std::string> ApplyProcessSettings(ProcessModel &process,
                                              MemoryTable &memories,
                                              TakeOver takeOver = TakeOver::WhenAllValid);

// btnatualizaClick: Apply with what the window does after it. On success the description edit
// shows what the memory table now holds, Apply is disabled and SairButton enabled; on failure
// nothing else changes. Returns Apply's messages.
std::vector<std::string> ApplyFromWindow(ProcessModel &process, MemoryTable &memories);

// One step; slot is the process's slot, whose ActuatorPosition entry it writes.
void StepProcess(ProcessModel &process, int slot, EnginePlant &plant, const StepContext &context);

// The process's 26-line record. Settings are written as they run (see AppliedSettings), the
// description from the memory table, states with two decimals. The reader keeps the language part
// of the tag and the description, and fills the dead-time ring with the restored delayed position,
// so a loaded plant does not dip for the length of its dead time. It leaves Apply disabled and
// SairButton enabled; the caller applies the settings afterwards.
void SaveProcessSection(const ProcessModel &process,
                        const MemoryTable &memories,
                        PlantTextWriter &writer);
void LoadProcessSection(ProcessModel &process, PlantTextReader &reader, Language language);

} // namespace zelvar
