#include "engine/model/steporder.h"

#include "engine/model/engineplant.h"
#include "tests/engine/testplant.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zelvar {
namespace {

class StepOrder : public testing::Test
{
protected:
    // A process passing its input memory straight to its output.
    void AddProcess(int slot, int inputMemory)
    {
        plant.processes.present[static_cast<std::size_t>(slot)] = true;
        ProcessModel &process = plant.processes[slot];
        process = ProcessModel(slot);
        process.EntradaSelect = inputMemory - 1;
        process.LText.SetText("0");
        ASSERT_TRUE(ApplyProcessSettings(process, plant.memories).empty());
    }
    void AddBlock(int slot, const char *function) { zelvar::AddBlock(plant, slot, function); }
    double M(int k) const { return plant.memories.Value(k); }

    EnginePlant plant;
    StepContext context;
};

TEST_F(StepOrder, BlocksSeeProcessOutputsOfThisStepProcessesBlockOutputsOfThePrevious)
{
    AddProcess(1, 1);     // M21 = M1
    AddBlock(1, "M21*2"); // M41
    AddProcess(2, 41);    // M22 = M41
    plant.memories.SetValue(1, 30);
    StepPlant(plant, context);
    EXPECT_EQ(M(21), 30.0);
    EXPECT_EQ(M(41), 60.0);
    EXPECT_EQ(M(22), 0.0);
    StepPlant(plant, context);
    EXPECT_EQ(M(22), 60.0);
}

TEST_F(StepOrder, EachKindSeesThisStepsOutputOfTheKindBeforeIt)
{
    // One chain through every kind in the order of the step, each link reading the one before:
    // generator M85 = M50 + 1, process M21 = M85, block M41 = M21 + 1, the afterBlocks hook
    // M45 = M41 + 1, controller (P only, reverse, SP 0) M1 = M45, linearizer M13 = M1, and the
    // recorders read M13. A link run too early would see 0.
    plant.signalGenerator.ChangeKind(85, kEquation, plant.memories);
    plant.signalGenerator.SetText(85, SignalText::Valor, "M50+1");
    plant.signalGenerator.ApplySignalGeneratorSettings(plant.memories);
    AddProcess(1, 85);
    AddBlock(1, "M21+1");
    plant.controllers.present[1] = true;
    Controller &controller = plant.controllers[1];
    controller = Controller(1);
    controller.EditSettings([](ControllerSettings &s) {
        s.VariavelSelect = 45 - 1;
        s.Acaogroup = 0;
        s.BiasText = "0";
        s.ICHK = false;
        s.DCHK = false;
    });
    ASSERT_TRUE(controller.ApplyControllerSettings(plant.memories, true).empty());
    controller.automatic = true;
    plant.linearizer.Lin1Ativar = true;
    plant.linearizer.Lin1EndEnt = "01";
    double recorded = 0.0;
    StepHooks hooks;
    hooks.afterBlocks = [&] {
        plant.memories.SetValue(45, M(41) + 1);
    };
    hooks.recorders = [&] {
        recorded = M(13);
    };
    plant.memories.SetValue(50, 10);

    StepPlant(plant, context, hooks);

    EXPECT_EQ(M(85), 11.0);
    EXPECT_EQ(M(21), 11.0);
    EXPECT_EQ(M(41), 12.0);
    EXPECT_EQ(M(45), 13.0);
    EXPECT_NEAR(M(1), 13.0, 1e-12);
    EXPECT_NEAR(M(13), 13.0, 1e-12);
    EXPECT_NEAR(recorded, 13.0, 1e-12);
}

TEST_F(StepOrder, SlotOrderNotObjectNumberDecides)
{
    // Slot 21 (M71) runs after slot 20 (M40) and before any block, but after slot 19.
    AddProcess(20, 1);
    AddProcess(21, 40);
    AddBlock(21, "M71");
    AddProcess(19, 71);
    plant.memories.SetValue(1, 25);
    StepPlant(plant, context);
    EXPECT_EQ(M(40), 25.0);
    EXPECT_EQ(M(71), 25.0);
    EXPECT_EQ(M(75), 25.0);
    EXPECT_EQ(M(39), 0.0);
    EXPECT_EQ(plant.ActuatorPosition[21], 25.0);
    StepPlant(plant, context);
    EXPECT_EQ(M(39), 25.0);
}

TEST_F(StepOrder, AbsentSlotsAreNotStepped)
{
    AddProcess(2, 1);
    AddBlock(3, "50");
    plant.processes.present[2] = false;
    plant.blocks.present[3] = false;
    plant.memories.SetValue(1, 30);
    StepPlant(plant, context);
    EXPECT_EQ(M(22), 0.0);
    EXPECT_EQ(M(43), 0.0);
    EXPECT_EQ(plant.ActuatorPosition[2], 0.0);
}

TEST_F(StepOrder, HooksRunAfterTheBlocksAndLast)
{
    AddBlock(1, "M01+1");
    plant.linearizer.Lin1Ativar = true;
    plant.linearizer.Lin1EndEnt = "41";
    std::vector<std::string> calls;
    StepHooks hooks;
    hooks.afterBlocks = [&] {
        calls.push_back("afterBlocks");
        EXPECT_EQ(M(41), 1.0);
        EXPECT_EQ(M(13), 0.0);
    };
    hooks.recorders = [&] {
        calls.push_back("recorders");
        EXPECT_EQ(M(13), 1.0);
    };
    StepPlant(plant, context, hooks);
    EXPECT_EQ(calls, (std::vector<std::string>{"afterBlocks", "recorders"}));
}

TEST_F(StepOrder, LinearizerRunsOnlyWhileTicked)
{
    plant.linearizer.Lin1EndEnt = "01";
    plant.memories.SetValue(1, 30);
    plant.memories.SetValue(13, 7);
    StepPlant(plant, context);
    EXPECT_EQ(M(13), 7.0);
    plant.linearizer.Lin1Ativar = true;
    StepPlant(plant, context);
    EXPECT_EQ(M(13), 30.0);
}

} // namespace
} // namespace zelvar
