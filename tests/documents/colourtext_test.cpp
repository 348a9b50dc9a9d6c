#include "documents/model/colourtext.h"

#include <gtest/gtest.h>

namespace zelvar {
namespace {

TEST(ColourText, NamesTheColoursThatHaveANameAndHexForTheRest)
{
    EXPECT_EQ(ColourToText(kColourRed), "clRed");
    EXPECT_EQ(ColourToText(kColourLime), "clLime");
    EXPECT_EQ(ColourToText(0x1FFFFFFF), "clNone");
    EXPECT_EQ(ColourToText(static_cast<PlantColour>(0xFF00000F)), "clBtnFace");
    EXPECT_EQ(ColourToText(0x00123456), "$00123456");
    EXPECT_EQ(ColourToText(static_cast<PlantColour>(0x80000005)), "$80000005");
}

TEST(ColourText, ReadsNamesAndAnyWholeNumber)
{
    EXPECT_EQ(ColourFromText("clBlue"), 0xFF0000);
    EXPECT_EQ(ColourFromText("clMenuBar"), static_cast<PlantColour>(0xFF00001E));
    EXPECT_EQ(ColourFromText("$00123456"), 0x123456);
    EXPECT_EQ(ColourFromText("$FFFFFFFF"), -1);
    EXPECT_EQ(ColourFromText("255"), 255);
    EXPECT_EQ(ColourFromText("-16777201"), -16777201);
    EXPECT_EQ(ColourFromText("vermelho"), 0);
}

TEST(ColourText, EveryColourSurvivesTheRoundTrip)
{
    for (const PlantColour colour : {0,
                                     0xFFFFFF,
                                     0x00FF00,
                                     0x7FFFFFFF,
                                     static_cast<PlantColour>(0x80000000),
                                     static_cast<PlantColour>(0xFFFFFFFF),
                                     0x20000000,
                                     0x0000AB})
        EXPECT_EQ(ColourFromText(ColourToText(colour)), colour) << ColourToText(colour);
}

} // namespace
} // namespace zelvar
