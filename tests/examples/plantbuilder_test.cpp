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

} // namespace

} // namespace zelvar::examples
