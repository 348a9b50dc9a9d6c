#include "instruments/model/performancehistory.h"

#include "engine/model/engineplant.h"
#include "instruments/model/performancedatafile.h"
#include "tempfolder.h"
#include "tests/engine/testplant.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <vector>

namespace zelvar {
namespace {

// The file holds values with two decimals.
constexpr double kFileTolerance = 0.005 + 1e-9;

class PerformanceHistoryTest : public testing::Test
{
protected:
    void SetUp() override
    {
        // Loop 1 reads its PV from M41, which block 1 ramps; M21 ranges 0-200 kg/h.
        AddBlock(plant, 1, "M41+0.0137");
        AddController(plant, 1, 40, 50.0);
        plant.memories.MemoryUEMax[21] = "200";
        plant.memories.MemoryUnit[21] = "kg/h";
    }

    // A data file whose header is given and whose data lines hold, for sample i (from 1),
    // M1 = i, M21 = 10 i, M61 = 50 and every other memory 0.
    void WriteFile(const std::string &name, const std::string &header, int lines)
    {
        std::string bytes = header + "\r\n";
        for (int i = 1; i <= lines; ++i) {
            MemoryTable memories;
            memories.SetValue(1, i);
            memories.SetValue(21, 10.0 * i);
            memories.SetValue(61, 50.0);
            AppendDataLine(bytes, memories);
            bytes += "\r\n";
        }
        folder.Write(name, bytes);
    }

    std::string Lower(const std::string &name = "h.txd", Language language = Language::Portuguese)
    {
        return LoadLowerHistory(window, tables, plant, folder.Path() / name, language);
    }
    std::string Upper(const std::string &name = "h.txd")
    {
        return LoadUpperHistory(window, tables, plant, folder.Path() / name, Language::Portuguese);
    }

    TempFolder folder;
    EnginePlant plant;
    StepContext context;
    PerformanceWindow window;
    PerformanceTables tables;
};

TEST_F(PerformanceHistoryTest, RunFileReadsBackIntoBothChartRows)
{
    window.Edit2 = "Dados";
    window.JanelaComboBox = 0;
    window.TACombo = 3;
    ASSERT_TRUE(
        SimulateFromPanel(window, tables, plant, context, folder.Path(), Language::Portuguese)
            .empty());
    const LoopSeries run = window.upperCharts[1];
    const LoopIndexRow runIndices = tables.LoopIndexTable[1];
    ASSERT_EQ(run.PV.size(), 1800u);
    ASSERT_NE(runIndices[0], "");

    ASSERT_EQ(Lower("Dados_1.txd"), "");
    const LoopSeries &history = window.lowerCharts[1];
    ASSERT_EQ(history.PV.size(), 1800u);
    for (std::size_t i = 0; i < run.PV.size(); ++i) {
        ASSERT_NEAR(history.PV[i], run.PV[i], kFileTolerance) << i;
        ASSERT_NEAR(history.SP[i], run.SP[i], kFileTolerance) << i;
        ASSERT_NEAR(history.CO[i], run.CO[i], kFileTolerance) << i;
    }
    EXPECT_TRUE(tables.historyIndices);
    EXPECT_EQ(tables.HistoryIndexTable[1][6], runIndices[6]);
    EXPECT_EQ(tables.LoopIndexTable[1], runIndices);

    window.upperCharts[1].Clear();
    ASSERT_EQ(Upper("Dados_1.txd"), "");
    EXPECT_EQ(window.upperCharts[1].PV, history.PV);
    EXPECT_EQ(tables.LoopIndexTable[1], tables.HistoryIndexTable[1]);
}

TEST_F(PerformanceHistoryTest, SemicolonInADescriptionDoesNotShiftTheRunLength)
{
    AddController(plant, 1, 20, 50.0);
    WriteFile("h.txd", "01 a;02 vazão; entrada;03 c;1.0;3;", 4);
    ASSERT_EQ(Lower("h.txd", Language::English), "");
    EXPECT_EQ(window.lowerCharts[1].PV, (std::vector<double>{10.0, 20.0, 30.0}));
    EXPECT_EQ(window.lowerCharts[1].SP, (std::vector<double>{50.0, 50.0, 50.0}));
    EXPECT_EQ(window.lowerCharts[1].CO, (std::vector<double>{1.0, 2.0, 3.0}));
    EXPECT_EQ(tables.HistoryIndexTable[1][6], " 10.0/ 30.0");
}

TEST_F(PerformanceHistoryTest, RunLengthIsBoundedByTheLinesInTheFile)
{
    AddController(plant, 1, 20, 50.0);
    for (const auto &[name, header, lines, samples, indices] :
         {std::tuple<const char *, const char *, int, std::size_t, bool>{
              "fewer lines than the header says", "x;1.0;5;", 3, 3, true},
          {"a huge length", "x;1.0;1E300;", 2, 2, true},
          {"a negative length", "x;1.0;-4;", 2, 0, false},
          {"a single sample", "x;1.0;1;", 2, 1, false},
          {"no header fields", "", 2, 0, false}}) {
        SCOPED_TRACE(name);
        tables.HistoryIndexTable[1] = {"old", "", "", "", "", "", ""};
        WriteFile("h.txd", header, lines);
        ASSERT_EQ(Lower(), "");
        EXPECT_EQ(window.lowerCharts[1].PV.size(), samples);
        EXPECT_EQ(tables.HistoryIndexTable[1][0].empty(), !indices);
    }
}

TEST_F(PerformanceHistoryTest, EngineeringUnitsComeFromTheCurrentPlant)
{
    AddController(plant, 1, 20, 50.0);
    window.Normaliza = false;
    WriteFile("h.txd", "x;1.0;2;", 2);
    ASSERT_EQ(Upper(), "");
    EXPECT_EQ(window.upperCharts[1].PV, (std::vector<double>{20.0, 40.0}));
    EXPECT_EQ(window.upperCharts[1].SP, (std::vector<double>{100.0, 100.0}));
    EXPECT_EQ(tables.LoopUnit[1], "kg/h");
    EXPECT_TRUE(tables.simulationIndices);
}

TEST_F(PerformanceHistoryTest, FileThatCannotBeReadChangesNothing)
{
    window.lowerCharts[1].PV = {7.0};
    tables.HistoryIndexTable[1][0] = "kept";
    const std::string message = Lower("missing.txd", Language::English);
    EXPECT_EQ(message.rfind("Could not open the file ", 0), 0u) << message;
    EXPECT_EQ(window.lowerCharts[1].PV.size(), 1u);
    EXPECT_EQ(tables.HistoryIndexTable[1][0], "kept");
    EXPECT_FALSE(tables.historyIndices);
}

TEST_F(PerformanceHistoryTest, AbsentControllersKeepTheirCharts)
{
    window.lowerCharts[4].PV = {4.0};
    tables.HistoryIndexTable[4][0] = "kept";
    WriteFile("h.txd", "x;1.0;2;", 2);
    ASSERT_EQ(Lower(), "");
    EXPECT_EQ(window.lowerCharts[4].PV.size(), 1u);
    EXPECT_EQ(tables.HistoryIndexTable[4][0], "kept");
    EXPECT_EQ(window.lowerCharts[1].PV.size(), 2u);
}

} // namespace
} // namespace zelvar
