// The cloth colour from "color.def".
#pragma once
#include "platform/colour.h"

#include <string>

namespace render {

inline constexpr platform::COLORREF DefaultClothColour = platform::PALETTERGB(0, 128, 64);

// Three positional fields of three characters: red, green, blue. A field that does not start
// with digits (after blanks) is 0; each number keeps its low 8 bits; a field cut short by the end
// of the file ends there. False for an empty file, which is no colour file.
bool ParseClothColour(const std::string& bytes, platform::COLORREF& colour);

// Reads the file; a missing, unreadable or empty file keeps the default cloth (0, 128, 64).
platform::COLORREF LoadClothColour(const std::string& path = "color.def");

} // namespace render
