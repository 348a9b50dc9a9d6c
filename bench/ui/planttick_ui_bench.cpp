// One real-time tick of a full plant with its windows on the offscreen platform: every slot
// filled and shown on the plant picture, the five shapes, both switches, the three push
// buttons and the six sliders on it, the configuration window open, and the picture painted
// after each tick. The target is a median of 1 ms or less per tick, the every-sixth-tick
// refresh of the animated texts, shapes and push-button texts included.
// Run: build/release/bench/planttick_ui_bench --benchmark_repetitions=10
#include "bench/ui/uibench.h"
#include "documents/model/plantoperations.h"
#include "engine/model/numbertext.h"
#include "services/session.h"
#include "workspace/ui/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <string>

namespace {

using namespace zelvar;

std::string MemoryReference(int memory)
{
    return "M" + std::string(memory < 10 ? "0" : "") + FormatFixed(memory, 0, 0);
}

// Every object present and shown, wired so that the memories move.
void FillPlant(Plant &plant)
{
    for (const ObjectPool pool : {ObjectPool::Controllers,
                                  ObjectPool::Processes,
                                  ObjectPool::Blocks,
                                  ObjectPool::Recorders,
                                  ObjectPool::AnimatedTexts}) {
        for (int slot = 1; slot <= SlotCount(pool); ++slot)
            SetInventoryChecked(plant, pool, slot, true);
    }
    for (int slot = 1; slot <= 24; ++slot) {
        ProcessModel &process = plant.processes[slot];
        process.TagText = "P-" + FormatFixed(slot, 0, 0);
        process.EntradaSelect = plant.blocks[slot].ObjectNumber - 1;
        process.ComboBox2 = slot % 4;
        process.TempoMorto = "1";
        ApplyProcessSettings(process, plant.memories);
        CalculationBlock &block = plant.blocks[slot];
        block.TagText = "B-" + FormatFixed(slot, 0, 0);
        block.FuncaoTr = "M15*0.6+" + MemoryReference(process.ObjectNumber) + "*0.4";
        ApplyBlockSettings(block, plant.memories);
    }
    for (int slot = 1; slot <= 10; ++slot) {
        Controller &controller = plant.controllers[slot];
        controller.EditSettings([slot](ControllerSettings &s) { s.VariavelSelect = 20 + slot; });
        controller.ApplyControllerSettings(plant.memories, false);
        controller.automatic = slot % 2 == 0;
        plant.recorders[slot].EditSettings(plant.memories, [slot](RecorderSettings &s) {
            s.Variavel1Select = 20 + slot;
            s.Variavel2Select = 40 + slot;
            s.Variavel3Select = slot - 1;
        });
    }
    for (int slot = 1; slot <= 20; ++slot) {
        AnimatedText &text = plant.animatedTexts[slot];
        text.DescricaoText = "Valor " + FormatFixed(slot, 0, 0);
        ChooseTextMemory(text, 20 + slot, plant.memories);
        ApplyTextSettings(text, plant.memories);
        MoveObject(plant, ObjectIdOf(ObjectPool::AnimatedTexts, slot), 40 + 45 * slot, 200);
    }
    for (int k = 1; k <= 5; ++k) {
        SetShapeShown(plant, k, true);
        plant.shapes[static_cast<std::size_t>(k)].kind = k % 2;
        plant.shapes[static_cast<std::size_t>(k)].memoryIndex = 20 + k;
    }
    for (int k = 1; k <= 2; ++k)
        SetSwitchShown(plant, k, true);
    for (int k = 1; k <= 3; ++k)
        SetPushButtonChecked(plant, k, true);
    for (int k = 1; k <= 6; ++k) {
        SetSliderShown(plant, k, true);
        SetSliderName(plant, k, "Entrada " + FormatFixed(k, 0, 0));
        MoveSlider(plant, k, 1000 * k);
    }
    plant.linearizer.Lin1Ativar = true;
    RefreshMainWindow(plant);
}

class PlantWindows
{
public:
    PlantWindows()
    {
        m_session.SetRunning(false);
        m_form.show();
        FillPlant(m_session.plant());
        m_session.RefreshMainWindow();
        m_form.findChild<QAction *>(QStringLiteral("Configurao2"))->trigger();
        QCoreApplication::processEvents();
    }

    // One tick as the timer runs it, and the repaint that follows. The operator's input M15,
    // which every block reads, ramps up and steps down, so that the plant never settles.
    void Tick()
    {
        const long phase = m_step++ % 3000;
        m_session.plant().memories.SetValue(15, phase < 1500 ? 20.0 + phase / 30.0 : 30.0);
        m_session.Timer1Timer();
        QCoreApplication::processEvents();
    }

    const Session &session() const { return m_session; }

private:
    long m_step = 0;
    QTemporaryDir m_folder;
    Session m_session{m_folder.path()};
    bench::NoDialogs m_dialogs;
    TForm1 m_form{m_session, m_dialogs};
};

// Six ticks make one display cycle; the time is per tick.
void RealTimeTickWithWindows(benchmark::State &state)
{
    PlantWindows windows;
    for (auto _ : state)
        windows.Tick();
    benchmark::DoNotOptimize(windows.session().plant().memories.Value(21));
}
BENCHMARK(RealTimeTickWithWindows)->Unit(benchmark::kMicrosecond)->Iterations(6000);

// Only the ticks that refresh the display.
void RefreshingTickWithWindows(benchmark::State &state)
{
    PlantWindows windows;
    for (auto _ : state) {
        while (windows.session().tick().DisplayDivider != 5)
            windows.Tick();
        const auto start = std::chrono::steady_clock::now();
        windows.Tick();
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
}
BENCHMARK(RefreshingTickWithWindows)
    ->Unit(benchmark::kMicrosecond)
    ->UseManualTime()
    ->Iterations(1000);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform's notes on window placement are of no interest here.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
