// Engine time per step of a plant of 24 processes and 24 calculation blocks with typical
// settings. The target is a 4-hour fast run at 100 ms (144 000 steps) in 0.3 s or less.
// Run: build/release/bench/engine_bench
#include "engine/model/engineplant.h"
#include "engine/model/numbertext.h"
#include "engine/model/steporder.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

using namespace zelvar;

std::string MemoryReference(int memory)
{
    return "M" + std::string(memory < 10 ? "0" : "") + FormatFixed(memory, 0, 0);
}

// Process k reads block k, block k mixes the drive M01 with processes k and k + 1, so every
// memory moves while the plant runs.
std::unique_ptr<EnginePlant> TypicalPlant()
{
    auto plant = std::make_unique<EnginePlant>();
    for (int slot = 1; slot <= 24; ++slot) {
        plant->processes.present[static_cast<std::size_t>(slot)] = true;
        ProcessModel &process = plant->processes[slot];
        process = ProcessModel(slot);
        process.EntradaSelect = BlockObjectNumber(slot) - 1;
        process.GanhoText = slot % 3 == 0 ? "0.8" : "1.2";
        process.TempoMorto = slot % 2 == 0 ? "2" : "0.5";
        process.ComboBox2 = slot % 4; // all four transfer functions
        process.LText.SetText("10");
        process.Ctext.SetText("4");
        process.NCText = "2";
        process.PeriodoText = "20";
        process.LEAD.SetText("3");
        process.LAG.SetText("8");
        process.ComboBox1 = slot % 5;
        process.Histerese = slot % 2 == 0 ? "0.5" : "0";
        process.valveStext = slot % 3 == 0 ? "0.3" : "0";
        process.tal = "1.5";
        process.ratetext.SetText(slot % 2 == 0 ? "20" : "0");
        ApplyProcessSettings(process, plant->memories);

        plant->blocks.present[static_cast<std::size_t>(slot)] = true;
        CalculationBlock &block = plant->blocks[slot];
        block = CalculationBlock(slot);
        const std::string own = MemoryReference(ProcessObjectNumber(slot));
        const std::string next = MemoryReference(ProcessObjectNumber(slot % 24 + 1));
        block.FuncaoTr = slot % 2 == 0 ? "M01*0.6+" + own + "*0.4"
                                       : "M01*0.5+" + own + "*0.3+" + next + "*0.2";
        block.LimSupCheck = slot % 4 == 1;
        block.LimInfCheck = slot % 4 == 1;
        ApplyBlockSettings(block, plant->memories);
    }
    return plant;
}

// A slow square-and-ramp drive on M01.
double Drive(long step)
{
    const long phase = step % 6000;
    return phase < 3000 ? 20.0 + phase / 100.0 : 70.0;
}

void StepPlantOnce(benchmark::State &state)
{
    const std::unique_ptr<EnginePlant> plant = TypicalPlant();
    const StepContext context;
    long step = 0;
    for (auto _ : state) {
        plant->memories.SetValue(1, Drive(step++));
        StepPlant(*plant, context);
    }
    benchmark::DoNotOptimize(plant->memories.Value(21));
}

void FourHourRun(benchmark::State &state)
{
    const StepContext context;
    for (auto _ : state) {
        state.PauseTiming();
        const std::unique_ptr<EnginePlant> plant = TypicalPlant();
        state.ResumeTiming();
        for (long step = 0; step < 144000; ++step) {
            plant->memories.SetValue(1, Drive(step));
            StepPlant(*plant, context);
        }
        benchmark::DoNotOptimize(plant->memories.Value(21));
    }
}

} // namespace

BENCHMARK(StepPlantOnce);
BENCHMARK(FourHourRun)->Unit(benchmark::kMillisecond);
