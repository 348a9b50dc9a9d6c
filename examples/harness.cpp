#include "examples/harness.h"

#include "instruments/model/loopindices.h"

#include "documents/model/plantfile.h"
#include "documents/model/plantoperations.h"
#include "engine/model/steporder.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

namespace zelvar::examples {

Scenario::Scenario(Plant &plant, std::uint32_t seed)
    : m_plant(plant)
    , m_random(seed)
{
    m_context.TimeStep = kTimeStep;
    m_context.random = &m_random;
}

void Scenario::Run(double seconds, const std::function<void()> &each)
{
    const auto steps = static_cast<long>(std::nearbyint(seconds / kTimeStep));
    for (long i = 0; i < steps; ++i) {
        StepPlant(m_plant, m_context);
        m_time += kTimeStep;
        if (each)
            each();
    }
}

void Scenario::SetSetpoint(int loop, double percent)
{
    m_plant.controllers[loop].Setpoint = percent;
}

void Scenario::PressButton(int k)
{
    ClickPushButton(m_plant, k);
}

StepResponse SetpointStep(Scenario &scenario, int loop, double to, double seconds, double band)
{
    Plant &plant = scenario.plant();
    const int pvMemory = plant.controllers[loop].pvMemory;
    const double from = plant.memories.Value(pvMemory);
    const double step = to - from;
    const double start = scenario.Time();
    scenario.SetSetpoint(loop, to);
    StepResponse response;
    bool reached = false;
    double extreme = from;
    scenario.Run(seconds, [&] {
        const double pv = plant.memories.Value(pvMemory);
        const double elapsed = scenario.Time() - start;
        response.iae += std::abs(to - pv) * Scenario::kTimeStep;
        extreme = step >= 0 ? std::max(extreme, pv) : std::min(extreme, pv);
        if (!reached && (pv - from) / step >= 0.9) {
            reached = true;
            response.t90 = elapsed;
        }
        if (std::abs(to - pv) > band)
            response.settling = elapsed;
    });
    response.overshoot = std::max(0.0, (extreme - to) / step * 100.0);
    if (!reached)
        response.t90 = seconds;
    return response;
}

LoadResponse LoadChange(
    Scenario &scenario, int loop, const std::function<void()> &act, double seconds, double band)
{
    Plant &plant = scenario.plant();
    const int pvMemory = plant.controllers[loop].pvMemory;
    const double start = scenario.Time();
    LoadResponse response;
    response.minPv = response.maxPv = plant.memories.Value(pvMemory);
    act();
    scenario.Run(seconds, [&] {
        const double pv = plant.memories.Value(pvMemory);
        const double sp = plant.memories.Value(60 + loop);
        response.minPv = std::min(response.minPv, pv);
        response.maxPv = std::max(response.maxPv, pv);
        response.iae += std::abs(sp - pv) * Scenario::kTimeStep;
        if (std::abs(sp - pv) > band)
            response.recovery = scenario.Time() - start;
    });
    response.finalOutput = plant.memories.Value(loop);
    return response;
}

LoopCharts FastRun(Plant &plant, int testSignal, int amplitude, std::uint32_t seed)
{
    StandardRandomSource random(seed);
    StepContext context;
    context.random = &random;
    FastRunOptions options;
    options.testSignal = testSignal;
    options.amplitude = amplitude;
    options.normalise = true;
    LoopCharts charts;
    PerformanceTables tables;
    RunFastSimulation(plant, context, 1800, 0.1, options, charts, tables, nullptr);
    return charts;
}

std::unique_ptr<Plant> CopyOf(const Plant &plant)
{
    // The checks open their plants in Portuguese.
    PlantReadResult copy = ReadPlantText(WritePlantText(plant, Language::Portuguese), {});
    if (!copy.Succeeded())
        throw std::runtime_error("the plant does not read back: " + copy.error);
    return std::move(copy.plant);
}

std::array<double, 2> RangeOverMoments(const Plant &plant,
                                       double from,
                                       double to,
                                       double every,
                                       const std::function<double(Plant &, double moment)> &measure)
{
    std::array<double, 2> range{std::numeric_limits<double>::max(),
                                std::numeric_limits<double>::lowest()};
    const auto moments = static_cast<int>(std::nearbyint((to - from) / every));
    for (int i = 0; i <= moments; ++i) {
        const double figure = measure(*CopyOf(plant), from + i * every);
        range[0] = std::min(range[0], figure);
        range[1] = std::max(range[1], figure);
    }
    return range;
}

double MeanOverNoiseSeeds(const Plant &plant,
                          const std::function<double(Plant &, std::uint32_t seed)> &measure)
{
    double sum = 0.0;
    for (int seed = 1; seed <= kNoiseSeeds; ++seed)
        sum += measure(*CopyOf(plant), static_cast<std::uint32_t>(seed));
    return sum / kNoiseSeeds;
}

FastRunFigures FiguresOf(const LoopSeries &series)
{
    FastRunFigures figures;
    const std::optional<LoopIndexValues> indices
        = CalcLoopIndexValues(series.PV, series.SP, series.CO);
    if (!indices)
        return figures;
    figures.iem = indices->iem;
    figures.iema = indices->iema;
    figures.endError = series.SP.back() - series.PV.back();
    return figures;
}

} // namespace zelvar::examples
