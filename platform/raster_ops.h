// Raster operations on 24-bit colours, hatch patterns and colour-value conversions.
#pragma once
#include "platform/colour.h"

#include <QRgb>

#include <cstdint>

namespace platform {

// 0x00BBGGRR <-> 0x00RRGGBB (the palette flag byte is dropped).
constexpr QRgb ColourToRgb(COLORREF c)
{
    return (QRgb(GetRValue(c)) << 16) | (QRgb(GetGValue(c)) << 8) | QRgb(GetBValue(c));
}
constexpr COLORREF RgbToColour(QRgb rgb) { return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb)); }

// A binary raster operation (R2_*): bit k of (rop - 1) is the result for pen bit P and
// destination bit D with k = 2P + D. Returns the low 24 bits.
constexpr QRgb ApplyRop2(int rop, QRgb pen, QRgb dest)
{
    const uint32_t table = uint32_t(rop - 1) & 0xF;
    const uint32_t p = pen, d = dest;
    uint32_t out = 0;
    if (table & 1) out |= ~p & ~d;
    if (table & 2) out |= ~p & d;
    if (table & 4) out |= p & ~d;
    if (table & 8) out |= p & d;
    return out & 0xFFFFFFu;
}

// A ternary raster operation: bit k of the code's third byte is the result for pattern bit P,
// source bit S and destination bit D with k = 4P + 2S + D.
constexpr QRgb ApplyRop3(uint32_t rop, QRgb pattern, QRgb source, QRgb dest)
{
    const uint32_t table = (rop >> 16) & 0xFF;
    uint32_t out = 0;
    for (int k = 0; k < 8; ++k) {
        if (!(table & (1u << k)))
            continue;
        const uint32_t p = (k & 4) ? pattern : ~pattern;
        const uint32_t s = (k & 2) ? source : ~source;
        const uint32_t d = (k & 1) ? dest : ~dest;
        out |= p & s & d;
    }
    return out & 0xFFFFFFu;
}

// The 8 x 8 hatch patterns, aligned to the surface's origin.
constexpr bool IsHatchPixel(int hatch, int x, int y)
{
    const int hx = x & 7, hy = y & 7;
    switch (hatch) {
    case 0: return hy == 0;                          // horizontal
    case 1: return hx == 0;                          // vertical
    case 2: return hx == hy;                         // forward diagonal, top-left to bottom-right
    case 3: return hx + hy == 7;                     // backward diagonal
    case 4: return hx == 0 || hy == 0;               // cross
    default: return hx == hy || hx + hy == 7;        // diagonal cross
    }
}

} // namespace platform
