#include "documents/model/plantoperations.h"

#include "tests/instruments/tempfolder.h"

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

TEST(PlantObjects, DeletingArchivingObjectsClosesTheirArchivesWithEveryLine)
{
    // Regression: a deleted recorder or controller must not leave lines in a buffer.
    TempFolder folder;
    Plant plant;
    StepContext context;
    SetInventoryChecked(plant, ObjectPool::Recorders, 2, true);
    SetInventoryChecked(plant, ObjectPool::Controllers, 5, true);
    Recorder &recorder = plant.recorders[2];
    recorder.EditSettings(plant.memories, [](RecorderSettings &s) { s.TagText = "TR"; });
    plant.controllers[5].EditSettings([](ControllerSettings &s) { s.TagText = "TC"; });
    plant.controllers[5].ApplyControllerSettings(plant.memories, false);
    ASSERT_EQ(StartRecorderArchive(recorder, folder.Path(), Language::English), "");
    ASSERT_EQ(plant.controllers[5].StartTrendArchive(folder.Path(), Language::English), "");
    for (int step = 0; step < 3; ++step) {
        StepRecorder(recorder, plant, context);
        StepController(plant.controllers[5], plant, context);
    }

    DeleteObject(plant, ObjectPool::Recorders, 2, Language::English);
    DeleteObject(plant, ObjectPool::Controllers, 5, Language::English);

    // A header line and one line per step.
    EXPECT_EQ(folder.Lines("TR_1.txt").size(), 4u);
    EXPECT_EQ(folder.Lines("TC_1.txt").size(), 4u);
    EXPECT_FALSE(plant.recorders[2].trend.Archiving());
    EXPECT_FALSE(plant.controllers[5].trend.Archiving());
}

TEST(PlantObjects, CaptionsNameThePresentObjectsAndLeaveFreeBoxes)
{
    Plant plant;
    SetInventoryChecked(plant, ObjectPool::Processes, 16, true);
    SetInventoryChecked(plant, ObjectPool::Controllers, 1, true);
    SetInventoryChecked(plant, ObjectPool::Recorders, 3, true);
    SetInventoryChecked(plant, ObjectPool::Blocks, 24, true);
    SetInventoryChecked(plant, ObjectPool::AnimatedTexts, 7, true);
    plant.processes[16].TagText = "LT-16";
    plant.processes[16].DescricaoText = "Nível do tanque";
    plant.controllers[1].EditSettings([](ControllerSettings &s) { s.Descricao = "Vazão"; });
    plant.recorders[3].EditSettings(plant.memories, [](RecorderSettings &s) {
        s.TagText = "TR-3";
        s.DescricaoText = "Registro";
    });
    plant.blocks[24].TagText = "";
    plant.blocks[24].DescricaoText = "Soma";
    plant.animatedTexts[7].DescricaoText = "Pressão";

    RefreshObjectCaptions(plant);

    EXPECT_EQ(plant.processInventory[16].caption, "LT-16 Nível do tanque");
    EXPECT_EQ(plant.controllerInventory[1].caption, "PID1 Vazão");
    EXPECT_EQ(plant.recorderInventory[3].caption, "TR-3 Registro");
    // An empty tag leaves the blank in front.
    EXPECT_EQ(plant.blockInventory[24].caption, " Soma");
    EXPECT_EQ(plant.animatedTextInventory[7].caption, "Pressão");
    EXPECT_EQ(plant.processInventory[15].caption, "<vago> Processo 15");
}

TEST(PlantObjects, EnglishDefaultsGoToFreeBoxesAndThePushButtons)
{
    Plant plant;
    SetInventoryChecked(plant, ObjectPool::Blocks, 2, true);
    RefreshObjectCaptions(plant);
    const std::string present = plant.blockInventory[2].caption;

    ApplyEnglishDefaults(plant);

    EXPECT_EQ(plant.blockInventory[1].caption, "<empty> Block 1");
    EXPECT_EQ(plant.blockInventory[2].caption, present);
    EXPECT_EQ(plant.animatedTextInventory[20].caption, "<empty>Animated Text20");
    EXPECT_EQ(plant.pushButtons[1].textOff, "Text when M97=0");
    EXPECT_EQ(plant.pushButtons[3].textOn, "Text when M99=1");
    EXPECT_EQ(plant.pushButtons[2].name, "Description");
    // A reset in English comes up the same way; in Portuguese with the layout's texts.
    EXPECT_EQ(ResetPlant(plant, Language::English)->pushButtons[2].textOff, "Text when M98=0");
    EXPECT_EQ(ResetPlant(plant, Language::Portuguese)->pushButtons[2].name, "Descrição");
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
