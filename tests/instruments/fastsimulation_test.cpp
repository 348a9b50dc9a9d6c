#include "instruments/model/fastsimulation.h"

#include "engine/model/engineplant.h"
#include "engine/model/numbertext.h"
#include "instruments/model/performancedatafile.h"
#include "tempfolder.h"
#include "tests/engine/testplant.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace zelvar {
namespace {

class FastSimulationTest : public testing::Test
{
protected:
    void SetUp() override
    {
        // Block 1 counts the steps in M41; loops 1 and 2 read their PV from M21.
        AddBlock(plant, 1, "M41+1");
        AddController(plant, 1, 20, 50.0);
        AddController(plant, 2, 20, 50.0);
        plant.memories.SetValue(21, 25.0);
        window.CheckArquivar = false;
        window.Edit2 = "Dados";
    }

    // "30 min" at the sample time of TACombo position ta.
    std::vector<std::string> Simulate(int ta)
    {
        window.JanelaComboBox = 0;
        window.TACombo = ta;
        return SimulateFromPanel(
            window, tables, plant, context, folder.Path(), Language::Portuguese);
    }
    double Steps() const { return plant.memories.Value(41); }

    TempFolder folder;
    EnginePlant plant;
    StepContext context;
    PerformanceWindow window;
    PerformanceTables tables;
};

TEST_F(FastSimulationTest, ThirtyMinutesAtHalfASecond)
{
    window.CheckArquivar = true;
    std::vector<int> progress;
    window.JanelaComboBox = 0;
    window.TACombo = 2;
    const std::vector<std::string> messages = SimulateFromPanel(
        window, tables, plant, context, folder.Path(), Language::Portuguese, [&](int percent) {
            progress.push_back(percent);
        });

    ASSERT_TRUE(messages.empty()) << messages.front();
    EXPECT_EQ(Steps(), 3600.0);
    EXPECT_EQ(window.upperCharts[1].PV.size(), 1800u);
    EXPECT_EQ(window.upperCharts[1].SP.size(), 1800u);
    EXPECT_EQ(window.upperCharts[1].CO.size(), 1800u);
    EXPECT_EQ(folder.Lines("Dados_1.txd").size(), 1801u);
    // The first sample comes after the second step.
    EXPECT_EQ(ReadDataField(folder.Lines("Dados_1.txd")[1], 41), 2.0);
    EXPECT_EQ(window.dataFileName, "Dados_1.txd");
    EXPECT_EQ(window.ComboBox2, "Dados_1.txd");
    EXPECT_EQ(window.Label5, "Dados salvos no arquivo");
    EXPECT_TRUE(tables.simulationIndices);
    EXPECT_EQ(tables.LoopIndexTable[1][6], " 25.0/ 25.0");
    EXPECT_EQ(tables.LoopUnit[1], "%");
    EXPECT_FALSE(context.FastRunFlag);
    EXPECT_EQ(context.TimeStep, 0.5);
    EXPECT_EQ(progress.front(), 0);
    EXPECT_EQ(progress.back(), 100);
}

TEST_F(FastSimulationTest, TestSignalStepIsTheFirstBeyondTenPercent)
{
    // 30 min at 100 ms: 10.5 % at step 1890 rounds to 10, so the step comes at 1891.
    for (const auto &[steps, expected] :
         {std::pair{18000, 1891}, {3600, 379}, {1800, 190}, {60, 7}, {144000, 15121}})
        EXPECT_EQ(TestSignalStep(steps), expected) << steps;
}

TEST_F(FastSimulationTest, SetpointStepLandsInTheSecondAfter189AndStays)
{
    window.SinalTesteCombo = 2;
    window.SinalTesteValor = "10";
    ASSERT_TRUE(Simulate(0).empty());

    const std::vector<double> &sp = window.upperCharts[1].SP;
    ASSERT_EQ(sp.size(), 1800u);
    // Samples 188 and 189 follow steps 1889 and 1899.
    EXPECT_EQ(sp[188], 50.0);
    EXPECT_EQ(sp[189], 60.0);
    EXPECT_EQ(sp.back(), 60.0);
    EXPECT_EQ(plant.controllers[1].Setpoint, 60.0);
    EXPECT_EQ(plant.controllers[2].Setpoint, 60.0);
}

// The run's steps leave the faceplates alone; the stepped setpoint showed stale afterwards.
TEST_F(FastSimulationTest, FaceplatesShowWhatTheRunLeftButKeepAnEntryBeingTyped)
{
    Controller &automatic = plant.controllers[1];
    Controller &typing = plant.controllers[2];
    automatic.automatic = true;
    TypeSetpointText(typing, "5");
    window.SinalTesteCombo = 2;
    window.SinalTesteValor = "10";

    ASSERT_TRUE(Simulate(3).empty());

    EXPECT_EQ(automatic.faceplate.SPText, "60");
    EXPECT_EQ(automatic.faceplate.SetPointBar, 120);
    EXPECT_EQ(automatic.faceplate.MVText, FormatFixed(automatic.co, 2, 2));
    EXPECT_EQ(typing.faceplate.SPText, "5");
    EXPECT_EQ(typing.faceplate.SetPointBar, 120);
}

TEST_F(FastSimulationTest, TestSignalKinds)
{
    for (const auto &[name, kind, amplitude, setpoint, bias] :
         {std::tuple{"setpoint step down", 2, "-10", 40.0, 0.0},
          {"process disturbance", 3, "15", 50.0, 15.0},
          {"Nenhum", 1, "10", 50.0, 0.0},
          {"nothing chosen, amplitude not read", 0, "abc", 50.0, 0.0}}) {
        SCOPED_TRACE(name);
        for (int k = 1; k <= 2; ++k) {
            plant.controllers[k].Setpoint = 50.0;
            plant.controllers[k].OutputBias = 0.0;
        }
        window.SinalTesteCombo = kind;
        window.SinalTesteValor = amplitude;
        ASSERT_TRUE(Simulate(3).empty());
        for (int k = 1; k <= 2; ++k) {
            EXPECT_EQ(plant.controllers[k].Setpoint, setpoint);
            EXPECT_EQ(plant.controllers[k].OutputBias, bias);
        }
    }
}

TEST_F(FastSimulationTest, AmplitudeThatIsNotAWholeNumberStopsTheRunBeforeItStarts)
{
    window.CheckArquivar = true;
    window.SinalTesteCombo = 2;
    window.upperCharts[1].PV = {1.0, 2.0};
    for (const char *amplitude : {"1.5", "abc", "", "10 "}) {
        SCOPED_TRACE(amplitude);
        window.SinalTesteValor = amplitude;
        const std::vector<std::string> messages = Simulate(3);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(Steps(), 0.0);
        EXPECT_EQ(window.upperCharts[1].PV.size(), 2u);
        EXPECT_FALSE(tables.simulationIndices);
        EXPECT_FALSE(context.FastRunFlag);
        EXPECT_TRUE(DataFileList(folder.Path()).empty());
    }
}

TEST_F(FastSimulationTest, DataFileThatCannotBeCreatedStopsTheRunBeforeItStarts)
{
    window.CheckArquivar = true;
    window.JanelaComboBox = 0;
    window.TACombo = 3;
    const std::vector<std::string> messages = SimulateFromPanel(
        window, tables, plant, context, folder.Path() / "missing", Language::English);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages.front().rfind("Could not create the file ", 0), 0u);
    EXPECT_EQ(Steps(), 0.0);
    EXPECT_EQ(window.Label5, ".");
}

