#include "documents/model/plantoperations.h"

#include "documents/model/slotindex.h"
#include "engine/model/numbertext.h"

namespace zelvar {

namespace {

InventoryEntry &Inventory(Plant &plant, ObjectPool pool, int slot)
{
    switch (pool) {
    case ObjectPool::Controllers:
        return plant.controllerInventory[Index(slot)];
    case ObjectPool::Processes:
        return plant.processInventory[Index(slot)];
    case ObjectPool::Blocks:
        return plant.blockInventory[Index(slot)];
    case ObjectPool::Recorders:
        return plant.recorderInventory[Index(slot)];
    case ObjectPool::AnimatedTexts:
        break;
    }
    return plant.animatedTextInventory[Index(slot)];
}

PlantIcon &Icon(Plant &plant, ObjectPool pool, int slot)
{
    switch (pool) {
    case ObjectPool::Controllers:
        return plant.controllerIcons[Index(slot)];
    case ObjectPool::Processes:
        return plant.processIcons[Index(slot)];
    case ObjectPool::Blocks:
        return plant.blockIcons[Index(slot)];
    case ObjectPool::Recorders:
        return plant.recorderIcons[Index(slot)];
    case ObjectPool::AnimatedTexts:
        break;
    }
    return plant.animatedTextIcons[Index(slot)];
}

} // namespace

bool IsPresent(const Plant &plant, ObjectPool pool, int slot)
{
    switch (pool) {
    case ObjectPool::Controllers:
        return plant.controllers.IsPresent(slot);
    case ObjectPool::Processes:
        return plant.processes.IsPresent(slot);
    case ObjectPool::Blocks:
        return plant.blocks.IsPresent(slot);
    case ObjectPool::Recorders:
        return plant.recorders.IsPresent(slot);
    case ObjectPool::AnimatedTexts:
        break;
    }
    return plant.animatedTexts.IsPresent(slot);
}

void CreateObject(Plant &plant, ObjectPool pool, int slot)
{
    if (!InRange(slot, 1, SlotCount(pool)) || IsPresent(plant, pool, slot))
        return;
    switch (pool) {
    case ObjectPool::Controllers:
        plant.controllers[slot] = Controller(slot);
        plant.controllers.present[Index(slot)] = true;
        // It runs its window's defaults from the first step, taken over as a record's are, so
        // what runs, what the record writes and what reopens are one configuration.
        plant.controllers[slot].ApplyControllerSettings(
            plant.memories, false, TakeOver::EachValidPart);
        break;
    case ObjectPool::Processes:
        plant.processes[slot] = ProcessModel(slot);
        plant.processes.present[Index(slot)] = true;
        break;
    case ObjectPool::Blocks:
        plant.blocks[slot] = CalculationBlock(slot);
        plant.blocks.present[Index(slot)] = true;
        break;
    case ObjectPool::Recorders:
        plant.recorders[slot] = Recorder(slot);
        plant.recorders.present[Index(slot)] = true;
        break;
    case ObjectPool::AnimatedTexts:
        plant.animatedTexts[slot] = AnimatedText(slot);
        plant.animatedTexts.present[Index(slot)] = true;
        break;
    }
}

void SetInventoryChecked(Plant &plant, ObjectPool pool, int slot, bool checked)
{
    if (!InRange(slot, 1, SlotCount(pool)))
        return;
    Inventory(plant, pool, slot).checked = checked;
    if (checked)
        CreateObject(plant, pool, slot);
}

void DeleteObject(Plant &plant, ObjectPool pool, int slot, Language language)
{
    if (!InRange(slot, 1, SlotCount(pool)) || !IsPresent(plant, pool, slot))
        return;
    switch (pool) {
    case ObjectPool::Controllers:
        // Stopped first, so a failing close cannot go unnoticed inside a move-assignment.
        plant.controllers[slot].trend.StopArchive();
        plant.controllers[slot] = Controller();
        plant.controllers.present[Index(slot)] = false;
        break;
    case ObjectPool::Processes:
        plant.processes[slot] = ProcessModel();
        plant.processes.present[Index(slot)] = false;
        break;
    case ObjectPool::Blocks:
        plant.blocks[slot] = CalculationBlock();
        plant.blocks.present[Index(slot)] = false;
        break;
    case ObjectPool::Recorders:
        CloseRecorderArchive(plant.recorders[slot]);
        plant.recorders[slot] = Recorder();
        plant.recorders.present[Index(slot)] = false;
        break;
    case ObjectPool::AnimatedTexts:
        plant.animatedTexts[slot] = AnimatedText();
        plant.animatedTexts.present[Index(slot)] = false;
        break;
    }
    PlantIcon &icon = Icon(plant, pool, slot);
    icon.caption.clear();
    icon.visible = false;
    // Only the controllers' placeholder follows the language after a delete.
    InventoryEntry &entry = Inventory(plant, pool, slot);
    entry.caption = InventoryPlaceholder(
        pool, slot, pool == ObjectPool::Controllers ? language : Language::Portuguese);
    entry.checked = false;
}

void RefreshObjectCaptions(Plant &plant)
{
    const auto name = [](const std::string &tag, const std::string &description) {
        return tag + " " + description;
    };
    for (int slot = 1; slot <= plant.controllers.kCount; ++slot) {
        if (plant.controllers.IsPresent(slot)) {
            const ControllerSettings &settings = plant.controllers[slot].Settings();
            plant.controllerInventory[Index(slot)].caption
                = name(settings.TagText, settings.Descricao);
        }
    }
    for (int slot = 1; slot <= plant.recorders.kCount; ++slot) {
        if (plant.recorders.IsPresent(slot)) {
            const RecorderSettings &settings = plant.recorders[slot].Settings();
            plant.recorderInventory[Index(slot)].caption
                = name(settings.TagText, settings.DescricaoText);
        }
    }
    for (int slot = 1; slot <= plant.processes.kCount; ++slot) {
        if (plant.processes.IsPresent(slot)) {
            const ProcessModel &process = plant.processes[slot];
            plant.processInventory[Index(slot)].caption
                = name(process.TagText, process.DescricaoText);
        }
    }
    for (int slot = 1; slot <= plant.blocks.kCount; ++slot) {
        if (plant.blocks.IsPresent(slot)) {
            const CalculationBlock &block = plant.blocks[slot];
            plant.blockInventory[Index(slot)].caption = name(block.TagText, block.DescricaoText);
        }
    }
    for (int slot = 1; slot <= plant.animatedTexts.kCount; ++slot) {
        if (plant.animatedTexts.IsPresent(slot))
            plant.animatedTextInventory[Index(slot)].caption
                = plant.animatedTexts[slot].DescricaoText;
    }
}

void ApplyEnglishDefaults(Plant &plant)
{
    for (const ObjectPool pool : {ObjectPool::Controllers,
                                  ObjectPool::Processes,
                                  ObjectPool::Blocks,
                                  ObjectPool::Recorders,
                                  ObjectPool::AnimatedTexts}) {
        for (int slot = 1; slot <= SlotCount(pool); ++slot) {
            if (!IsPresent(plant, pool, slot))
                Inventory(plant, pool, slot).caption
                    = InventoryPlaceholder(pool, slot, Language::English);
        }
    }
    for (int k = 1; k <= 3; ++k) {
        const std::string memory = FormatFixed(96 + k, 0, 0);
        PushButton &button = plant.pushButtons[Index(k)];
        button.textOff = "Text when M" + memory + "=0";
        button.textOn = "Text when M" + memory + "=1";
        button.name = "Description";
    }
}

std::unique_ptr<Plant> ResetPlant(const Plant &previous, Language language)
{
    auto plant = std::make_unique<Plant>(language);
    // The new configuration window comes up in the language in force.
    if (language == Language::English)
        ApplyEnglishDefaults(*plant);
    // The icons of process 24 and block 24 have no home: they stay where they were moved.
    plant->processIcons[24].left = previous.processIcons[24].left;
    plant->processIcons[24].top = previous.processIcons[24].top;
    plant->blockIcons[24].left = previous.blockIcons[24].left;
    plant->blockIcons[24].top = previous.blockIcons[24].top;
    CarryOverLastingState(*plant, previous);
    return plant;
}

void CarryOverLastingState(Plant &plant, const Plant &previous)
{
    plant.xyRecorder = previous.xyRecorder;
    plant.signalGenerator.working = previous.signalGenerator.working;
    for (std::size_t k = 101; k <= MemoryTable::kDescriptionCount; ++k)
        plant.memories.MemoryDescription[k] = previous.memories.MemoryDescription[k];
}

void RefreshMainWindow(Plant &plant)
{
    for (int k = 1; k <= 6; ++k) {
        SliderInput &slider = plant.sliders[Index(k)];
        if (!slider.shown)
            continue;
        // Width 5 here, where the slider's own handlers use 4.
        slider.valueText = FormatFixed(plant.memories.EngineeringValue(14 + k), 5, 2);
    }
    for (int k = 1; k <= 5; ++k) {
        AnimatedShape &shape = plant.shapes[Index(k)];
        if (shape.shown && shape.kind == 1)
            shape.scale = shape.size / 50.0;
    }
    constexpr PlantColour kBlue = 0xFF0000;
    constexpr PlantColour kRed = 0x0000FF;
    for (int slot = 1; slot <= plant.controllers.kCount; ++slot) {
        if (!plant.controllers.IsPresent(slot))
            continue;
        const Controller &controller = plant.controllers[slot];
        PlantIcon &icon = plant.controllerIcons[Index(slot)];
        icon.visible = plant.controllerInventory[Index(slot)].checked;
        icon.caption = controller.AppliedTag();
        icon.textColour = controller.automatic ? kBlue : kRed;
    }
    const auto refresh = [](PlantIcon &icon, const InventoryEntry &entry, const std::string &tag) {
        icon.caption = tag;
        icon.visible = entry.checked;
    };
    for (int slot = 1; slot <= plant.blocks.kCount; ++slot) {
        if (plant.blocks.IsPresent(slot))
            refresh(plant.blockIcons[Index(slot)],
                    plant.blockInventory[Index(slot)],
                    plant.blocks[slot].TagText);
    }
    for (int slot = 1; slot <= plant.processes.kCount; ++slot) {
        if (plant.processes.IsPresent(slot))
            refresh(plant.processIcons[Index(slot)],
                    plant.processInventory[Index(slot)],
                    plant.processes[slot].TagText);
    }
    for (int slot = 1; slot <= plant.recorders.kCount; ++slot) {
        if (plant.recorders.IsPresent(slot))
            refresh(plant.recorderIcons[Index(slot)],
                    plant.recorderInventory[Index(slot)],
                    plant.recorders[slot].Settings().TagText);
    }
    for (int slot = 1; slot <= plant.animatedTexts.kCount; ++slot) {
        if (!plant.animatedTexts.IsPresent(slot))
            continue;
        PlantIcon &icon = plant.animatedTextIcons[Index(slot)];
        icon.label = plant.animatedTexts[slot].DescricaoText;
        icon.visible = plant.animatedTextInventory[Index(slot)].checked;
    }
}

void SettleLoadedPlant(Plant &plant, bool primeValveStages)
{
    // Outputs first, so that the blocks evaluated below read them; the order of a tick.
    for (int slot = 1; slot <= plant.processes.kCount; ++slot) {
        if (plant.processes.IsPresent(slot)) {
            ProcessModel &process = plant.processes[slot];
            plant.memories.SetValue(process.ObjectNumber, process.ProcessOutput);
            process.PrimeValveStages = primeValveStages;
        }
    }
    for (int slot = 1; slot <= plant.controllers.kCount; ++slot) {
        if (!plant.controllers.IsPresent(slot))
            continue;
        Controller &controller = plant.controllers[slot];
        plant.memories.SetValue(slot, controller.co);
        plant.memories.SetValue(60 + slot, controller.Setpoint);
        controller.PrimeAfterLoad();
    }
    StepContext quiet;
    quiet.FastRunFlag = true;
    // The linearizer's output (M13) is not in the file: it is settled before the blocks that
    // read it, and again after them for a linearizer that reads a block.
    const auto linearize = [&plant, &quiet, primeValveStages] {
        if (primeValveStages && plant.linearizer.Lin1Ativar)
            StepLinearizer(plant.linearizer, plant, quiet);
    };
    linearize();
    for (int slot = 1; slot <= plant.blocks.kCount; ++slot) {
        if (plant.blocks.IsPresent(slot))
            StepBlock(plant.blocks[slot], plant, quiet);
    }
    linearize();
}

} // namespace zelvar
