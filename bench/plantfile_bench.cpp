// Writing and reading a full plant (every slot of every pool present).
// Run: build/release/bench/plantfile_bench
#include "documents/model/plantfile.h"
#include "documents/model/plantoperations.h"

#include <benchmark/benchmark.h>

namespace {

std::unique_ptr<zelvar::Plant> FullPlant()
{
    using zelvar::ObjectPool;
    auto plant = std::make_unique<zelvar::Plant>();
    zelvar::SetTitle(*plant, "Planta completa");
    for (const ObjectPool pool : {ObjectPool::Controllers,
                                  ObjectPool::Processes,
                                  ObjectPool::Blocks,
                                  ObjectPool::Recorders,
                                  ObjectPool::AnimatedTexts}) {
        for (int slot = 1; slot <= zelvar::SlotCount(pool); ++slot)
            zelvar::SetInventoryChecked(*plant, pool, slot, true);
    }
    for (int slot = 1; slot <= 24; ++slot)
        plant->blocks[slot].FuncaoTr = "M21*0.5+M22*0.25";
    plant->comments.assign(40, "Uma linha de comentário da planta, com acentuação.");
    return plant;
}

void WriteFullPlant(benchmark::State &state)
{
    const auto plant = FullPlant();
    for (auto _ : state)
        benchmark::DoNotOptimize(zelvar::WritePlantText(*plant, zelvar::Language::Portuguese));
}

void ReadFullPlant(benchmark::State &state)
{
    const std::string bytes = zelvar::WritePlantText(*FullPlant(), zelvar::Language::Portuguese);
    zelvar::PlantReadOptions options;
    for (auto _ : state)
        benchmark::DoNotOptimize(zelvar::ReadPlantText(bytes, options));
}

} // namespace

BENCHMARK(WriteFullPlant)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadFullPlant)->Unit(benchmark::kMillisecond);
