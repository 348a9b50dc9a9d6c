#pragma once

#include "documents/model/plant.h"
#include "engine/model/language.h"

#include <memory>
#include <string>
#include <string_view>

namespace zelvar {

// What the configuration window and the plant picture do to a plant, with the side effects
// their handlers have, so that a window only forwards the user's action and mirrors the
// result (and the plant reader can do the same as a user would).

enum class ObjectPool { Controllers, Processes, Blocks, Recorders, AnimatedTexts };

// Object numbers: controllers 1-10, processes 21-40 and 71-74, blocks 41-60 and 75-78,
// animated texts 101-120, recorders 201-210.
int ObjectNumberOf(ObjectPool pool, int slot);
int SlotCount(ObjectPool pool);

// "<vago> Processo 3" and so on; only the controllers' placeholder follows the language
// after a delete, while start-up and reset give every pool the language's placeholder.
std::string InventoryPlaceholder(ObjectPool pool, int slot, Language language);

// The inventory box of a free slot ticked: the object comes to life with its defaults and
// its object number. A present slot is left alone.
void CreateObject(Plant &plant, ObjectPool pool, int slot);
void SetInventoryChecked(Plant &plant, ObjectPool pool, int slot, bool checked);
bool IsPresent(const Plant &plant, ObjectPool pool, int slot);

// Delete mode on the picture: the object leaves the plant (its archive closes), its icon
// hides without caption, its box is unticked and shows the placeholder.
void DeleteObject(Plant &plant, ObjectPool pool, int slot, Language language);

// The inventory boxes of present slots name their object: tag, a blank and description
// (animated texts: the description alone). Free boxes keep their placeholder.
void RefreshObjectCaptions(Plant &plant);

// The English texts of the configuration window that belong to the plant: the placeholders of
// the free slots and the default texts of the three push buttons. Start-up and a reset in
// English give them; the push-button texts are overwritten whatever they hold.
void ApplyEnglishDefaults(Plant &plant);

// Slider inputs 1-6. Showing a group shows its slider too, whatever the tall box says; the
// tall box shows or hides the slider and sets the group's height.
void SetSliderShown(Plant &plant, int k, bool shown);
void SetSliderTall(Plant &plant, int k, bool tall);
// Relabels the slider, describes its memory and widens the group for names over six characters.
void SetSliderName(Plant &plant, int k, std::string_view name);
// Places the group as the plant reader does.
void PlaceSlider(Plant &plant, int k, int top, int left);
// The slider moved (by the user or by code): the memory follows, the edit shows its
// engineering value.
void MoveSlider(Plant &plant, int k, int position);
// Enter in the value edit: a number inside the memory's range moves the slider to it;
// anything else shows the slider's value again. True when the memory changed.
bool EnterSliderValue(Plant &plant, int k, std::string_view text);
// Escape in the value edit.
void RestoreSliderText(Plant &plant, int k);

// Animated shapes 1-5.
void SetShapeShown(Plant &plant, int k, bool shown);
void SetShapeSize(Plant &plant, int k, int size);

// Switches 1-2 (M11, M12).
void SetSwitchShown(Plant &plant, int k, bool shown);
void SetSwitchOrientation(Plant &plant, int k, int orientation);
// The picture the plant reader shows for the switch's memory.
void ShowSwitchPictureForValue(Plant &plant, int k);
// An operator's click: flips the memory and both pictures of every orientation's pair.
void ClickSwitch(Plant &plant, int k);

// Push buttons 1-3 (M97-M99).
void SetPushButtonChecked(Plant &plant, int k, bool checked);
void ClickPushButton(Plant &plant, int k);
// Button k shows on the picture while its box and every box before it are ticked; a box after
// an unticked one is disabled, so its button must not stay in sight.
bool PushButtonShown(const Plant &plant, int k);
// Panel height the shown buttons give: 70, 120, 170, or 0 when the panel hides.
int CommandPanelHeight(const Plant &plant);

// Move mode: places the thing of the object id at the pointer.
void MoveObject(Plant &plant, int objectId, int x, int y);
// The object id of a pooled object's icon: controllers 2-11, processes 23-42 (slots 1-20),
// 16-18 (21-23) and 14 (24), blocks 53-72, 19-21 and 15, recorders 43-52, animated texts 73-92.
int ObjectIdOf(ObjectPool pool, int slot);

// RefreshMainWindow: re-derives the slider texts, the shapes' scale and the caption, colour
// and visibility of every present object's icon from the objects and the inventory boxes.
void RefreshMainWindow(Plant &plant);

// The configuration window's "Título da Simulação" edit: the caption follows it. The title is
// cut as memory texts are.
void SetTitle(Plant &plant, std::string_view title);

// An empty plant as "Novo", "Exemplos" and the open dialog leave it, made from the plant it
// replaces (a few things survive a reset).
std::unique_ptr<Plant> ResetPlant(const Plant &previous, Language language);

// What a reset and a read leave as it was, since it lives as long as the program: the XY
// recorder's choices, the signal generator's working values and the descriptions of the
// actuator positions (entries 101-124, which no plant file holds).
void CarryOverLastingState(Plant &plant, const Plant &previous);

// Called by the plant reader once every record is read: the memories the restored objects
// imply (the linearizer's output among them), and the valve stages the file does not hold
// settled on each process's first step, so a plant saved at rest opens at rest.
// primeValveStages is off only in the test that shows what the file alone would give.
void SettleLoadedPlant(Plant &plant, bool primeValveStages = true);

} // namespace zelvar
