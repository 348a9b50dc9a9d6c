#include "examples/plantbuilder.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

namespace zelvar::examples {

namespace {

struct RefusalRow
{
    std::string name;
    std::function<void(PlantBuilder &)> build;
};

class PlantBuilderRefusalTest : public ::testing::TestWithParam<RefusalRow>
{
};

// A plant that would open with a message or lose a character never reaches a file.
TEST_P(PlantBuilderRefusalTest, RefusesLoudly)
{
    Plant plant;
    PlantBuilder builder(plant);
    EXPECT_THROW(
        {
            GetParam().build(builder);
            builder.Finish();
        },
        std::runtime_error);
}

INSTANTIATE_TEST_SUITE_P(
    Examples,
    PlantBuilderRefusalTest,
    ::testing::Values(
        RefusalRow{"TextOutsideWindows1252",
                   [](PlantBuilder &b) {
                       b.Title("Vazão Δ|Flow Δ");
                   }},
        RefusalRow{"TwoLanguageBars",
                   [](PlantBuilder &b) {
                       b.Title("a|b|c");
                   }},
        RefusalRow{"PushButtonTextTooLong",
                   [](PlantBuilder &b) {
                       b.PushButton(1,
                                    {.name = "Perturbação|Disturbance",
                                     .textOff = "Pressão normal|Normal pressure",
                                     .textOn = "Queda de pressão grande|Drop"});
                   }},
        RefusalRow{"ProcessGainWithAForeignLetter",
                   [](PlantBuilder &b) {
                       b.Process(1, {.tag = "FT-1", .description = "x", .input = 1, .gain = "2*x"});
                   }},
        RefusalRow{"GainNamingAMemoryWithOneDigit",
                   [](PlantBuilder &b) {
                       b.Process(1,
                                 {.tag = "FT-1", .description = "x", .input = 1, .gain = "M5*2"});
                   }},
        RefusalRow{"RandomRowWithoutBounds",
                   [](PlantBuilder &b) {
                       b.GeneratorRow(82, {.kind = kFastRandom, .description = "ruído|noise"});
                   }},
        RefusalRow{"ControllerWithoutTag",
                   [](PlantBuilder &b) {
                       b.Controller(1, {.tag = "", .pv = 21});
                   }},
        RefusalRow{"BlockExpressionRefused",
                   [](PlantBuilder &b) {
                       b.Block(1, {.tag = "FY-1", .description = "y", .expression = "M21>M22>M23"});
                   }},
        RefusalRow{"UnitOnAControllerOutput",
                   [](PlantBuilder &b) {
                       b.Memory(5, {.unit = "bar"});
                   }}),
    [](const ::testing::TestParamInfo<RefusalRow> &info) { return info.param.name; });

TEST(PlantBuilder, CommitsWellFormedGeneratorRows)
{
    Plant plant;
    PlantBuilder b(plant);
    b.GeneratorRow(81, {.kind = kEquation, .description = "Carga|Load", .value = "M21*2"});
    b.GeneratorRow(82, {.kind = kMediumRandom, .description = "20", .min = "-2", .max = "2"});
    b.GeneratorRow(86, {.kind = kSine, .description = "60", .min = "40", .max = "60"});
    b.GeneratorRow(91, {.kind = kConstant, .description = "Vazão|Flow", .value = "37.5"});
    ASSERT_NO_THROW(b.Finish());
    EXPECT_EQ(plant.memories.Value(91), 37.5);
    EXPECT_EQ(plant.signalGenerator.working[1].GeneratorMax, 2.0);
    EXPECT_EQ(plant.signalGenerator.working[5].GeneratorParam, 60.0);
}

} // namespace

} // namespace zelvar::examples
