#pragma once

#include "engine/model/compiledexpression.h"
#include "engine/model/stepcontext.h"

#include <array>
#include <string>

namespace zelvar {

struct EnginePlant;
struct MemoryTable;

// Signal kinds: the position in a row's kind list (M81Tipo ...), -1 for no entry selected.
enum SignalKind : int {
    kNoSignalKind = -1,
    kConstant = 0,     // "Constante 0-100": the Valor text as an expression, no memories
    kZeroOne = 1,      // "Constante 0-1": the 0/1 choice
    kFastRandom = 2,   // "Aleatório Rápido": a new draw every step
    kMediumRandom = 3, // "Aleatório Médio": a random target through a first-order lag
    kSlowRandom = 4,   // "Aleatório Lento": a rare new draw, held
    kSine = 5,         // "Sinal Senoidal"
    kRandomWalk = 6,   // "Random Walk"
    kEquation = 7,     // "Equação" (rows 81-85)
    kLogarithm = 8,    // "LN()" (rows 81-85)
    kExponential = 9,  // "Exp()" (rows 81-85)
};

// Which inputs a row shows and how, by its kind (widths and lefts in pixels).
struct SignalRowLayout
{
    bool upDownShown = true;
    bool minMaxShown = false;
    bool descShown = true;
    int descWidth = 161;
    bool valorDigShown = false;
    bool valorShown = true;
    bool valorEnabled = true;
    int valorLeft = 296;
    int valorWidth = 57;
};

// One row's controls as they stand: kind, texts (placeholders included), the 0/1 choice
// (0, 1 or -1 for none) and the up-down position (0-100).
struct SignalRow
{
    int Tipo = kConstant;
    std::string Desc = "Descrição";
    std::string Min = "Min.";
    std::string Max = "Máx.";
    std::string Valor = "Valor";
    int ValorDig = 0;
    int UpDown = 0;
    SignalRowLayout layout;
};

// The working values of a stepped row (81-90), as the last commit or layout left them. They
// belong to the program rather than to the window: re-creating the window keeps them.
struct GeneratorWorkingValues
{
    double GeneratorMin = 0.0;
    double GeneratorMax = 0.0;
    double GeneratorParam = 0.0;
    double GeneratorWalk = 0.0;
    double GeneratorTarget = 0.0;
    double GeneratorSineTime = 0.0;
    std::string GeneratorExpression; // rows 81-85
};

enum class SignalText { Desc, Min, Max, Valor };

// The sixteen-row signal generator: row n drives memory Mn, n = 81..96. Rows 81-90 are
// stepped; rows 91-96 hold constants that only the commit writes. Nothing it writes is clamped.
//
// Per step of dt seconds, with draw(N) uniform in 0..N-1 and
// scaled draw = (max - min) / 10000 x draw(10000) + min:
//   fast random:   Mn = scaled draw
//   medium random: when dt / 0.1 x 500 > draw(30000), target = scaled draw;
//                  out = P / (P + dt) out + dt / (P + dt) target   (P the time constant)
//   slow random:   when dt / 0.1 x 30 > draw(30000), Mn = scaled draw; otherwise held
//   sine:          t += dt (back to 0 past 1E8 s); period = the Desc expression, live;
//                  Mn = (sin(2 pi t / period) + 1) / 2 x (max - min) + min, 0 for a period of 0
//   random walk:   walk += (draw(10000) / 5000 - 1) x gain, back to the start value when it
//                  leaves start +- band
//   equation, LN(), Exp(): the committed expression, its logarithm (held while <= 0), e to it
// Random, sine and walk rows show their value in the Valor text, FormatFixed(v, 2, 2).
//
// Bad input: a lag whose P + dt is 0 (or that diverges) passes its target straight through, and
// a value that would not be finite is not written, so no NaN or infinity reaches the memories
// or the working values. Without a random source every draw is 0.
class SignalGenerator
{
public:
    static constexpr int kFirstRow = 81;
    static constexpr int kLastSteppedRow = 90;
    static constexpr int kLastExpressionRow = 85;
    static constexpr int kLastRow = 96;
    static constexpr int kRowCount = kLastRow - kFirstRow + 1;
    static constexpr int kSteppedRowCount = kLastSteppedRow - kFirstRow + 1;

