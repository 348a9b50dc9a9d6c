#include "documents/model/plantoperations.h"

#include <gtest/gtest.h>

namespace zelvar {
namespace {

TEST(PlantObjects, TickingAFreeSlotCreatesOneObjectWithItsNumber)
{
    Plant plant;
    SetInventoryChecked(plant, ObjectPool::Processes, 11, true);
    EXPECT_TRUE(plant.processes.IsPresent(11));
    EXPECT_EQ(plant.processes[11].ObjectNumber, 31);
    plant.processes[11].TagText = "FT-11";
    // Unticking keeps the object; ticking again creates nothing new.
    SetInventoryChecked(plant, ObjectPool::Processes, 11, false);
    SetInventoryChecked(plant, ObjectPool::Processes, 11, true);
    EXPECT_EQ(plant.processes[11].TagText, "FT-11");
    SetInventoryChecked(plant, ObjectPool::AnimatedTexts, 10, true);
    EXPECT_EQ(plant.animatedTexts[10].ObjectNumber, 110);
    SetInventoryChecked(plant, ObjectPool::Controllers, 4, true);
    EXPECT_EQ(plant.controllers[4].Settings().TagText, "PID4");
}

TEST(PlantObjects, DeleteFreesTheSlotAndWritesThePlaceholder)
{
    Plant plant;
    SetInventoryChecked(plant, ObjectPool::Controllers, 3, true);
    SetInventoryChecked(plant, ObjectPool::Blocks, 3, true);
    RefreshMainWindow(plant);
    ASSERT_TRUE(plant.controllerIcons[3].visible);
    DeleteObject(plant, ObjectPool::Controllers, 3, Language::English);
    DeleteObject(plant, ObjectPool::Blocks, 3, Language::English);
    EXPECT_FALSE(plant.controllers.IsPresent(3));
    EXPECT_FALSE(plant.controllerIcons[3].visible);
    EXPECT_TRUE(plant.controllerIcons[3].caption.empty());
    EXPECT_FALSE(plant.controllerInventory[3].checked);
    // Only the controllers' placeholder follows the language.
    EXPECT_EQ(plant.controllerInventory[3].caption, "<empty> Controller 3");
    EXPECT_EQ(plant.blockInventory[3].caption, "<vago> Bloco 3");
}

TEST(PlantObjects, RefreshDerivesIconsFromObjectsAndBoxes)
{
    Plant plant;
    SetInventoryChecked(plant, ObjectPool::Controllers, 4, true);
    SetInventoryChecked(plant, ObjectPool::AnimatedTexts, 2, true);
    plant.animatedTexts[2].DescricaoText = "Nível";
    plant.controllers[4].automatic = true;
    RefreshMainWindow(plant);
    EXPECT_EQ(plant.controllerIcons[4].caption, "PID4");
    EXPECT_EQ(plant.controllerIcons[4].textColour, 0xFF0000);
    EXPECT_EQ(plant.animatedTextIcons[2].label, "Nível");
    plant.controllers[4].automatic = false;
    SetInventoryChecked(plant, ObjectPool::Controllers, 4, false);
    RefreshMainWindow(plant);
    // A present controller whose box is unticked keeps an up-to-date caption, hidden.
    EXPECT_FALSE(plant.controllerIcons[4].visible);
    EXPECT_EQ(plant.controllerIcons[4].textColour, 0x0000FF);

    SetSliderShown(plant, 1, true);
    plant.memories.SetValue(15, 5.0);
    RefreshMainWindow(plant);
    EXPECT_EQ(plant.sliders[1].valueText, " 5.00");
}

TEST(PlantObjects, ResetEmptiesThePlantButKeepsWhatOutlivesIt)
{
    Plant plant;
    SetInventoryChecked(plant, ObjectPool::Processes, 24, true);
    MoveObject(plant, 14, 640, 480); // process 24's icon
    MoveObject(plant, 2, 640, 480);  // controller 1's icon
    plant.PictureFileName = "fundo.bmp";
    plant.memories.SetValue(81, 33.0);
    plant.memories.SetDescription(81, "Perturbação");
    plant.signalGenerator.working[2].GeneratorSineTime = 4.5;
    const auto reset = ResetPlant(plant, Language::English);
    EXPECT_FALSE(reset->processes.IsPresent(24));
    EXPECT_EQ(reset->processIcons[24].left, 640);
    EXPECT_EQ(reset->controllerIcons[1].left, 3);
    EXPECT_TRUE(reset->PictureFileName.empty());
    EXPECT_EQ(reset->memories.Value(81), 0.0);
    EXPECT_EQ(reset->memories.Description(81), "");
    EXPECT_EQ(reset->memories.MemoryUEMin[30], "0.00");
    EXPECT_EQ(reset->memories.Description(15), "Track 1");
    EXPECT_EQ(reset->signalGenerator.working[2].GeneratorSineTime, 4.5);
    EXPECT_EQ(reset->processInventory[24].caption, "<empty> Process 24");
    EXPECT_EQ(reset->shapes[1].baseTop, 304);
}

} // namespace
} // namespace zelvar
