#include "instruments/model/xyrecorder.h"

#include "engine/model/engineplant.h"
#include "engine/model/planttextfile.h"
#include "tests/engine/testplant.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

namespace zelvar {
namespace {

class XYRecorderTest : public testing::Test
{
protected:
    // Block 1 counts the steps in M41.
    void AddStepCounter() { AddBlock(plant, 1, "M41+1"); }

    EnginePlant plant;
    StepContext context;
    XYRecorder recorder;
};

TEST_F(XYRecorderTest, TenMinuteSweepStepsSixThousandTimesAtATenthOfASecond)
{
    AddStepCounter();
    context.TimeStep = 0.5;
    bool flagWhileRunning = false;
    std::vector<int> progress;
    const std::vector<XYPoint> points = RunXYSweep(plant, context, 600, 41, 1, [&](int percent) {
        flagWhileRunning = context.FastRunFlag;
        progress.push_back(percent);
    });

    ASSERT_EQ(points.size(), 6000u);
    EXPECT_EQ(points.front().x, 1.0);
    EXPECT_EQ(points.back().x, 6000.0);
    EXPECT_TRUE(flagWhileRunning);
    EXPECT_FALSE(context.FastRunFlag);
    EXPECT_EQ(context.TimeStep, 0.1);
    EXPECT_EQ(progress.front(), 0);
    EXPECT_EQ(progress.back(), 100);
    EXPECT_EQ(progress.size(), 101u);
}

TEST_F(XYRecorderTest, SweepPlotsActuatorPositionsAndNeverReadsMemory100)
{
    plant.ActuatorPosition[3] = 42.0;
    const std::vector<XYPoint> points = RunXYSweep(plant, context, 1, 103, 100);
    ASSERT_EQ(points.size(), 10u);
    EXPECT_EQ(points[0].x, 42.0);
    EXPECT_EQ(points[0].y, 0.0);
}

// The sweep advances the live plant; a remote setpoint it moved showed stale while paused.
TEST_F(XYRecorderTest, SweepLeavesTheFaceplatesShowingThePlant)
{
    AddController(plant, 1, 20);
    Controller &controller = plant.controllers[1];
    controller.SetCheckSPR(true);
    controller.remoteSetpointMemory = 30;
    controller.local = false;
    plant.memories.SetValue(30, 70.0);

    RunXYSweep(plant, context, 1, 1, 2);

    EXPECT_EQ(controller.faceplate.SPText, "70");
    EXPECT_EQ(controller.faceplate.SPRBar, 140);
}

TEST_F(XYRecorderTest, SweepsAddToTheCloudInOrderOfX)
{
    AddStepCounter();
    recorder.ComboX = 40; // M41, the step count
    recorder.ComboY = 40;
    recorder.JanelaComboBox = 0;
    recorder.AddPoints({{5000.5, 1.0}, {0.5, 2.0}});
    RecordXYSweep(recorder, plant, context);
    RecordXYSweep(recorder, plant, context);

    const std::vector<XYPoint> &cloud = recorder.Series1();
    ASSERT_EQ(cloud.size(), 12002u);
    EXPECT_TRUE(std::is_sorted(
        cloud.begin(), cloud.end(), [](const XYPoint &a, const XYPoint &b) { return a.x < b.x; }));
    EXPECT_EQ(cloud.front().y, 2.0);
    EXPECT_EQ(cloud.back().x, 12000.0);

    recorder.Clear();
    EXPECT_TRUE(recorder.Series1().empty());
}

TEST_F(XYRecorderTest, EqualXKeepTheirOrderOfArrival)
{
    recorder.AddPoints({{1.0, 1.0}, {2.0, 2.0}});
    recorder.AddPoints({{2.0, 3.0}, {1.0, 4.0}});
    const std::vector<XYPoint> &cloud = recorder.Series1();
    ASSERT_EQ(cloud.size(), 4u);
    EXPECT_EQ(cloud[0].y, 1.0);
    EXPECT_EQ(cloud[1].y, 4.0);
    EXPECT_EQ(cloud[2].y, 2.0);
    EXPECT_EQ(cloud[3].y, 3.0);
}

TEST_F(XYRecorderTest, PresetsPairTheLoop)
{
    AddController(plant, 3, 22);
    for (const auto &[name, preset, expectedX, expectedY] :
         {std::tuple{"COxPV of loop 3", 5, 2, 22},
          {"COxMV of loop 3: actuator of process 3", 6, 2, 102},
          {"COxPV of absent loop 2", 3, 7, 8},
          {"individual choice", 0, 7, 8}}) {
        SCOPED_TRACE(name);
        recorder.ComboX = 7;
        recorder.ComboY = 8;
        SelectXYPreset(recorder, preset, plant);
        EXPECT_EQ(recorder.Presets, preset);
        EXPECT_EQ(recorder.ComboX, expectedX);
        EXPECT_EQ(recorder.ComboY, expectedY);
    }
}

TEST_F(XYRecorderTest, PresetItemsAndOpeningAList)
{
    EXPECT_EQ(XYPresetItem(0), "Seleção Individual");
    EXPECT_EQ(XYPresetItem(1), "COxPV [Malha 1]");
    EXPECT_EQ(XYPresetItem(2), "COxMV [Malha 1]");
    EXPECT_EQ(XYPresetItem(20), "COxMV [Malha 10]");

    AddController(plant, 1, 22);
    SelectXYPreset(recorder, 1, plant);
    recorder.OpenXList();
    EXPECT_EQ(recorder.ComboX, 0);
    EXPECT_EQ(recorder.ComboY, 22);
    EXPECT_EQ(recorder.Presets, 0);
}

TEST_F(XYRecorderTest, RecordIsNineteenLinesOfNothing)
{
    PlantTextWriter writer;
    SalvaParametros(recorder, writer);
    const std::vector<std::string> &lines = writer.Lines();
    ASSERT_EQ(lines.size(), 19u);
    EXPECT_EQ(lines[0], "=====<<<REGISTRADOR XY>>>=====");
    EXPECT_EQ(lines[1], "{X/01} ");
    EXPECT_EQ(lines[18], "{X/18} ");
}

} // namespace
} // namespace zelvar
