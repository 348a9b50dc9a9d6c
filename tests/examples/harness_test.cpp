// The headless trainee of the acceptance checks: a fast run starts from the plant exactly as the
// check left it, as the program's run starts from the plant on the screen.
#include "documents/model/plantfile.h"
#include "documents/model/plantoperations.h"
#include "examples/example.h"
#include "examples/generator.h"
#include "examples/harness.h"

#include <gtest/gtest.h>

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

} // namespace

} // namespace zelvar::examples
