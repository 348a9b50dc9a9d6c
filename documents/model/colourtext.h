#pragma once

#include "documents/model/plantpicture.h"

#include <string>
#include <string_view>

namespace zelvar {

// Colours in the plant file: a named colour ("clRed", "clBtnFace", ...) when the value has a
// name, otherwise "$" and eight upper-case hexadecimal digits.
std::string ColourToText(PlantColour colour);
// A name or any whole number ParseInteger accepts ("$FF" too); anything else is black.
PlantColour ColourFromText(std::string_view text);

} // namespace zelvar
