#include "documents/model/plantoperations.h"

#include <gtest/gtest.h>

namespace zelvar {
namespace {

// Entries 101-124 describe the actuator positions and live as long as the program.
TEST(PlantOperations, ResetKeepsTheActuatorPositionDescriptions)
{
    Plant previous;
    previous.memories.SetDescription(101, "Válvula de vapor");
    previous.memories.SetDescription(124, "Bomba");
    previous.memories.SetDescription(21, "Vazão");
    const auto reset = ResetPlant(previous, Language::Portuguese);
    EXPECT_EQ(reset->memories.Description(101), "Válvula de vapor");
    EXPECT_EQ(reset->memories.Description(124), "Bomba");
    EXPECT_EQ(reset->memories.Description(102), "Posição Atuador 2");
    EXPECT_EQ(reset->memories.Description(21), "");
}

TEST(PlantOperations, SliderNameRelabelsDescribesAndWidens)
{
    Plant plant;
    SetSliderName(plant, 2, "Abertura V1");
    EXPECT_EQ(plant.memories.Description(16), "Abertura V1");
    EXPECT_EQ(plant.sliders[2].backWidth, 117 + 7 * 5);
    EXPECT_EQ(plant.sliders[2].barWidth, 105 + 7 * 5);
    EXPECT_EQ(plant.sliders[2].textOffset, 52 + 7 * 5);
    // A shorter name never narrows the group again, but its value edit goes back to its place
    // (regression: it stayed where the long name had pushed it).
    SetSliderName(plant, 2, "V1");
    EXPECT_EQ(plant.sliders[2].backWidth, 152);
    EXPECT_EQ(plant.sliders[2].textOffset, 52);
    // Sixteen characters: n = 10.
    SetSliderName(plant, 3, "Vazão de entrada");
    EXPECT_EQ(plant.sliders[3].textOffset, 122);
    EXPECT_EQ(plant.sliders[3].backWidth, 187);
    EXPECT_EQ(plant.sliders[3].barWidth, 175);
}

TEST(PlantOperations, SwitchShowsThePictureOfItsStateAndFlipsOnAClick)
{
    Plant plant;
    SetSwitchOrientation(plant, 1, 2);
    EXPECT_EQ(plant.switches[1].visiblePicture, 0); // not shown yet
    SetSwitchShown(plant, 1, true);
    EXPECT_EQ(plant.switches[1].visiblePicture, 5);
    ClickSwitch(plant, 1);
    EXPECT_EQ(plant.memories.Value(11), 1.0);
    EXPECT_EQ(plant.switches[1].visiblePicture, 6);
    SetSwitchShown(plant, 1, false);
    EXPECT_EQ(plant.switches[1].visiblePicture, 0);
}

TEST(PlantOperations, PushButtonsPanelAndRelease)
{
    Plant plant;
    EXPECT_EQ(CommandPanelHeight(plant), 0);
    SetPushButtonChecked(plant, 1, true);
    EXPECT_EQ(CommandPanelHeight(plant), 70);
    SetPushButtonChecked(plant, 2, true);
    SetPushButtonChecked(plant, 3, true);
    EXPECT_EQ(CommandPanelHeight(plant), 170);
    ClickPushButton(plant, 2);
    ClickPushButton(plant, 3);
    EXPECT_EQ(plant.memories.Value(98), 1.0);
    SetPushButtonChecked(plant, 2, false);
    // Unticking box 2 lets go of buttons 2 and 3; box 3 stays ticked, but its button no longer
    // shows (regression: it stayed on the picture while its box was disabled).
    EXPECT_EQ(plant.memories.Value(98), 0.0);
    EXPECT_EQ(plant.memories.Value(99), 0.0);
    EXPECT_TRUE(plant.pushButtons[3].checked);
    EXPECT_FALSE(PushButtonShown(plant, 3));
    EXPECT_TRUE(PushButtonShown(plant, 1));
    EXPECT_EQ(CommandPanelHeight(plant), 70);
    SetPushButtonChecked(plant, 2, true);
    EXPECT_TRUE(PushButtonShown(plant, 3));
    SetPushButtonChecked(plant, 1, false);
    EXPECT_EQ(CommandPanelHeight(plant), 0);
}

TEST(PlantOperations, MoveModePlacesTheThingsThatAreNotIcons)
{
    Plant plant;
    MoveObject(plant, 92, 300, 200);
    EXPECT_EQ(plant.animatedTextIcons[20].top, 200);
    EXPECT_EQ(plant.animatedTextIcons[20].labelTop, 187);
    MoveObject(plant, 97, 10, 20);
    EXPECT_EQ(plant.shapes[3].baseTop, 20);
    MoveObject(plant, 101, 11, 12);
    EXPECT_EQ(plant.switches[2].left, 11);
    MoveObject(plant, 108, 13, 14);
    EXPECT_EQ(plant.sliders[6].top, 14);
    MoveObject(plant, 93, 99, 99); // names nothing
    EXPECT_EQ(plant.sliders[6].top, 14);
    EXPECT_EQ(plant.shapes[3].left, 10);
}

TEST(PlantOperations, EveryIconsObjectIdMovesThatIcon)
{
    for (const ObjectPool pool : {ObjectPool::Controllers,
                                  ObjectPool::Processes,
                                  ObjectPool::Blocks,
                                  ObjectPool::Recorders,
                                  ObjectPool::AnimatedTexts}) {
        for (int slot = 1; slot <= SlotCount(pool); ++slot) {
            Plant plant;
            MoveObject(plant, ObjectIdOf(pool, slot), 700 + slot, 500 + slot);
            const auto index = static_cast<std::size_t>(slot);
            const PlantIcon &icon = pool == ObjectPool::Controllers ? plant.controllerIcons[index]
                                    : pool == ObjectPool::Processes ? plant.processIcons[index]
                                    : pool == ObjectPool::Blocks    ? plant.blockIcons[index]
                                    : pool == ObjectPool::Recorders
                                        ? plant.recorderIcons[index]
                                        : plant.animatedTextIcons[index];
            EXPECT_EQ(icon.left, 700 + slot) << static_cast<int>(pool) << " slot " << slot;
            EXPECT_EQ(icon.top, 500 + slot) << static_cast<int>(pool) << " slot " << slot;
        }
    }
}

TEST(PlantOperations, ShapeControlsStayEnabledAndRectangleScaleFollowsSize)
{
    Plant plant;
    SetShapeShown(plant, 2, true);
    SetShapeShown(plant, 2, false);
    EXPECT_TRUE(plant.shapes[2].controlsEnabled);
    plant.shapes[2].kind = 1;
    SetShapeSize(plant, 2, 52);
    EXPECT_DOUBLE_EQ(plant.shapes[2].scale, 1.04);
}

} // namespace
} // namespace zelvar

