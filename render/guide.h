// The aiming guide: first cushion point, ghost ball, rebound with side spin, and its eraser.
#pragma once
#include "render/canvas.h"

namespace render {

// Computes G1 (kept in PrevPos and GuideFirst) and G2 (GuideSecond) from AimPoint and
// CurrentBallPos and draws the guide in exclusive-or; drawing it again unchanged removes it.
void DrawGuide(Canvas& c);
// Does the cue ball's path from its position to G1 (in PrevPos) meet an object ball? Fills
// ContactPos.
bool GuideHitsBall(table::TableState& t);
// The cue and the stored guide once more, which removes both.
void EraseCueAndGuide(Canvas& c);

// The second cushion point after the rebound of g1 with mirror point m, side spin included.
table::Point GuideRebound(const table::TableState& t, table::Point g1, table::Point m);
// The first cushion point from centre `from` travelling away from `aim` (sets the shot's step
// state as the motion code reads it).
table::Point FirstCushionPoint(table::TableState& t, table::Point aim, table::Point from);

} // namespace render
