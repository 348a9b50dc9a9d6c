// One plant step of ten PID controllers and the sixteen-row signal generator, in real time
// (faceplate texts written) and in a fast run. Run: build/release/bench/controller_bench
#include "engine/model/engineplant.h"
#include "engine/model/randomsource.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace zelvar;

std::unique_ptr<EnginePlant> LoopPlant()
{
    auto plant = std::make_unique<EnginePlant>();
    MemoryTable &memories = plant->memories;
    memories.SetValue(15, 40);

    SignalGenerator &generator = plant->signalGenerator;
    const int kinds[] = {kFastRandom,
                         kMediumRandom,
                         kSlowRandom,
                         kSine,
                         kEquation,
                         kRandomWalk,
                         kFastRandom,
                         kMediumRandom,
                         kSine,
                         kRandomWalk};
    for (int n = 81; n <= 90; ++n) {
        const int kind = kinds[n - 81];
        generator.ChangeKind(n, kind, memories);
        generator.SetText(n, SignalText::Min, "20");
        generator.SetText(n, SignalText::Max, kind == kRandomWalk ? "0.5" : "80");
        generator.SetText(n, SignalText::Desc, n == 89 ? "M15" : "10");
        if (kind == kEquation)
            generator.SetText(n, SignalText::Valor, "M21*0,5+M22/4");
    }
    generator.ApplySignalGeneratorSettings(memories);

    for (int slot = 1; slot <= 10; ++slot) {
        plant->controllers[slot] = Controller(slot);
        plant->controllers.present[static_cast<std::size_t>(slot)] = true;
        Controller &controller = plant->controllers[slot];
        controller.EditSettings([&](ControllerSettings &s) {
            s.VariavelSelect = 20 + slot - 1;
            s.KpText = "1,5";
            s.KiText = "8";
            s.KdText = "0.5";
            s.tfText = "0.2";
            s.BackMVCheck = slot % 2 == 0;
            s.BackMV = 80;
            s.FFwSelect = slot % 3 == 0;
            s.FFwEquation = "M81*0.2+40";
        });
        controller.ApplyControllerSettings(memories, false);
        controller.automatic = true;
        controller.Setpoint = 40 + slot;
    }
    return plant;
}

void StepLoops(benchmark::State &state, bool fastRun)
{
    const auto plant = LoopPlant();
    StandardRandomSource random(42);
    StepContext context;
    context.FastRunFlag = fastRun;
    context.random = &random;
    for (auto _ : state) {
        StepSignalGenerator(plant->signalGenerator, *plant, context);
        for (int slot = 1; slot <= 10; ++slot) {
            // Each loop's process: a first-order lag of its output.
            const double pv = plant->memories.Value(20 + slot);
            plant->memories.SetValue(20 + slot, 0.95 * pv + 0.05 * plant->memories.Value(slot));
            StepController(plant->controllers[slot], *plant, context);
        }
    }
    benchmark::DoNotOptimize(plant->memories.MemoryValue.data());
}

void RealTimeStep(benchmark::State &state)
{
    StepLoops(state, false);
}

void FastRunStep(benchmark::State &state)
{
    StepLoops(state, true);
}

} // namespace

BENCHMARK(RealTimeStep);
BENCHMARK(FastRunStep);
