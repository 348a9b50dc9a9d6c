#pragma once

#include <cstdint>

namespace zelvar {

// A colour as the plant file stores it: 0x00BBGGRR, or a system colour 0xFF000000 + index.
using PlantColour = std::int32_t;
inline constexpr PlantColour kColourRed = 0x0000FF;
inline constexpr PlantColour kColourLime = 0x00FF00;

} // namespace zelvar
