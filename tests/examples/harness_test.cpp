// The headless trainee of the acceptance checks: a fast run starts from the plant exactly as the
// check left it, as the program's run starts from the plant on the screen.
#include "documents/model/plantfile.h"
#include "documents/model/plantoperations.h"
#include "examples/example.h"
#include "examples/generator.h"
#include "examples/harness.h"
#include "instruments/model/loopindices.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <memory>
#include <string>

namespace zelvar::examples {

namespace {

std::unique_ptr<Plant> OpenCommitted(const char *picture)
{
    const ExamplePlant *example = FindExample(picture);
    if (example == nullptr)
        return nullptr;
    PlantReadResult read = ReadPlantFile(std::string(ZELVAR_SOURCE_DIR "/resources/")
                                             + FilesOf(*example).plantFile.toStdString(),
                                         Language::Portuguese);
    return read.Succeeded() ? std::move(read.plant) : nullptr;
}

// Regression: the run used to let ten minutes of plant time pass first, so a figure taken right
// after an operator's action came from a plant that had already answered it.
TEST(FastRunTest, StartsFromThePlantAsItStands)
{
    constexpr double kOutputTolerance = 0.5; // % of output, a tenth of a second of answer
    std::unique_ptr<Plant> plant = OpenCommitted("sim5");
    ASSERT_NE(plant, nullptr);
    // The extra inflow makes the level controller open its pump over the following minutes.
    ClickPushButton(*plant, 1);
    const double outputBefore = plant->memories.Value(1);

    const LoopCharts charts = FastRun(*plant, 1, 10);

    ASSERT_FALSE(charts[1].CO.empty());
    EXPECT_NEAR(charts[1].CO.front(), outputBefore, kOutputTolerance);
    EXPECT_GT(charts[1].CO.back(), outputBefore + 5.0) << "the run saw no answer to the press";
}

TEST(CopyOfTest, RunsExactlyAsThePlantItCopies)
{
    std::unique_ptr<Plant> plant = OpenCommitted("sim12");
    ASSERT_NE(plant, nullptr);
    const std::unique_ptr<Plant> copy = CopyOf(*plant);

    const LoopCharts original = FastRun(*plant, 2, 10, 7);
    const LoopCharts copied = FastRun(*copy, 2, 10, 7);

    EXPECT_EQ(copied[1].PV, original[1].PV);
    EXPECT_EQ(copied[1].CO, original[1].CO);
}

TEST(RangeOverMomentsTest, TakesEveryMomentFromItsOwnCopyOfThePlantAsItOpens)
{
    std::unique_ptr<Plant> plant = OpenCommitted("sim17");
    ASSERT_NE(plant, nullptr);
    ASSERT_NE(plant->memories.Value(11), 0.0) << "the mode switch opens on";

    // Each call turns the mode switch off on its copy; a shared plant would show it off next.
    const std::array<double, 2> switchSeen
        = RangeOverMoments(*plant, 0.0, 2.0, 0.5, [](Plant &run, double) {
              const double seen = run.memories.Value(11);
              ClickSwitch(run, 1);
              return seen;
          });
    const std::array<double, 2> moments = RangeOverMoments(
        *plant, 300.0, 720.0, 10.0, [](Plant &, double moment) { return moment; });

    EXPECT_EQ(switchSeen[0], plant->memories.Value(11));
    EXPECT_EQ(moments[0], 300.0);
    EXPECT_EQ(moments[1], 720.0);
}

// Index `index` of the furnace's fast-run texts with the filter slider at `position`.
std::function<double(Plant &, std::uint32_t)> FurnaceFastRun(int position, int amplitude, int index)
{
    return [=](Plant &plant, std::uint32_t seed) {
        MoveSlider(plant, 1, position);
        const LoopCharts charts = FastRun(plant, 2, amplitude, seed);
        return std::stod(CalcLoopIndices(
            charts[1].PV, charts[1].SP, charts[1].CO)[static_cast<std::size_t>(index)]);
    };
}

// The surge tank's lowest level over the first 4 h.
double SurgeTankLowestLevel(Plant &plant, std::uint32_t seed)
{
    Scenario scenario(plant, seed);
    double lowest = 100.0;
    scenario.Run(4 * 3600, [&] { lowest = std::min(lowest, plant.memories.Value(22)); });
    return lowest;
}

struct NoisyFigureRow
{
    const char *name;
    const char *picture;
    const char *check;
    std::function<double(Plant &, std::uint32_t)> measure; // one run with the seed's noise
    double tolerance; // about three standard errors of the difference of two means
};

class NoisyFigureTest : public ::testing::TestWithParam<NoisyFigureRow>
{
};

// Regression: a figure resting on the noise came from one fixed seed, while the program draws
// other numbers at every opening and every run, so the lesson stated one run's figure as the
// rule.
TEST_P(NoisyFigureTest, IsWhatManyRunsGiveOnAverage)
{
    constexpr int kOtherRuns = 40;
    const NoisyFigureRow &row = GetParam();
    const ExamplePlant *example = FindExample(row.picture);
    ASSERT_NE(example, nullptr);
    const AcceptanceCheck *check = nullptr;
    for (const AcceptanceCheck &candidate : example->checks)
        check = candidate.name == row.check ? &candidate : check;
    ASSERT_NE(check, nullptr);

    double sum = 0.0;
    for (int run = 0; run < kOtherRuns; ++run) {
        std::unique_ptr<Plant> plant = OpenCommitted(row.picture);
        ASSERT_NE(plant, nullptr);
        sum += row.measure(*plant, static_cast<std::uint32_t>(1000 + run));
    }
    std::unique_ptr<Plant> plant = OpenCommitted(row.picture);
    ASSERT_NE(plant, nullptr);

    EXPECT_NEAR(check->measure(*plant), sum / kOtherRuns, row.tolerance);
}

INSTANTIATE_TEST_SUITE_P(Examples,
                         NoisyFigureTest,
                         ::testing::Values(NoisyFigureRow{"FurnaceOutputDeviation",
                                                          "sim12",
                                                          "FastRunOutputDeviationFilter3s",
                                                          FurnaceFastRun(1500, 0, 4),
                                                          0.1},
                                           NoisyFigureRow{"FurnaceSaturation",
                                                          "sim12",
                                                          "FastRunSpStepSaturationFilter0s",
                                                          FurnaceFastRun(0, 10, 5),
                                                          0.5},
                                           NoisyFigureRow{"SurgeTankLowestLevel",
                                                          "sim6",
                                                          "SurgesMinimumLevel",
                                                          SurgeTankLowestLevel,
                                                          2.3}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace

} // namespace zelvar::examples
