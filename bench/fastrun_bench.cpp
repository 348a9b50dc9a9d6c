// A 4-hour fast run at 100 ms (144 000 steps) with an SP step, the data file and the loop
// indices, on two plants built here: a typical one (6 processes, 8 blocks, 4 controllers, 4
// generator rows) and a full one (24, 24, 10, 16). bench/compare-fastrun runs it against the
// same program built on the literal text-rewriting evaluator.
#include "bench/benchplants.h"
#include "engine/model/randomsource.h"
#include "instruments/model/fastsimulation.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

namespace {

using namespace zelvar;
using namespace zelvar::bench;

void FastRun(benchmark::State &state, PlantShape shape)
{
    const std::filesystem::path folder
        = std::filesystem::temp_directory_path() / "zelvar_fastrun_bench";
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        const std::unique_ptr<EnginePlant> plant = BuildPlant(shape);
        StandardRandomSource random(12345);
        StepContext context;
        context.random = &random;
        PerformanceWindow window = FourHourRunPanel();
        PerformanceTables tables;
        state.ResumeTiming();

        const std::vector<std::string> messages
            = SimulateFromPanel(window, tables, *plant, context, folder, Language::Portuguese);

        state.PauseTiming();
        if (!messages.empty())
            state.SkipWithError(messages.front().c_str());
        if (window.upperCharts[1].PV.size() != 14400 || tables.LoopIndexTable[1][0].empty())
            state.SkipWithError("the run did not give 14 400 samples and indices");
        benchmark::DoNotOptimize(tables);
        state.ResumeTiming();
    }
    std::filesystem::remove_all(folder);
    state.counters["steps"] = 144000;
}

} // namespace

BENCHMARK_CAPTURE(FastRun, typical, kTypical)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(FastRun, full, kFull)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