namespace zelvar {
namespace {

class SliderTest : public ::testing::Test
{
protected:
    SliderTest() { plant.memories.MemoryUEMax[15] = "200"; }
    Plant plant;
};

TEST_F(SliderTest, MovingShowsTheEngineeringValueAndEnterTakesANumberInsideTheRange)
{
    MoveSlider(plant, 1, 2500);
    EXPECT_EQ(plant.sliders[1].valueText, "50.00");
    EXPECT_EQ(plant.memories.Value(15), 25.0);
    EXPECT_TRUE(EnterSliderValue(plant, 1, "150"));
    EXPECT_EQ(plant.sliders[1].valueText, "150.00");
    EXPECT_EQ(plant.memories.Value(15), 75.0);
    EXPECT_EQ(plant.sliders[1].position, 7500);
}

TEST_F(SliderTest, EnterRefusesCommasAndValuesOutsideTheRange)
{
    MoveSlider(plant, 1, 2500);
    EXPECT_FALSE(EnterSliderValue(plant, 1, "12,5"));
    EXPECT_FALSE(EnterSliderValue(plant, 1, "201"));
    EXPECT_EQ(plant.sliders[1].valueText, "50.00");
    EXPECT_EQ(plant.memories.Value(15), 25.0);
    plant.memories.MemoryUEMax[16] = "0";
    EXPECT_FALSE(EnterSliderValue(plant, 2, "0"));
}

TEST_F(SliderTest, TheRangeLowIsTheSlidersZero)
{
    // On -50..150: 25 % is 0 and 75 is 62.5 %; the low bound itself may be typed.
    plant.memories.MemoryUEMin[15] = "-50";
    plant.memories.MemoryUEMax[15] = "150";
    MoveSlider(plant, 1, 2500);
    EXPECT_EQ(plant.sliders[1].valueText, "0.00");
    EXPECT_TRUE(EnterSliderValue(plant, 1, "75"));
    EXPECT_EQ(plant.sliders[1].position, 6250);
    EXPECT_TRUE(EnterSliderValue(plant, 1, "-50"));
    EXPECT_EQ(plant.sliders[1].valueText, "-50.00");
    EXPECT_EQ(plant.sliders[1].position, 0);
    EXPECT_EQ(plant.memories.Value(15), 0.0);
    EXPECT_FALSE(EnterSliderValue(plant, 1, "-50.01"));
}

TEST_F(SliderTest, EnterEndsOnTheSlidersGrid)
{
    MoveSlider(plant, 1, 0);
    EXPECT_TRUE(EnterSliderValue(plant, 1, "0.123"));
    EXPECT_EQ(plant.sliders[1].position, 6);
    EXPECT_EQ(plant.memories.Value(15), 0.06);
    // Already on that grid point: the memory keeps the exact percentage.
    EXPECT_TRUE(EnterSliderValue(plant, 1, "0.121"));
    EXPECT_DOUBLE_EQ(plant.memories.Value(15), 0.0605);
    EXPECT_EQ(plant.sliders[1].valueText, "0.12");
}

} // namespace
} // namespace zelvar
