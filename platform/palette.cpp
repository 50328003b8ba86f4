// Palette matching and the emulated display depth.
#include "platform/palette.h"

#include <cstdlib>

namespace platform {

namespace {
int bppOverride = 0;
}

int Palette::NearestIndex(COLORREF colour) const
{
    const int r = GetRValue(colour), g = GetGValue(colour), b = GetBValue(colour);
    int best = -1;
    int bestDistance = 0;
    for (int i = 0; i < Size(); ++i) {
        const PaletteEntry& e = entries_[size_t(i)];
        const int dr = e.red - r, dg = e.green - g, db = e.blue - b;
        const int distance = dr * dr + dg * dg + db * db;
        if (best < 0 || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

COLORREF Palette::EntryColour(int index) const
{
    if (index < 0 || index >= Size())
        return RGB(0, 0, 0);
    const PaletteEntry& e = entries_[size_t(index)];
    return RGB(e.red, e.green, e.blue);
}

Palette BuildGamePalette()
{
    static constexpr uint8_t kLevels[5] = {0, 64, 128, 192, 255};
    std::vector<PaletteEntry> entries(128);
    entries[0] = {255, 255, 255, PC_RESERVED};
    for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 5; ++j)
            for (int k = 0; k < 5; ++k)
                entries[size_t(1 + 25 * i + 5 * j + k)] = {kLevels[i], kLevels[j], kLevels[k], PC_RESERVED};
    entries[126] = {0, 0, 0, 0};
    entries[127] = {0, 0, 0, 0};
    return Palette(std::move(entries));
}

int DisplayBitsPerPixel()
{
    if (bppOverride > 0)
        return bppOverride;
    static const int fromEnvironment = [] {
        const char* value = std::getenv("VELKARO_DISPLAY_BPP");
        const int bpp = value ? std::atoi(value) : 0;
        return bpp > 0 ? bpp : 32;
    }();
    return fromEnvironment;
}

int DisplayPlanes() { return 1; }

void SetDisplayBitsPerPixelForTest(int bitsPerPixel) { bppOverride = bitsPerPixel; }

bool IsPaletteDisplay() { return DisplayBitsPerPixel() <= 8; }

} // namespace platform
