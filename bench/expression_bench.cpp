// Nanoseconds per evaluation: the text-rewriting reference against the compiled form, on the
// same texts and memories. Run: build/release/bench/expression_bench
#include "engine/model/compiledexpression.h"
#include "engine/model/numbertext.h"

#include <benchmark/benchmark.h>

namespace {

constexpr const char *kTexts[] = {
    "12.5",
    "M21*0.8+M41/2-3",
    "(M21*0.35+M22*0.65)*(1+M41/100)-M05^2/250+(M61-7.5)*0,012",
};

zelvar::MemoryTable PlantMemories()
{
    zelvar::MemoryTable memories;
    memories.SetValue(5, 33.3);
    memories.SetValue(21, 42.7);
    memories.SetValue(22, 57.3);
    memories.SetValue(41, 12.5);
    memories.SetValue(61, 50.0);
    return memories;
}

void Literal(benchmark::State &state)
{
    const zelvar::MemoryTable memories = PlantMemories();
    const char *text = kTexts[state.range(0)];
    for (auto _ : state)
        benchmark::DoNotOptimize(zelvar::EvaluateLiteral(text, memories));
    state.SetLabel(text);
}

void Compiled(benchmark::State &state)
{
    zelvar::MemoryTable memories = PlantMemories();
    const zelvar::CompiledExpression compiled(kTexts[state.range(0)]);
    double drift = 0.0;
    for (auto _ : state) {
        // The memories move between steps as in a running plant.
        drift += 1e-7;
        memories.MemoryValue[21] = 42.7 + drift;
        benchmark::DoNotOptimize(compiled.Evaluate(memories));
    }
    state.SetLabel(kTexts[state.range(0)]);
}

} // namespace

BENCHMARK(Literal)->DenseRange(0, 2);
BENCHMARK(Compiled)->DenseRange(0, 2);

namespace {

void RoundTo15DigitsAlone(benchmark::State &state)
{
    double x = 42.712345678;
    for (auto _ : state) {
        x += 1e-9;
        benchmark::DoNotOptimize(zelvar::RoundTo15Digits(x));
    }
}

} // namespace

BENCHMARK(RoundTo15DigitsAlone);
