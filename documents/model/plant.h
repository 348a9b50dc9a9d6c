#pragma once

#include "documents/model/plantpicture.h"
#include "engine/model/engineplant.h"
#include "engine/model/language.h"
#include "instruments/model/animatedtext.h"
#include "instruments/model/recorder.h"
#include "instruments/model/xyrecorder.h"

#include <array>
#include <string>
#include <vector>

namespace zelvar {

// One whole plant: everything the plant file writes and the reader fills. The engine's part
// (memories, actuator positions, object pools) is the base; the presentation and the picture
// state of the main and configuration windows live here, so that a save needs nothing from a
// window.
struct Plant : EnginePlant
{
    // Instruments stepped and saved with the plant.
    SlotPool<Recorder, 10> recorders;
    SlotPool<AnimatedText, 20> animatedTexts;
    XYRecorder xyRecorder;

    // The configuration window's Titulo, and the main window's caption (which a title edit
    // copies, and "Novo" sets apart); the file stores the caption.
    std::string title;
    std::string caption;
    // The background bitmap's file name without its folder.
    std::string PictureFileName;

    // Configuration window: inventory boxes per pool and slot (index 0 unused).
    std::array<InventoryEntry, 11> controllerInventory;
    std::array<InventoryEntry, 25> processInventory;
    std::array<InventoryEntry, 25> blockInventory;
    std::array<InventoryEntry, 11> recorderInventory;
    std::array<InventoryEntry, 21> animatedTextInventory;

    // Plant picture: icons per pool and slot (index 0 unused).
    std::array<PlantIcon, 11> controllerIcons;
    std::array<PlantIcon, 25> processIcons;
    std::array<PlantIcon, 25> blockIcons;
    std::array<PlantIcon, 11> recorderIcons;
    std::array<PlantIcon, 21> animatedTextIcons;

    std::array<SliderInput, 7> sliders;    // 1..6
    std::array<AnimatedShape, 6> shapes;   // 1..5
    std::array<PlantSwitch, 3> switches;   // 1..2
    std::array<PushButton, 4> pushButtons; // 1..3
    int commandPanelTop = 0;
    int commandPanelLeft = 0;

    // Comment pane lines and the "Exibir comentários" check mark.
    std::vector<std::string> comments;
    bool commentDisplay = false;

    // An empty plant: home positions, free slots with the language's placeholders, the
    // memory table of a reset.
    explicit Plant(Language language = Language::Portuguese);
};

} // namespace zelvar
