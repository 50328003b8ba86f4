// The game's font faces on this system, and font descriptions turned into Qt fonts.
#pragma once
#include "platform/gdi_objects.h"

#include <QFont>

namespace platform {

// Maps the faces the game names (the Japanese Mincho and Gothic faces, the dialog sans-serif faces)
// onto the IPA fonts. Call once at start-up, before any widget is made.
void InstallFontSubstitutions();

// The IPA family a game face resolves to (for tests and for checks at start-up).
QString SubstituteFamily(const std::string& face);

// A Qt font for `font` whose height, converted to pixels, is pixelHeight (sign as in CFont).
// `aliased` turns antialiasing off, as on the game's surface.
QFont MakeQFont(const CFont& font, int pixelHeight, bool aliased);

} // namespace platform
