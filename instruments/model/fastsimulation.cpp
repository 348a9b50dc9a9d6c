#include "instruments/model/fastsimulation.h"

#include "engine/model/engineplant.h"
#include "engine/model/filename.h"
#include "engine/model/numbertext.h"
#include "engine/model/steporder.h"
#include "instruments/model/fastrunscope.h"
#include "instruments/model/memorylist.h"
#include "instruments/model/performancedatafile.h"

#include <algorithm>
#include <cmath>

namespace zelvar {

namespace {

constexpr std::array<int, 4> kWindowSeconds = {1800, 3600, 7200, 14400};
constexpr std::array<double, 4> kSampleTimes = {0.1, 0.2, 0.5, 1.0};

int ClampedIndex(int index)
{
    return std::clamp(index, 0, 3);
}

double Finite(double x)
{
    return std::isfinite(x) ? x : 0.0;
}

// The panel's controls are disabled from the click until everything is closed again.
class RunningScope
{
public:
    explicit RunningScope(bool &running)
        : m_running(running)
    {
        m_running = true;
    }
    ~RunningScope() { m_running = false; }
    RunningScope(const RunningScope &) = delete;
    RunningScope &operator=(const RunningScope &) = delete;

private:
    bool &m_running;
};

} // namespace

void LoopSeries::Clear()
{
    PV.clear();
    SP.clear();
    CO.clear();
}

void PerformanceWindow::SelectRunLength(int index)
{
    JanelaComboBox = index;
    TACombo = index;
}

int PerformanceWindow::WindowSeconds() const
{
    return kWindowSeconds[static_cast<std::size_t>(ClampedIndex(JanelaComboBox))];
}

double PerformanceWindow::SampleTime() const
{
    return kSampleTimes[static_cast<std::size_t>(ClampedIndex(TACombo))];
}

int TestSignalStep(int steps)
{
    if (steps <= 0)
        return 0;
    // The first i with round(100 i / N) > 10; halves go to even, so 10.5 % is still 10.
    int i = static_cast<int>(std::floor(0.105 * steps));
    while (i > 0 && RoundHalfEven(100.0 * (i - 1) / steps) > 10)
        --i;
    while (RoundHalfEven(100.0 * i / steps) <= 10)
        ++i;
    return i;
}

std::vector<PerformanceLoop> PrepareLoopCharts(const EnginePlant &plant,
                                               LoopCharts &charts,
                                               PerformanceTables &tables,
                                               std::size_t samples)
{
    std::vector<PerformanceLoop> loops;
    for (int k = 1; k <= kLoopCount; ++k) {
        if (!plant.controllers.IsPresent(k))
            continue;
        LoopSeries &chart = charts[static_cast<std::size_t>(k)];
        chart.Clear();
        const int position = plant.controllers[k].Settings().VariavelSelect;
        if (!NamesMemory(position))
            continue;
        const int pv = position + 1;
        const auto at = static_cast<std::size_t>(pv);
        tables.LoopUnit[static_cast<std::size_t>(k)] = plant.memories.MemoryUnit[at];
        loops.push_back({k,
                         pv,
                         ParseNumber(plant.memories.MemoryUEMin[at]).value,
                         ParseNumber(plant.memories.MemoryUEMax[at]).value});
        chart.PV.reserve(samples);
        chart.SP.reserve(samples);
        chart.CO.reserve(samples);
    }
    return loops;
}

void AppendLoopSample(
    LoopSeries &chart, const PerformanceLoop &loop, bool normalise, double pv, double sp, double co)
{
    if (normalise) {
        chart.PV.push_back(pv);
        chart.SP.push_back(sp);
    } else {
        chart.PV.push_back(Finite(EngineeringFromPercent(loop.low, loop.high, pv)));
        chart.SP.push_back(Finite(EngineeringFromPercent(loop.low, loop.high, sp)));
    }
    chart.CO.push_back(co);
}

void RunFastSimulation(EnginePlant &plant,
                       StepContext &context,
                       int windowSeconds,
                       double sampleTime,
                       const FastRunOptions &options,
                       LoopCharts &charts,
                       PerformanceTables &tables,
                       PerformanceDataFile *dataFile,
                       const ProgressCallback &progress)
{
    const FastRunScope fastRun(context, plant);
    context.TimeStep = sampleTime;
    const double stepCount = windowSeconds / sampleTime;
    const int steps = std::isfinite(stepCount) ? std::max(0, RoundHalfEven(stepCount)) : 0;
    const int stepsPerSample = std::max(1, RoundHalfEven(1.0 / sampleTime));
    const auto samples = static_cast<std::size_t>(steps / stepsPerSample);

    const std::vector<PerformanceLoop> loops = PrepareLoopCharts(plant, charts, tables, samples);

    const bool testSignal = options.testSignal == 2 || options.testSignal == 3;
    const int testStep = TestSignalStep(steps);
    int step = 0;
    StepHooks hooks;
    if (testSignal) {
        hooks.afterBlocks = [&] {
            if (step != testStep)
                return;
            for (int k = 1; k <= kLoopCount; ++k) {
                if (!plant.controllers.IsPresent(k))
                    continue;
                Controller &controller = plant.controllers[k];
                if (options.testSignal == 3)
                    controller.OutputBias += options.amplitude;
                else
                    controller.Setpoint += options.amplitude;
            }
        };
    }

    const MemoryTable &memories = plant.memories;
    int shown = -1;
    for (step = 0; step < steps; ++step) {
        if (progress) {
            const int percent = RoundHalfEven(100.0 * step / steps);
            if (percent != shown) {
                shown = percent;
                progress(percent);
            }
        }
        StepPlant(plant, context, hooks);
        if ((step + 1) % stepsPerSample != 0)
            continue;
        if (dataFile)
            dataFile->WriteSample(memories);
        for (const PerformanceLoop &loop : loops) {
            AppendLoopSample(charts[static_cast<std::size_t>(loop.loop)],
                             loop,
                             options.normalise,
                             memories.Value(loop.pvMemory),
                             memories.Value(60 + loop.loop),
                             memories.Value(loop.loop));
        }
    }

    for (const PerformanceLoop &loop : loops) {
        const auto k = static_cast<std::size_t>(loop.loop);
        tables.LoopIndexTable[k] = CalcLoopIndices(charts[k].PV, charts[k].SP, charts[k].CO);
    }
}

std::vector<std::string> SimulateFromPanel(PerformanceWindow &window,
                                           PerformanceTables &tables,
                                           EnginePlant &plant,
                                           StepContext &context,
                                           const std::filesystem::path &folder,
                                           Language language,
                                           const ProgressCallback &progress)
{
    const RunningScope running(window.Running);
    FastRunOptions options;
    options.testSignal = window.SinalTesteCombo;
    options.normalise = window.Normaliza;
    if (window.TestSignalChosen()) {
        const ParsedInteger amplitude = ParseInteger(window.SinalTesteValor);
        if (amplitude.errorPosition != 0)
            return {std::string(Tr(language,
                                   "Amplitude do degrau inválida: use um número inteiro.",
                                   "Invalid step size: use a whole number."))};
        options.amplitude = amplitude.value;
    }

    const int windowSeconds = window.WindowSeconds();
    const double sampleTime = window.SampleTime();
    PerformanceDataFile dataFile;
    if (window.CheckArquivar) {
        const std::string message = dataFile.Create(folder,
                                                    FileNameFromText(window.Edit2),
                                                    plant.memories,
                                                    sampleTime,
                                                    windowSeconds,
                                                    language);
        if (!message.empty())
            return {message};
        window.dataFileName = dataFile.FileName();
    }

    tables.simulationIndices = true;
    RunFastSimulation(plant,
                      context,
                      windowSeconds,
                      sampleTime,
                      options,
                      window.upperCharts,
                      tables,
                      window.CheckArquivar ? &dataFile : nullptr,
                      progress);
    window.ComboBox2 = window.dataFileName;

    std::vector<std::string> messages;
    if (window.CheckArquivar) {
        std::string message = dataFile.Close();
        if (message.empty())
            window.Label5 = Tr(language, "Dados salvos no arquivo", "Data saved on file");
        else
            messages.push_back(std::move(message));
    }
    return messages;
}

} // namespace zelvar
