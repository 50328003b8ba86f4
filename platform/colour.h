// Colour values as the drawing code passes them: 0x00BBGGRR, with the palette-matched flag.
#pragma once
#include <cstdint>

namespace platform {

using COLORREF = uint32_t;

constexpr COLORREF RGB(int r, int g, int b)
{
    return COLORREF(r & 0xFF) | (COLORREF(g & 0xFF) << 8) | (COLORREF(b & 0xFF) << 16);
}
// A colour matched to the nearest entry of the selected palette on a palette display.
constexpr COLORREF PALETTERGB(int r, int g, int b) { return 0x02000000u | RGB(r, g, b); }
// Entry i of the selected palette.
constexpr COLORREF PALETTEINDEX(int i) { return 0x01000000u | COLORREF(i & 0xFFFF); }

constexpr int GetRValue(COLORREF c) { return int(c & 0xFF); }
constexpr int GetGValue(COLORREF c) { return int((c >> 8) & 0xFF); }
constexpr int GetBValue(COLORREF c) { return int((c >> 16) & 0xFF); }

constexpr COLORREF CLR_INVALID = 0xFFFFFFFFu;

} // namespace platform
