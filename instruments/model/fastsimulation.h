#pragma once

#include "engine/model/language.h"
#include "engine/model/stepcontext.h"
#include "instruments/model/loopindices.h"
#include "instruments/model/progress.h"

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace zelvar {

struct EnginePlant;
class PerformanceDataFile;

inline constexpr int kLoopCount = 10;

// One loop's chart: series 0 "PV", 1 "SP" and 2 "MV" (the CO), one point per simulated
// second (or per data line of a loaded history).
struct LoopSeries
{
    std::vector<double> PV;
    std::vector<double> SP;
    std::vector<double> CO;

    void Clear();
};

// The charts of loops 1-10; index 0 is unused.
using LoopCharts = std::array<LoopSeries, kLoopCount + 1>;

// What outlives the performance window: the index rows of the upper charts (runs and upper
// loads) and of the lower charts (lower loads), the PV unit of each loop, and whether each
// table holds values. Rows of loops that take no part in a run or load keep their texts.
struct PerformanceTables
{
    std::array<LoopIndexRow, kLoopCount + 1> LoopIndexTable;
    std::array<LoopIndexRow, kLoopCount + 1> HistoryIndexTable;
    std::array<std::string, kLoopCount + 1> LoopUnit;
    bool simulationIndices = false;
    bool historyIndices = false;
};

// The performance window's own state: the simulation panel as the user left it, the charts
// and the file-list texts.
struct PerformanceWindow
{
    int JanelaComboBox = 0;             // "30 min", "1 hora", "2 horas", "4 horas"
    int TACombo = 2;                    // "100 ms", "200 ms", "500 ms", "1 seg"
    int SinalTesteCombo = 0;            // "Selecione um sinal de teste:", "Nenhum", "Degrau no SP",
                                        // "Distúrbio degrau no processo"
    std::string SinalTesteValor = "10"; // the step amplitude, a whole number of percent
    bool CheckArquivar = true;
    std::string Edit2;        // the data file's base name
    std::string Label5 = "."; // "Dados salvos no arquivo" after an archived run
    bool Normaliza = true;    // PV and SP points in percent, else in engineering units
    std::string dataFileName; // the data file created last, without its folder
    std::string ComboBox2;    // the upper file list's text
    // Set while "Simular" works: BTNSimular, CheckArquivar, Edit2 and JanelaComboBox are
    // disabled meanwhile.
    bool Running = false;
    LoopCharts upperCharts; // ChartM1-ChartM10
    LoopCharts lowerCharts; // ChartH1-ChartH10

    // JanelaComboBoxChange: the sample time proposed for the run length (30 min at 100 ms,
    // 1 hour at 200 ms, 2 hours at 500 ms, 4 hours at 1 s).
    void SelectRunLength(int index);
    // SinalTesteTxt and SinalTesteValor show for the two step signals.
    bool TestSignalChosen() const { return SinalTesteCombo == 2 || SinalTesteCombo == 3; }
    // 1800, 3600, 7200 or 14400 s; 0.1, 0.2, 0.5 or 1.0 s.
    int WindowSeconds() const;
    double SampleTime() const;
};

struct FastRunOptions
{
    // SinalTesteCombo: 2 raises every present controller's setpoint by the amplitude, 3 its
    // output bias; anything else applies no test signal.
    int testSignal = 0;
    int amplitude = 0;
    bool normalise = true;
};

// The step of a run of N steps at which the test signal is applied: the first i whose
// progress 100 i / N, rounded with halves to even, exceeds 10 (1891 of 18000).
int TestSignalStep(int steps);

// A loop that takes part in a run or a history: controller k with a PV memory, and that
// memory's range for the engineering units.
struct PerformanceLoop
{
    int loop = 0;
    int pvMemory = 0;
    double low = 0.0;
    double high = 100.0;
};

// One point of the loop's chart: PV and SP in percent, or in the loop's engineering range when
// not normalised (a value that would not be finite becomes 0); CO in percent.
void AppendLoopSample(LoopSeries &chart,
                      const PerformanceLoop &loop,
                      bool normalise,
                      double pv,
                      double sp,
                      double co);

// Clears the charts of every present controller and lists the loops whose PV is a memory,
// noting their units and making room for the samples.
std::vector<PerformanceLoop> PrepareLoopCharts(const EnginePlant &plant,
                                               LoopCharts &charts,
                                               PerformanceTables &tables,
                                               std::size_t samples);

// The fast run: N = round(W / Ts) steps of Ts through the shared step order, without
// recorders and animated texts, with the fast-run flag set; the live plant advances.
//   - Loop k takes part when controller k is present with a PV chosen (memory p); its chart
//     is cleared (also without a PV) and LoopUnit[k] becomes p's unit.
//   - The test signal goes in between the blocks and the controllers of step TestSignalStep(N),
//     once, and is never taken back.
//   - After every m = round(1 / Ts) steps (one simulated second): a data line when the file is
//     open, then per loop PV = M[p], SP = M[60 + k] (both in percent, or in p's engineering
//     range when not normalised) and CO = M[k] in percent.
//   - At the end each loop that took part gets its index row.
// The fast-run flag ends cleared whatever happens; the time step stays Ts.
void RunFastSimulation(EnginePlant &plant,
                       StepContext &context,
                       int windowSeconds,
                       double sampleTime,
                       const FastRunOptions &options,
                       LoopCharts &charts,
                       PerformanceTables &tables,
                       PerformanceDataFile *dataFile,
                       const ProgressCallback &progress = {});

// "Simular": checks the amplitude (a whole number, when a step signal is chosen) and creates
// the data file "<base>_<n>.txd" in the folder (archiving on; characters that cannot stand in
// a file name become "_") before anything runs; then runs and closes the file. Returns the
// messages to show: a refused start leaves the plant, charts and tables untouched. Running is
// set meanwhile and cleared however the run ends. The caller stops the main timer (and waits
// 110 ms) before, and restores the timer as it was afterwards.
std::vector<std::string> SimulateFromPanel(PerformanceWindow &window,
                                           PerformanceTables &tables,
                                           EnginePlant &plant,
                                           StepContext &context,
                                           const std::filesystem::path &folder,
                                           Language language,
                                           const ProgressCallback &progress = {});

} // namespace zelvar
