// Logical palettes, nearest-entry matching, and the display depth that decides whether they matter.
#pragma once
#include "platform/colour.h"

#include <cstdint>
#include <vector>

namespace platform {

constexpr uint8_t PC_RESERVED = 0x01;

struct PaletteEntry {
    uint8_t red = 0, green = 0, blue = 0, flags = 0;
};

class Palette {
public:
    Palette() = default;
    explicit Palette(std::vector<PaletteEntry> entries) : entries_(std::move(entries)) {}
    const std::vector<PaletteEntry>& Entries() const { return entries_; }
    int Size() const { return int(entries_.size()); }
    // The entry closest to the colour by squared distance in RGB; the lowest index wins a tie.
    // -1 for an empty palette.
    int NearestIndex(COLORREF colour) const;
    COLORREF EntryColour(int index) const;
private:
    std::vector<PaletteEntry> entries_;
};

// The table's 128-entry palette: white, the 5-level colour cube (red slowest), two blacks.
Palette BuildGamePalette();

// Bits per pixel of the display the game believes it draws on: $VELKARO_DISPLAY_BPP when set
// (8 emulates a 256-colour palette display), else 32. Planes are always 1.
int DisplayBitsPerPixel();
int DisplayPlanes();
// Tests switch the emulated depth without the environment; 0 goes back to the environment.
void SetDisplayBitsPerPixelForTest(int bitsPerPixel);
// True when palette-matched colours must be drawn as their nearest palette entry.
bool IsPaletteDisplay();

} // namespace platform
