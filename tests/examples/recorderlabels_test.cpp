// Recorder pens whose labels would misstate their memories: the rule on small plants, and every
// example plant as the program opens it.
#include "documents/model/plantfile.h"
#include "examples/example.h"
#include "examples/generator.h"
#include "examples/plantbuilder.h"
#include "examples/recorderlabels.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace zelvar::examples {

namespace {

const QString kResources = QStringLiteral(ZELVAR_SOURCE_DIR "/resources");

// A flow loop on M21 (0-120 m3/h) and a recorder with the given pens.
void Build(PlantBuilder &b, int pen1, int pen2, int pen3)
{
    b.Memory(21, {.unit = "m3/h", .low = "0", .high = "120"});
    b.Memory(22, {.unit = "m3/h", .low = "0", .high = "1000"});
    b.Memory(23, {.unit = "%", .low = "-50", .high = "100"});
    b.Memory(24, {.unit = "kg/h", .low = "0", .high = "120"});
    b.Memory(25, {.unit = "°C", .low = "0", .high = "400"});
    b.Process(1, {.tag = "FT-101", .input = 1});
    b.Controller(1, {.tag = "FIC-101", .pv = 21});
    b.Recorder(1, {.tag = "TR-101", .pen1 = pen1, .pen2 = pen2, .pen3 = pen3});
}

std::vector<std::string> Misstated(int pen1, int pen2, int pen3)
{
    Plant plant(Language::Portuguese);
    PlantBuilder b(plant);
    Build(b, pen1, pen2, pen3);
    return MisstatedRecorderPens(plant);
}

TEST(RecorderLabelsTest, TheLoopPairingIsTrue)
{
    // The setpoint memory is in percent of the PV's scale, the output on 0-100 %.
    EXPECT_TRUE(Misstated(21, 61, 1).empty());
    // Pens 2 and 3 off.
    EXPECT_TRUE(Misstated(21, 0, 0).empty());
    // A non-percent memory on pen 3 prints its percent of range as such.
    EXPECT_TRUE(Misstated(21, 61, 25).empty());
    // An actuator position is 0-100 %.
    EXPECT_TRUE(Misstated(21, 0, 101).empty());
}

TEST(RecorderLabelsTest, PenTwoOnAnotherRangeOrUnitIsFalse)
{
    EXPECT_EQ(Misstated(21, 22, 1).size(), 1u); // same unit, other range
    EXPECT_EQ(Misstated(21, 24, 1).size(), 1u); // same range, other unit
    EXPECT_EQ(Misstated(22, 61, 1).size(), 1u); // loop 1's SP on another memory's scale
}

TEST(RecorderLabelsTest, APercentQuantityOffZeroToHundredOnPenThreeIsFalse)
{
    const std::vector<std::string> found = Misstated(21, 61, 23);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_NE(found.front().find("pen 3"), std::string::npos) << found.front();
}

TEST(RecorderLabelsTest, ASetpointOnPenOneIsFalse)
{
    EXPECT_EQ(Misstated(61, 0, 0).size(), 1u);
}

// An example with such a recorder is never written.
TEST(RecorderLabelsTest, TheBuilderRefusesAMisstatingRecorder)
{
    Plant plant(Language::Portuguese);
    PlantBuilder b(plant);
    Build(b, 21, 22, 1);
    EXPECT_THROW(b.Finish(), std::runtime_error);
    Plant truthful(Language::Portuguese);
    PlantBuilder c(truthful);
    Build(c, 21, 61, 1);
    EXPECT_NO_THROW(c.Finish());
}

class ExampleRecorderLabelsTest : public ::testing::TestWithParam<std::string>
{
};

TEST_P(ExampleRecorderLabelsTest, EveryPenStatesItsMemoryTruly)
{
    const ExamplePlant *example = FindExample(GetParam());
    ASSERT_NE(example, nullptr);
    PlantReadResult read
        = ReadPlantFile((kResources + QLatin1Char('/') + FilesOf(*example).plantFile).toStdString(),
                        Language::Portuguese);
    ASSERT_TRUE(read.Succeeded()) << read.error;
    for (const std::string &pen : MisstatedRecorderPens(*read.plant))
        ADD_FAILURE() << pen;
}

std::vector<std::string> Pictures()
{
    std::vector<std::string> pictures;
    for (const ExamplePlant &example : RegisteredExamples())
        pictures.push_back(example.picture);
    return pictures;
}

INSTANTIATE_TEST_SUITE_P(Examples,
                         ExampleRecorderLabelsTest,
                         ::testing::ValuesIn(Pictures()),
                         [](const ::testing::TestParamInfo<std::string> &info) {
                             return info.param;
                         });

} // namespace

} // namespace zelvar::examples
