#include "documents/model/plantoperations.h"

#include "documents/model/slotindex.h"
#include "engine/model/calculationblock.h"
#include "engine/model/numbertext.h"
#include "engine/model/processmodel.h"

#include <algorithm>

namespace zelvar {

namespace {

// Places the controls of slider group k from its group's top and left.
void WidenSliderForName(SliderInput &slider)
{
    const int extra = static_cast<int>(Utf8Length(slider.name)) - 6;
    if (extra > 0) {
        slider.backWidth = 117 + 7 * extra;
        slider.barWidth = 105 + 7 * extra;
    }
    // The value edit follows the name both ways, as moving the group places it; the group
    // itself stays as wide as its longest name made it.
    slider.textOffset = 52 + 7 * std::max(0, extra);
}

} // namespace

int SlotCount(ObjectPool pool)
{
    switch (pool) {
    case ObjectPool::Controllers:
    case ObjectPool::Recorders:
        return 10;
    case ObjectPool::Processes:
    case ObjectPool::Blocks:
        return 24;
    case ObjectPool::AnimatedTexts:
        break;
    }
    return 20;
}

int ObjectNumberOf(ObjectPool pool, int slot)
{
    switch (pool) {
    case ObjectPool::Controllers:
        return slot;
    case ObjectPool::Processes:
        return ProcessObjectNumber(slot);
    case ObjectPool::Blocks:
        return BlockObjectNumber(slot);
    case ObjectPool::Recorders:
        return 200 + slot;
    case ObjectPool::AnimatedTexts:
        break;
    }
    return 100 + slot;
}

std::string InventoryPlaceholder(ObjectPool pool, int slot, Language language)
{
    const std::string number = FormatFixed(slot, 0, 0);
    const bool english = language == Language::English;
    switch (pool) {
    case ObjectPool::Controllers:
        return (english ? "<empty> Controller " : "<vago> Controlador ") + number;
    case ObjectPool::Processes:
        return (english ? "<empty> Process " : "<vago> Processo ") + number;
    case ObjectPool::Blocks:
        return (english ? "<empty> Block " : "<vago> Bloco ") + number;
    case ObjectPool::Recorders:
        return (english ? "<empty> Register " : "<vago> Registrador ") + number;
    case ObjectPool::AnimatedTexts:
        break;
    }
    return (english ? "<empty>Animated Text" : "<vago>Texto Animado ") + number;
}

void SetSliderShown(Plant &plant, int k, bool shown)
{
    if (!InRange(k, 1, 6))
        return;
    SliderInput &slider = plant.sliders[Index(k)];
    slider.shown = shown;
    if (shown)
        slider.barShown = true;
}

void SetSliderTall(Plant &plant, int k, bool tall)
{
    if (!InRange(k, 1, 6))
        return;
    SliderInput &slider = plant.sliders[Index(k)];
    slider.tallSlider = tall;
    slider.barShown = tall;
}

void SetSliderName(Plant &plant, int k, std::string_view name)
{
    if (!InRange(k, 1, 6))
        return;
    SliderInput &slider = plant.sliders[Index(k)];
    slider.name = std::string(name);
    plant.memories.SetDescription(14 + k, name);
    WidenSliderForName(slider);
}

void PlaceSlider(Plant &plant, int k, int top, int left)
{
    if (!InRange(k, 1, 6))
        return;
    SliderInput &slider = plant.sliders[Index(k)];
    slider.top = top;
    slider.left = left;
    WidenSliderForName(slider);
}

namespace {

double SliderEngineeringValue(const Plant &plant, int k, double percent)
{
    const int memory = 14 + k;
    return EngineeringFromPercent(
        plant.memories.RangeLow(memory), plant.memories.RangeHigh(memory), percent);
}

} // namespace

void MoveSlider(Plant &plant, int k, int position)
{
    if (!InRange(k, 1, 6))
        return;
    SliderInput &slider = plant.sliders[Index(k)];
    slider.position = std::clamp(position, 0, 10000);
    const double percent = slider.position / 100.0;
    slider.valueText = FormatFixed(SliderEngineeringValue(plant, k, percent), 4, 2);
    plant.memories.SetValue(14 + k, percent);
}

void RestoreSliderText(Plant &plant, int k)
{
    if (!InRange(k, 1, 6))
        return;
    SliderInput &slider = plant.sliders[Index(k)];
    slider.valueText = FormatFixed(SliderEngineeringValue(plant, k, slider.position / 100.0), 4, 2);
}

bool EnterSliderValue(Plant &plant, int k, std::string_view text)
{
    if (!InRange(k, 1, 6))
        return false;
    const int memory = 14 + k;
    const double low = plant.memories.RangeLow(memory);
    const double high = plant.memories.RangeHigh(memory);
    const ParsedNumber typed = ParseNumber(text);
    // An empty range has no percentage to give.
    if (typed.errorPosition != 0 || !(low <= typed.value && typed.value <= high) || !(low < high)) {
        RestoreSliderText(plant, k);
        return false;
    }
    SliderInput &slider = plant.sliders[Index(k)];
    slider.valueText = FormatFixed(typed.value, 4, 2);
    const double percent = (typed.value - low) * 100.0 / (high - low);
    plant.memories.SetValue(memory, percent);
    const int position = RoundHalfEven(percent * 100.0);
    // Moving the slider puts the memory on its 0.01 % grid; a slider already there leaves it.
    if (position != slider.position)
        MoveSlider(plant, k, position);
    return true;
}

void SetShapeShown(Plant &plant, int k, bool shown)
{
    if (!InRange(k, 1, 5))
        return;
    AnimatedShape &shape = plant.shapes[Index(k)];
    shape.shown = shown;
    // The lists and colours stay enabled once the box was first ticked.
    shape.controlsEnabled = shape.controlsEnabled || shown;
}

void SetShapeSize(Plant &plant, int k, int size)
{
    if (!InRange(k, 1, 5))
        return;
    AnimatedShape &shape = plant.shapes[Index(k)];
    shape.size = std::clamp(size, 0, 300);
    if (shape.kind == 1)
        shape.scale = shape.size / 50.0;
}

void SetSwitchShown(Plant &plant, int k, bool shown)
{
    if (!InRange(k, 1, 2))
        return;
    PlantSwitch &plantSwitch = plant.switches[Index(k)];
    plantSwitch.shown = shown;
    SetSwitchOrientation(plant, k, plantSwitch.orientation);
}

void SetSwitchOrientation(Plant &plant, int k, int orientation)
{
    if (!InRange(k, 1, 2))
        return;
    PlantSwitch &plantSwitch = plant.switches[Index(k)];
    plantSwitch.orientation = orientation;
    if (!plantSwitch.shown)
        plantSwitch.visiblePicture = 0;
    else if (InRange(orientation, 0, 3))
        ShowSwitchPictureForValue(plant, k);
}

// The picture of a pair that shows the switch's state: the first of the pair for 0, the
// second for 1 (the original's crossed pair of switch 1 "para cima" is not kept: a switch
// always shows its memory's state).
void ShowSwitchPictureForValue(Plant &plant, int k)
{
    if (!InRange(k, 1, 2))
        return;
    PlantSwitch &plantSwitch = plant.switches[Index(k)];
    if (!plantSwitch.shown || !InRange(plantSwitch.orientation, 0, 3))
        return;
    const bool on = plant.memories.Value(10 + k) == 1.0;
    plantSwitch.visiblePicture = 2 * plantSwitch.orientation + (on ? 2 : 1);
}

void ClickSwitch(Plant &plant, int k)
{
    if (!InRange(k, 1, 2))
        return;
    plant.memories.SetValue(10 + k, 1.0 - plant.memories.Value(10 + k));
    ShowSwitchPictureForValue(plant, k);
}

void SetPushButtonChecked(Plant &plant, int k, bool checked)
{
    if (!InRange(k, 1, 3))
        return;
    plant.pushButtons[Index(k)].checked = checked;
    if (checked)
        return;
    // Unticking a button lets go of it and of every button after it.
    for (int j = k; j <= 3; ++j)
        plant.memories.SetValue(96 + j, 0.0);
}

void ClickPushButton(Plant &plant, int k)
{
    if (!InRange(k, 1, 3))
        return;
    plant.memories.SetValue(96 + k, plant.memories.Value(96 + k) == 1.0 ? 0.0 : 1.0);
}

bool PushButtonShown(const Plant &plant, int k)
{
    if (!InRange(k, 1, 3))
        return false;
    for (int j = 1; j <= k; ++j) {
        if (!plant.pushButtons[Index(j)].checked)
            return false;
    }
    return true;
}

int CommandPanelHeight(const Plant &plant)
{
    for (int k = 3; k >= 1; --k) {
        if (PushButtonShown(plant, k))
            return 20 + 50 * k;
    }
    return 0;
}

void MoveObject(Plant &plant, int objectId, int x, int y)
{
    const auto place = [x, y](PlantIcon &icon) {
        icon.left = x;
        icon.top = y;
    };
    if (InRange(objectId, 2, 11))
        place(plant.controllerIcons[Index(objectId - 1)]);
    else if (objectId == 14)
        place(plant.processIcons[24]);
    else if (objectId == 15)
        place(plant.blockIcons[24]);
    else if (InRange(objectId, 16, 18))
        place(plant.processIcons[Index(objectId + 5)]);
    else if (InRange(objectId, 19, 21))
        place(plant.blockIcons[Index(objectId + 2)]);
    else if (InRange(objectId, 23, 42))
        place(plant.processIcons[Index(objectId - 22)]);
    else if (InRange(objectId, 43, 52))
        place(plant.recorderIcons[Index(objectId - 42)]);
    else if (InRange(objectId, 53, 72))
        place(plant.blockIcons[Index(objectId - 52)]);
    else if (InRange(objectId, 73, 92)) {
        PlantIcon &icon = plant.animatedTextIcons[Index(objectId - 72)];
        place(icon);
        icon.labelTop = y - 13;
    } else if (InRange(objectId, 95, 99)) {
        AnimatedShape &shape = plant.shapes[Index(objectId - 94)];
        shape.left = x;
        shape.baseTop = y;
    } else if (InRange(objectId, 100, 101)) {
        PlantSwitch &plantSwitch = plant.switches[Index(objectId - 99)];
        plantSwitch.left = x;
        plantSwitch.top = y;
    } else if (objectId == 102) {
        plant.commandPanelLeft = x;
        plant.commandPanelTop = y;
    } else if (InRange(objectId, 103, 108)) {
        SliderInput &slider = plant.sliders[Index(objectId - 102)];
        slider.left = x;
        slider.top = y;
    }
}

int ObjectIdOf(ObjectPool pool, int slot)
{
    switch (pool) {
    case ObjectPool::Controllers:
        return 1 + slot;
    case ObjectPool::Processes:
        if (slot == 24)
            return 14;
        return slot >= 21 ? slot - 5 : 22 + slot;
    case ObjectPool::Blocks:
        if (slot == 24)
            return 15;
        return slot >= 21 ? slot - 2 : 52 + slot;
    case ObjectPool::Recorders:
        return 42 + slot;
    case ObjectPool::AnimatedTexts:
        break;
    }
    return 72 + slot;
}

void SetTitle(Plant &plant, std::string_view title)
{
    // Cut like a memory text: the title becomes the window's caption, and a window system
    // refuses a caption of megabytes.
    plant.title = LimitMemoryText(title);
    plant.caption = plant.title;
}

} // namespace zelvar
