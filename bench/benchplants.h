#pragma once

// The plants the fast-run benchmarks run: a typical one (6 processes, 8 blocks, 4 controllers,
// 4 generator rows) and a full one (24, 24, 10, 16), built in code so that every run starts
// from the same plant.
#include "engine/model/engineplant.h"
#include "engine/model/numbertext.h"
#include "instruments/model/fastsimulation.h"

#include <memory>
#include <string>

namespace zelvar::bench {

struct PlantShape
{
    int processes;
    int blocks;
    int controllers;
    int generatorRows;
};

constexpr PlantShape kTypical{6, 8, 4, 4};
constexpr PlantShape kFull{24, 24, 10, 16};

inline std::string M(int memory)
{
    std::string text = "M";
    if (memory < 10)
        text += '0';
    return text + FormatFixed(memory, 0, 0);
}

inline std::string Number(int n)
{
    return FormatFixed(n, 0, 0);
}

inline void AddGeneratorRows(EnginePlant &plant, int rows)
{
    SignalGenerator &generator = plant.signalGenerator;
    MemoryTable &memories = plant.memories;
    const auto row = [&](int n,
                         int kind,
                         const char *desc,
                         const char *min,
                         const char *max,
                         std::string valor) {
        generator.ChangeKind(n, kind, memories);
        generator.SetText(n, SignalText::Desc, desc);
        generator.SetText(n, SignalText::Min, min);
        generator.SetText(n, SignalText::Max, max);
        generator.SetText(n, SignalText::Valor, std::move(valor));
    };
    for (int n = SignalGenerator::kFirstRow; n < SignalGenerator::kFirstRow + rows; ++n) {
        if (n > SignalGenerator::kLastSteppedRow) {
            row(n, kConstant, "Constante", "", "", Number(40 + n - 90));
            continue;
        }
        switch ((n - SignalGenerator::kFirstRow) % 5) {
        case 0:
            row(n, kSine, "120", "45", "55", "0");
            break;
        case 1:
            row(n, kMediumRandom, "20", "45", "55", "50");
            break;
        case 2:
            row(n, kRandomWalk, "10", "50", "0.5", "50");
            break;
        case 3:
            if (n <= SignalGenerator::kLastExpressionRow)
                row(n, kEquation, "Carga", "", "", "50+" + M(21) + "/10");
            else
                row(n, kSlowRandom, "Carga", "40", "60", "50");
            break;
        default:
            if (n <= SignalGenerator::kLastExpressionRow)
                row(n, kEquation, "Perturbação", "", "", M(22) + "*0,5+25");
            else
                row(n, kFastRandom, "Ruído", "49", "51", "50");
            break;
        }
    }
    generator.ApplySignalGeneratorSettings(memories);
}

// Fills a plant (an empty one, or one the program made) with the shape's objects.
inline void FillPlant(EnginePlant &target, const PlantShape &shape)
{
    EnginePlant *plant = &target;
    MemoryTable &memories = plant->memories;
    AddGeneratorRows(*plant, shape.generatorRows);
    const int firstRow = SignalGenerator::kFirstRow;

    // Processes 1..controllers close the loops; the others follow generator rows.
    for (int slot = 1; slot <= shape.processes; ++slot) {
        ProcessModel &process = plant->processes[slot];
        process = ProcessModel(slot);
        plant->processes.present[static_cast<std::size_t>(slot)] = true;
        const int input
            = slot <= shape.controllers ? slot : firstRow + (slot - 1) % shape.generatorRows;
        process.EntradaSelect = input - 1;
        process.LText.SetText(Number(6 + slot));
        process.Ctext.SetText("2");
        process.TempoMorto = slot % 3 == 0 ? "1.5" : "0.5";
        process.GanhoText = slot % 4 == 0 ? "0.9+" + M(firstRow) + "/500" : "1";
        process.ComboBox1 = slot % 5;
        process.Histerese = slot % 2 == 0 ? "0.5" : "0";
        process.ratetext.SetText("25");
        ApplyProcessSettings(process, memories);
    }

    for (int slot = 1; slot <= shape.blocks; ++slot) {
        CalculationBlock &block = plant->blocks[slot];
        block = CalculationBlock(slot);
        plant->blocks.present[static_cast<std::size_t>(slot)] = true;
        const std::string process = M(ProcessObjectNumber((slot - 1) % shape.processes + 1));
        const std::string row = M(firstRow + (slot - 1) % shape.generatorRows);
        switch (slot % 4) {
        case 0:
            block.FuncaoTr = process + "*0.8+" + row + "/5";
            break;
        case 1:
            block.FuncaoTr = "(" + process + "+" + row + ")/2-1,5";
            break;
        case 2:
            block.FuncaoTr = process + "^1.2/10";
            block.LimSupCheck = true;
            break;
        default:
            block.FuncaoTr = process + ">" + row;
            break;
        }
        ApplyBlockSettings(block, memories);
    }

    for (int k = 1; k <= shape.controllers; ++k) {
        Controller &controller = plant->controllers[k];
        controller = Controller(k);
        plant->controllers.present[static_cast<std::size_t>(k)] = true;
        controller.LoadSettings([&](ControllerSettings &s) {
            s.VariavelSelect = ProcessObjectNumber(k) - 1;
            s.KpText = "1.5";
            s.KiText = Number(5 + k);
            s.KdText = k % 2 == 0 ? "0.5" : "0";
            if (k % 3 == 0) {
                s.FFwSelect = true;
                s.FFwEquation = "40+" + M(firstRow) + "/5";
            }
        });
        controller.ApplyControllerSettings(memories, false);
        controller.automatic = true;
        controller.Setpoint = 50.0;
    }
}

inline std::unique_ptr<EnginePlant> BuildPlant(const PlantShape &shape)
{
    auto plant = std::make_unique<EnginePlant>();
    FillPlant(*plant, shape);
    return plant;
}

// The fast-run panel of every benchmark: 4 hours, every 100 ms, with an SP step.
inline PerformanceWindow FourHourRunPanel()
{
    PerformanceWindow window;
    window.SelectRunLength(3);
    window.TACombo = 0;
    window.SinalTesteCombo = 2;
    window.Edit2 = "Bench";
    return window;
}

} // namespace zelvar::bench
