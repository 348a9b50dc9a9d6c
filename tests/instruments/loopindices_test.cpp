#include "instruments/model/loopindices.h"

#include <gtest/gtest.h>

#include <vector>

namespace zelvar {
namespace {

LoopIndexRow
Indices(const std::vector<double> &pv, const std::vector<double> &sp, const std::vector<double> &co)
{
    return CalcLoopIndices(pv, sp, co);
}

TEST(LoopIndices, TwoSamplesAcrossTheSetpoint)
{
    const LoopIndexRow row = Indices({49, 51}, {50, 50}, {0, 100});
    const LoopIndexRow expected = {
        " 4.24",
        " 0.00",
        " 1.00",
        " 1.00 %",
        "212.13 %",
        "100.00 %",
        " 49.0/ 51.0",
    };
    EXPECT_EQ(row, expected);
}

TEST(LoopIndices, FourSamplesComputedByHand)
{
    // mean PV 25, squares 500: 3 sqrt(500 / 3) = 38.7298; errors 10, 0, -10, -20;
    // CO moves 50 + 25 + 75; mean CO 43.75, squares 5468.75: 3 sqrt(5468.75 / 3) = 128.087;
    // CO 0 and 100 saturated.
    const LoopIndexRow row = Indices({10, 20, 30, 40}, {20, 20, 20, 20}, {0, 50, 25, 100});
    const LoopIndexRow expected = {
        "38.73",
        "-5.00",
        "10.00",
        " 1.50 %",
        "128.09 %",
        "50.00 %",
        " 10.0/ 40.0",
    };
    EXPECT_EQ(row, expected);
}

TEST(LoopIndices, SaturationCountsTheTwoPercentBands)
{
    struct Row
    {
        const char *name;
        std::vector<double> co;
        const char *saturation;
    };
    const std::vector<Row> rows = {
        {"exactly 98 and 2", {98.0, 2.0, 50.0, 50.0}, "50.00 %"},
        {"just inside", {97.99, 2.01, 50.0, 50.0}, " 0.00 %"},
        {"beyond the ends", {100.0, 0.0, -5.0, 105.0}, "100.00 %"},
        {"one in three", {100.0, 50.0, 50.0}, "33.33 %"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const std::vector<double> flat(row.co.size(), 50.0);
        EXPECT_EQ(CalcLoopIndices(flat, flat, row.co)[5], row.saturation);
    }
}

TEST(LoopIndices, TextsRoundHalvesAwayFromZero)
{
    // IEM 0.125 and -0.125: exactly halfway between two hundredths.
    EXPECT_EQ(Indices({0, 0}, {0.25, 0}, {50, 50})[1], " 0.13");
    EXPECT_EQ(Indices({0.25, 0}, {0, 0}, {50, 50})[1], "-0.13");
}

TEST(LoopIndices, NoIndexFromFewerThanTwoSamples)
{
    const LoopIndexRow none{};
    EXPECT_EQ(Indices({}, {}, {}), none);
    EXPECT_EQ(Indices({50}, {50}, {50}), none);
    EXPECT_EQ(Indices({50, 51}, {50}, {50, 50}), none);
}

TEST(LoopIndices, ShownTextsCarryTheUnitOnTheFirstThree)
{
    EXPECT_EQ(IndexSuffix(true, "kg/h"), " %");
    EXPECT_EQ(IndexSuffix(false, "kg/h"), " kg/h");

    const LoopIndexRow row = Indices({49, 51}, {50, 50}, {0, 100});
    const LoopIndexRow shown = ShownIndexTexts(row, " kg/h");
    EXPECT_EQ(shown[0], " 4.24 kg/h");
    EXPECT_EQ(shown[2], " 1.00 kg/h");
    EXPECT_EQ(shown[3], " 1.00 %");
    EXPECT_EQ(shown[6], " 49.0/ 51.0");
    EXPECT_EQ(ShownIndexTexts(LoopIndexRow{}, " %")[0], " %");
}

} // namespace
} // namespace zelvar