TEST_F(FastSimulationTest, FailedWriteEndsTheArchiveNotTheRun)
{
    window.CheckArquivar = true;
    std::vector<std::string> messages;
    {
        const FileSizeLimit limit(64 * 1024);
        messages = Simulate(3);
    }
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages.front(), "Falha ao gravar o arquivo Dados_1.txd");
    EXPECT_EQ(Steps(), 1800.0);
    EXPECT_EQ(window.upperCharts[1].PV.size(), 1800u);
    EXPECT_EQ(window.Label5, ".");
    EXPECT_FALSE(window.Running);
    EXPECT_FALSE(context.FastRunFlag);
}

TEST_F(FastSimulationTest, TitleWithASlashStillNamesAFileInTheFolder)
{
    window.CheckArquivar = true;
    window.Edit2 = "Caldeira/Forno";
    ASSERT_TRUE(Simulate(3).empty());
    EXPECT_EQ(window.dataFileName, "Caldeira_Forno_1.txd");
    EXPECT_EQ(folder.Lines("Caldeira_Forno_1.txd").size(), 1801u);
}

TEST_F(FastSimulationTest, EngineeringUnitsFollowThePvRange)
{
    plant.memories.MemoryUEMax[21] = "200";
    plant.memories.MemoryUnit[21] = "kg/h";
    window.Normaliza = false;
    ASSERT_TRUE(Simulate(3).empty());
    EXPECT_EQ(window.upperCharts[1].PV.back(), 50.0);
    EXPECT_EQ(window.upperCharts[1].SP.back(), 100.0); // SP 50 % of the PV's 0-200
    EXPECT_EQ(window.upperCharts[1].CO.back(), 0.0);
    EXPECT_EQ(tables.LoopUnit[1], "kg/h");
    EXPECT_EQ(tables.LoopIndexTable[1][6], " 50.0/ 50.0");
}

