#include "engine/model/memorytable.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace zelvar {
namespace {

TEST(MemoryTable, StartsWithTheDefaultsAndFixedDescriptions)
{
    const MemoryTable table;
    EXPECT_EQ(table.Value(50), 0.0);
    EXPECT_EQ(table.MemoryUnit[50], "%");
    EXPECT_EQ(table.MemoryUEMin[50], "0.0");
    EXPECT_EQ(table.MemoryUEMax[50], "100.00");
    EXPECT_EQ(table.MemoryLIE[50], "0.00");
    EXPECT_EQ(table.MemoryLSE[50], "100.00");
    EXPECT_EQ(table.Description(50), "");
    EXPECT_EQ(table.Description(11), "Chave_1");
    EXPECT_EQ(table.Description(13), "Saída Linearizador");
    EXPECT_EQ(table.Description(15), "Track 1");
    EXPECT_EQ(table.Description(20), "Track 6");
    EXPECT_EQ(table.Description(100), "");
    EXPECT_EQ(table.Description(101), "Posição Atuador 1");
    EXPECT_EQ(table.Description(124), "Posição Atuador 24");
}

TEST(MemoryTable, ResetDefaultsDifferOnlyInTheRangeLowText)
{
    MemoryTable table;
    table.SetValue(7, 42);
    table.MemoryUnit[7] = "kg/h";
    table.SetDescription(30, "Nível");
    table.SetResetDefaults();
    EXPECT_EQ(table.Value(7), 0.0);
    EXPECT_EQ(table.MemoryUnit[7], "%");
    EXPECT_EQ(table.MemoryUEMin[7], "0.00");
    EXPECT_EQ(table.Description(30), "");
    EXPECT_EQ(table.Description(13), "Saída Linearizador");
}

TEST(MemoryTable, IndicesOutsideTheTableReadZeroAndWriteNothing)
{
    MemoryTable table;
    table.SetValue(0, 5);
    table.SetValue(100, 5);
    table.SetValue(-3, 5);
    EXPECT_EQ(table.Value(0), 0.0);
    EXPECT_EQ(table.Value(100), 0.0);
    EXPECT_EQ(table.Value(125), 0.0);
    EXPECT_EQ(table.Description(0), "");
    EXPECT_EQ(table.Description(125), "");
    table.SetDescription(125, "x");
    EXPECT_EQ(table.Description(125), "");
}

TEST(MemoryTable, NonFiniteValuesNeverEnter)
{
    MemoryTable table;
    table.SetValue(3, 12.5);
    table.SetValue(3, std::numeric_limits<double>::quiet_NaN());
    table.SetValue(3, std::numeric_limits<double>::infinity());
    EXPECT_EQ(table.Value(3), 12.5);
}

TEST(MemoryTable, EngineeringValueFollowsTheRangeTexts)
{
    MemoryTable table;
    table.MemoryUEMin[21] = "-50";
    table.MemoryUEMax[21] = "150.0";
    table.SetValue(21, 25);
    EXPECT_DOUBLE_EQ(table.EngineeringValue(21), 0.0);
    table.SetValue(21, 100);
    EXPECT_DOUBLE_EQ(table.EngineeringValue(21), 150.0);
}

TEST(MemoryTable, OnlyRangesWithFiniteSpanAndValuesCanBeShown)
{
    const double largest = std::numeric_limits<double>::max();
    const struct
    {
        const char *name;
        double low;
        double high;
        bool showable;
    } rows[] = {
        {"percent", 0.0, 100.0, true},
        {"reversed", 14.0, 0.0, true},
        {"wide but finite", -1e300, 1e300, true},
        {"span overflows", -1e308, 1e308, false},
        {"top value overflows", 0.0, 1e307 * 9, false},
        {"largest ends", -largest, largest, false},
        {"not a number", std::numeric_limits<double>::quiet_NaN(), 100.0, false},
        {"infinite end", 0.0, std::numeric_limits<double>::infinity(), false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(IsShowableRange(row.low, row.high), row.showable);
    }
}

TEST(MemoryTable, TextsHoldAtMost255Characters)
{
    MemoryTable table;
    std::string longText;
    for (int i = 0; i < 300; ++i)
        longText += "ç";
    table.SetDescription(40, longText);
    EXPECT_EQ(table.Description(40).size(), 255u * 2);
    EXPECT_EQ(LimitMemoryText("abc"), "abc");
}

} // namespace
} // namespace zelvar
