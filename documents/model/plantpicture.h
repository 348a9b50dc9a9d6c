#pragma once

#include "instruments/model/plantcolour.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace zelvar {

// Where an object's icon stands on the plant picture and what it shows.
struct PlantIcon
{
    std::string caption;
    int left = 0;
    int top = 0;
    bool visible = false;
    int labelTop = 0;           // an animated text's name label, above its value label
    PlantColour textColour = 0; // a controller's caption: blue in automatic, red in manual
    std::string label;          // an animated text's name label
};

// An inventory check box of the configuration window: ticked shows the object's icon.
struct InventoryEntry
{
    bool checked = false;
    std::string caption; // placeholder while the slot is free
};

// One of the six slider inputs, driving memory M(14 + k). The group is the background
// TrackBack<k> at (top, left) with its name, value edit and slider inside.
struct SliderInput
{
    bool shown = false;     // Ent<k>Check: the group shows
    std::string name;       // Ent<k>Label; also TrackLabel<k> and the memory's description
    bool tallSlider = true; // Ent<k>Track: the slider itself shows, the group is 60 high
    // TrackBar<k> shows with the group; unticking the tall box hides it until the group is
    // shown again. Not in the file: a read plant follows the tall box.
    bool barShown = true;
    int top = 0;
    int left = 844;
    int backWidth = 117; // widened by names longer than six characters, never narrowed
    int barWidth = 105;
    int textOffset = 52;   // TrackText<k>'s left, from the group's left; follows the name
    int position = 0;      // TrackBar<k>: 0 to 10000, the memory being position / 100
    std::string valueText; // TrackText<k>: the engineering value shown
};

// One of the five animated shapes (Shape<k>, Imagem<k>... on the configuration window).
struct AnimatedShape
{
    bool shown = false;                // Imagem<k>Check
    bool controlsEnabled = false;      // the lists and colours, enabled by the first tick
    int kind = 0;                      // Imagem<k>Tipo: 0 circle, 1 rectangle, -1 none
    int memoryIndex = 0;               // Imagem<k>Var item index: memory index + 1
    int size = 50;                     // Imagem<k>Tam: height (circle) or scale x 50
    int width = 50;                    // Imagem<k>TamW
    PlantColour colour1 = kColourRed;  // Imagem<k>Cor1
    PlantColour colour2 = kColourLime; // Imagem<k>Cor2
    int baseTop = 0;                   // ShapeBaseTop<k>
    int left = 0;
    double scale = 1.0; // ShapeScale<k>: pixels per percent of a rectangle
};

// The memory that drives a shape: its list shows "1" to "99" from item 0.
inline int ShapeMemory(const AnimatedShape &shape)
{
    return shape.memoryIndex + 1;
}

// How a shape shows memory value M:
//   circle (kind 0):    an ellipse width x size at (left, baseTop), colour1 while M is
//                       exactly 0, colour2 otherwise;
//   rectangle (kind 1): a bar width wide filled with colour1, height M x scale and top
//                       baseTop + (100 - M) x scale, so its bottom edge stays at
//                       baseTop + 100 x scale and it grows upwards with M.
// Pixels are rounded halves to even and kept within what a window system can place; a
// negative M gives an empty bar. Any other kind gives nothing: the picture keeps what it showed.
struct ShapeAppearance
{
    bool ellipse = true;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    PlantColour colour = kColourRed;
};
std::optional<ShapeAppearance> AppearanceOf(const AnimatedShape &shape, double memoryValue);

// One of the two switches (M11, M12): eight pictures, two per orientation.
struct PlantSwitch
{
    bool shown = false;  // Chave<k>Check
    int orientation = 0; // Chave<k>Tipo: 0 left, 1 up, 2 right, 3 down, -1 none
    int top = 0;
    int left = 0;
    int visiblePicture = 0; // 1..8, 0 for none
};

// One of the three push buttons of the command panel (M97 to M99).
struct PushButton
{
    bool checked = false; // Botao<k>_check
    std::string textOff;  // Edit2/4/6: shown while the memory is 0
    std::string textOn;   // Edit3/5/7
    std::string name;     // Edit8/9/10
};

} // namespace zelvar
