#include "engine/model/gridlabels.h"

#include "engine/model/numbertext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace zelvar {
namespace {

struct GridCase
{
    const char *name;
    double bottom;
    double top;
    // The 10 % line's label and the 90 % line's.
    const char *first;
    const char *last;
};

class GridLineLabelsTest : public ::testing::TestWithParam<GridCase>
{
};

// Regression: the labels had no decimals, so a 0-4 m level read "0 1 1 2 2 2 3 3 4".
TEST_P(GridLineLabelsTest, NineDifferentLabelsEachReadingItsLine)
{
    const GridCase &c = GetParam();
    const std::array<std::string, 9> labels = GridLineLabels(c.bottom, c.top);
    EXPECT_EQ(labels.front(), c.first);
    EXPECT_EQ(labels.back(), c.last);
    const double tolerance = 0.005 * std::fabs(c.top - c.bottom);
    std::set<std::string> distinct;
    for (int j = 1; j <= 9; ++j) {
        const std::string &label = labels[static_cast<std::size_t>(j - 1)];
        const double line = c.bottom + (c.top - c.bottom) / 10.0 * j;
        EXPECT_NEAR(ParseNumber(label).value, line, tolerance) << j << ": " << label;
        EXPECT_EQ(label.find("-0.0"), std::string::npos) << j << ": " << label;
        distinct.insert(label);
    }
    EXPECT_EQ(distinct.size(), 9u);
}

INSTANTIATE_TEST_SUITE_P(
    Scales,
    GridLineLabelsTest,
    ::testing::Values(GridCase{"PercentKeepsWholeTens", 0.0, 100.0, "10", "90"},
                      GridCase{"LevelOfFourMetresTakesOneDecimal", 0.0, 4.0, "0.4", "3.6"},
                      GridCase{"PhOfFourteenTakesOneDecimal", 0.0, 14.0, "1.4", "12.6"},
                      GridCase{"AroundZeroReadsZeroWithoutSign", -50.0, 50.0, "-40", "40"},
                      GridCase{"SmallAroundZero", -0.3, 0.7, "-0.2", "0.6"},
                      GridCase{"HundredthTakesThreeDecimals", 0.0, 0.01, "0.001", "0.009"},
                      GridCase{"NinetySixWholeUnitsAreCloseEnough", 36.0, 132.0, "46", "122"},
                      GridCase{"ThirdsTakeTwoDecimals", 0.0, 1.5, "0.15", "1.35"},
                      GridCase{"NarrowRangeFarFromZero", 1000.0, 1001.0, "1000.1", "1000.9"},
                      GridCase{"LargeRangeWithoutDecimals", 0.0, 1e6, "100000", "900000"},
                      GridCase{"LargeNegativeRange", -2.5e7, -5e6, "-23000000", "-7000000"},
                      GridCase{"DownwardScale", 10.0, 6.0, "9.6", "6.4"}),
    [](const ::testing::TestParamInfo<GridCase> &info) { return std::string(info.param.name); });

TEST(GridLineLabels, AScaleWithoutSpanIsWrittenWithoutDecimals)
{
    for (const double bound : {5.0, 0.0, -3.0}) {
        for (const std::string &label : GridLineLabels(bound, bound))
            EXPECT_EQ(label, FormatFixed(bound, 2, 0)) << bound;
    }
    EXPECT_EQ(GridLineLabels(0.0, std::nan("")).front(), GridLineLabels(0.0, 0.0).front());
}

TEST(GridLineLabels, ASpanNextToNothingStopsAtFortyDecimals)
{
    // A reading within 0.5 % of such a span would take endless decimals.
    EXPECT_EQ(GridLineLabels(0.0, 1e-310).back(), "0." + std::string(40, '0'));
}

} // namespace
} // namespace zelvar
