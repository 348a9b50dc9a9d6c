#include "documents/model/plant.h"

#include "documents/model/plantoperations.h"
#include "engine/model/numbertext.h"

namespace zelvar {

namespace {

template<std::size_t N>
void Placeholders(std::array<InventoryEntry, N> &entries, ObjectPool pool, Language language)
{
    for (std::size_t slot = 1; slot < N; ++slot)
        entries[slot].caption = InventoryPlaceholder(pool, static_cast<int>(slot), language);
}

} // namespace

Plant::Plant(Language language)
{
    memories.SetResetDefaults();
    Placeholders(controllerInventory, ObjectPool::Controllers, language);
    Placeholders(processInventory, ObjectPool::Processes, language);
    Placeholders(blockInventory, ObjectPool::Blocks, language);
    Placeholders(recorderInventory, ObjectPool::Recorders, language);
    Placeholders(animatedTextInventory, ObjectPool::AnimatedTexts, language);

    // Home positions of the picture's things.
    for (int k = 1; k <= 10; ++k) {
        controllerIcons[static_cast<std::size_t>(k)].left = 3 + 40 * (k - 1);
        controllerIcons[static_cast<std::size_t>(k)].top = 3;
        recorderIcons[static_cast<std::size_t>(k)].left = 515 + 40 * (k - 1);
        recorderIcons[static_cast<std::size_t>(k)].top = 3;
    }
    for (int k = 1; k <= 24; ++k) {
        processIcons[static_cast<std::size_t>(k)].left = 2 + 39 * (k - 1);
        processIcons[static_cast<std::size_t>(k)].top = 39;
        blockIcons[static_cast<std::size_t>(k)].left = 2 + 39 * (k - 1);
        blockIcons[static_cast<std::size_t>(k)].top = 63;
    }
    for (int k = 1; k <= 20; ++k) {
        animatedTextIcons[static_cast<std::size_t>(k)].left = 457;
        animatedTextIcons[static_cast<std::size_t>(k)].top = 24;
        animatedTextIcons[static_cast<std::size_t>(k)].labelTop = 8;
    }
    for (int k = 1; k <= 6; ++k) {
        sliders[static_cast<std::size_t>(k)].top = 122 + 64 * (k - 1);
        sliders[static_cast<std::size_t>(k)].left = 844;
    }
    switches[1].top = 40;
    switches[1].left = 1000;
    switches[2].top = 96;
    switches[2].left = 1000;
    commandPanelTop = 120;
    commandPanelLeft = 24;
    constexpr std::array<int, 6> kShapeTops = {0, 304, 352, 400, 448, 488};
    for (int k = 1; k <= 5; ++k) {
        shapes[static_cast<std::size_t>(k)].baseTop = kShapeTops[static_cast<std::size_t>(k)];
        shapes[static_cast<std::size_t>(k)].left = 984;
    }
    for (int k = 1; k <= 3; ++k) {
        const std::string memory = FormatFixed(96 + k, 0, 0);
        pushButtons[static_cast<std::size_t>(k)].textOff = "Texto para M" + memory + "=0";
        pushButtons[static_cast<std::size_t>(k)].textOn = "Texto para M" + memory + "=1";
        pushButtons[static_cast<std::size_t>(k)].name = "Descrição";
    }
}

} // namespace zelvar
