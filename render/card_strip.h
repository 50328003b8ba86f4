// The card strip along the top of the view, and one card picture.
#pragma once
#include "render/canvas.h"

namespace render {

inline constexpr int CardWidth = 71, CardHeight = 96;
inline constexpr int CardBackValue = 100;  // what callers pass to DrawCard for the back

// The strip's tiled background with its silver edge.
void ClearCardStrip(Canvas& c);
// The background, then both hands unless they are hidden.
void DrawCardStrip(Canvas& c);
// Copies card picture `picture` (189 + card for a face, CardBackValue for the back) unscaled
// with its top-left at pixel (x, y) of the view.
void DrawCard(platform::Surface& surface, int picture, int x, int y);

} // namespace render