    static bool IsRow(int n) { return n >= kFirstRow && n <= kLastRow; }
    // Whether a row's Desc holds what the row runs on (a sine's period, a medium random's time
    // constant, a random walk's band) rather than its description.
    static bool DescIsParameter(int n, int kind)
    {
        return n <= kLastSteppedRow
               && (kind == kMediumRandom || kind == kSine || kind == kRandomWalk);
    }
    // Entries of the row's kind list: 10 for rows 81-85, 7 for 86-90, 2 for 91-96.
    static int KindCount(int n);

    SignalGenerator();

    const SignalRow &Row(int n) const;
    // Button1: edits not yet committed.
    bool Button1Enabled() const { return m_button1Enabled; }

    // --- The user's operations --------------------------------------------------------------
    // M81TipoChange: selects the kind and arranges the row; no commit. A kind the row's list
    // does not hold selects nothing.
    void ChangeKind(int n, int kind, MemoryTable &memories);
    // Typing in a Desc, Min, Max or Valor edit (Enter then commits).
    void SetText(int n, SignalText which, std::string text);
    // A description typed for the row's memory elsewhere (the variable list): a row whose Desc
    // describes it takes it as its Desc, committed, so that a save keeps it. A row whose Desc
    // holds its parameter keeps it.
    void TakeDescription(int n, const std::string &text);
    // M81ValorDigClick: selects 0 or 1 and commits.
    void ClickZeroOne(int n, int position, MemoryTable &memories);
    // M81UpDownClick: one step within 0..100; the Valor text takes the position; commits.
    void ClickUpDown(int n, bool up, MemoryTable &memories);

    // ApplySignalGeneratorSettings, the commit: descriptions, constants and working values from
    // the texts. Disables Button1.
    void ApplySignalGeneratorSettings(MemoryTable &memories);

    // A row as it runs, which the record writes: the texts of the last commit (or of the
    // layout a kind change gave), so a text typed without Enter is not saved; the kind, the
    // 0/1 choice, a sine's period and the value a random, sine or walk row shows as they stand.
    SignalRow SavedRow(int n) const;

    // ArrangeSignalRow81..96: the row's layout by its kind. Zeroes the row's min, max, param
    // and walk; writes the layout's description and, unless loading, its placeholder texts.
    void ArrangeSignalRow(int n, MemoryTable &memories);

    // --- Record reading: selections without their handlers ----------------------------------
    void SelectKind(int n, int kind);
    void SelectZeroOne(int n, int position);
    // GeneratorLoadingFlag: while set, the layouts keep the texts just read.
    bool GeneratorLoadingFlag = false;

    // The plant reset re-creates the window: rows, layouts and lag outputs go back to their
    // initial state; the working values stay.
    void RecreateWindow();

    // One step of rows 81-90 (StepSignalGenerator).
    void Step(MemoryTable &memories, const StepContext &context);

    // Rows 81-90 at index n - 81.
    std::array<GeneratorWorkingValues, kSteppedRowCount> working;
    // LagOutput: the medium random's output, rows 81-90 at index n - 81; a window value.
    std::array<double, kSteppedRowCount> LagOutput{};

private:
    SignalRow &MutableRow(int n);
    void CommitConstant(int n, MemoryTable &memories);
    void ShowValue(int n, double value);
    void FormatShownValue(std::size_t index) const;

    // The Valor text of a stepped row is formatted when it is read, not at every step.
    mutable std::array<SignalRow, kRowCount> m_rows;
    // Desc, Min, Max and Valor of each row as the last commit or layout left them.
    std::array<SignalRow, kRowCount> m_committed;
    mutable std::array<bool, kSteppedRowCount> m_shownValuePending{};
    std::array<double, kSteppedRowCount> m_shownValue{};
    bool m_button1Enabled = true;
    // The sine's period (the Desc text, live) and the committed expressions of rows 81-85.
    std::array<CompiledExpression, kSteppedRowCount> m_period;
    std::array<CompiledExpression, kLastExpressionRow - kFirstRow + 1> m_expression;
};

void StepSignalGenerator(SignalGenerator &generator,
                         EnginePlant &plant,
                         const StepContext &context);

} // namespace zelvar
