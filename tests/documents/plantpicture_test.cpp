#include "documents/model/plantpicture.h"

#include <gtest/gtest.h>

#include <string>

namespace zelvar {
namespace {

AnimatedShape Shape(int kind, double scale)
{
    AnimatedShape shape;
    shape.kind = kind;
    shape.left = 984;
    shape.baseTop = 300;
    shape.size = 40;
    shape.width = 30;
    shape.scale = scale;
    shape.colour1 = kColourRed;
    shape.colour2 = kColourLime;
    return shape;
}

struct ShapeCase
{
    const char *name;
    int kind;
    double scale;
    double memory;
    int top;
    int height;
    PlantColour colour;
};

class ShapeAppearanceOf : public ::testing::TestWithParam<ShapeCase>
{
};

TEST_P(ShapeAppearanceOf, FollowsTheMemory)
{
    const ShapeCase &c = GetParam();

    const auto appearance = AppearanceOf(Shape(c.kind, c.scale), c.memory);

    ASSERT_TRUE(appearance.has_value());
    EXPECT_EQ(appearance->ellipse, c.kind == 0);
    EXPECT_EQ(appearance->left, 984);
    EXPECT_EQ(appearance->width, 30);
    EXPECT_EQ(appearance->top, c.top);
    EXPECT_EQ(appearance->height, c.height);
    EXPECT_EQ(appearance->colour, c.colour);
}

INSTANTIATE_TEST_SUITE_P(
    PlantPicture,
    ShapeAppearanceOf,
    ::testing::Values(
        // A circle keeps its size and place; its colour says whether the memory is 0.
        ShapeCase{"CircleAtZeroHasTheFirstColour", 0, 1.0, 0.0, 300, 40, kColourRed},
        ShapeCase{"CircleAtHundredHasTheSecondColour", 0, 1.0, 100.0, 300, 40, kColourLime},
        ShapeCase{"CircleJustAboveZeroHasTheSecondColour", 0, 1.0, 1e-9, 300, 40, kColourLime},
        // A bar's bottom edge stays at baseTop + 100 x scale.
        ShapeCase{"RectangleAtZeroIsEmptyAtItsBottom", 1, 1.0, 0.0, 400, 0, kColourRed},
        ShapeCase{"RectangleAtHundredStartsAtTheBaseTop", 1, 1.0, 100.0, 300, 100, kColourRed},
        ShapeCase{"RectangleAtFortyTopsSixtyBelow", 1, 1.0, 40.0, 360, 40, kColourRed},
        ShapeCase{"RectangleScaleStretchesTheBar", 1, 1.04, 50.0, 352, 52, kColourRed},
        ShapeCase{"HalfPixelsGoToTheEvenNeighbour", 1, 0.5, 25.0, 338, 12, kColourRed},
        ShapeCase{"NegativeMemoryGivesAnEmptyBar", 1, 1.0, -20.0, 420, 0, kColourRed},
        ShapeCase{"HugeMemoryStaysPlaceable", 1, 1.0, 1e300, -32000, 32000, kColourRed}),
    [](const ::testing::TestParamInfo<ShapeCase> &info) { return std::string(info.param.name); });

TEST(PlantPicture, AShapeWithoutAKindKeepsWhatItShowed)
{
    EXPECT_FALSE(AppearanceOf(Shape(-1, 1.0), 50.0).has_value());
    EXPECT_FALSE(AppearanceOf(Shape(2, 1.0), 50.0).has_value());
}

TEST(PlantPicture, ShapeMemoryCountsItsListFromOne)
{
    AnimatedShape shape;
    EXPECT_EQ(ShapeMemory(shape), 1);
    shape.memoryIndex = 98;
    EXPECT_EQ(ShapeMemory(shape), 99);
}

} // namespace
} // namespace zelvar