TEST(AppendLoopSample, ScalesPvAndSpToTheRangeAndKeepsCoInPercent)
{
    LoopSeries chart;
    AppendLoopSample(chart, {1, 21, 0.0, 100.0}, true, 50.0, 25.0, 10.0);
    AppendLoopSample(chart, {1, 21, -20.0, 180.0}, false, 50.0, 25.0, 10.0);
    // A range too wide for a double gives 0 rather than infinity.
    AppendLoopSample(chart, {1, 21, -1e308, 1e308}, false, 50.0, 25.0, 10.0);
    EXPECT_EQ(chart.PV, (std::vector<double>{50.0, 80.0, 0.0}));
    EXPECT_EQ(chart.SP, (std::vector<double>{25.0, 30.0, 0.0}));
    EXPECT_EQ(chart.CO, (std::vector<double>{10.0, 10.0, 10.0}));
}

TEST_F(FastSimulationTest, OnlyPresentControllersWithAPvTakePart)
{
    plant.controllers[2].LoadSettings([](ControllerSettings &s) { s.VariavelSelect = -1; });
    window.upperCharts[2].PV = {1.0};
    window.upperCharts[3].PV = {3.0};
    tables.LoopIndexTable[2][0] = "kept 2";
    tables.LoopIndexTable[3][0] = "kept 3";
    ASSERT_TRUE(Simulate(3).empty());

    EXPECT_EQ(window.upperCharts[1].PV.size(), 1800u);
    EXPECT_TRUE(window.upperCharts[2].PV.empty());  // cleared, no PV
    EXPECT_EQ(window.upperCharts[3].PV.size(), 1u); // absent controller: untouched
    EXPECT_EQ(tables.LoopIndexTable[2][0], "kept 2");
    EXPECT_EQ(tables.LoopIndexTable[3][0], "kept 3");
}

TEST_F(FastSimulationTest, RunWithoutArchiveLeavesNoFileAndKeepsTheLastName)
{
    window.dataFileName = "Dados_7.txd";
    ASSERT_TRUE(Simulate(3).empty());
    EXPECT_TRUE(DataFileList(folder.Path()).empty());
    EXPECT_EQ(window.ComboBox2, "Dados_7.txd");
    EXPECT_EQ(window.Label5, ".");
}

} // namespace
} // namespace zelvar
