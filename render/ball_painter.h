// Balls: one ball with its colour, stripe and number mark, erasing a ball, all balls, the
// pocketed-ball rack under the table, and a ball lying in its pocket.
#pragma once
#include "render/canvas.h"

namespace render {

// The body colour of ball `id` (0 the cue ball, white).
platform::COLORREF BallColour(int id);

// 0..7 from the ball's motion record: which number mark shows while it rolls.
int RollingPhase(const table::BallMotion& m);

// Which of the three number fonts (largest first) a ball in this phase is numbered with; the
// smallest balls always use the largest.
int NumberFontIndex(int phase, int ballDiameter);

void DrawBall(Canvas& c, int x, int y, int id);
// Paints cloth over the ball drawn at (x, y), then what it covered: spots, other balls, and the
// head-string line while the cue ball is being placed.
void EraseBall(Canvas& c, int x, int y);
void DrawAllBalls(Canvas& c);
void DrawPocketedRack(Canvas& c);
// Erases ball `id` where it was last drawn (PrevPos) and draws it in pocket p.
void DrawPocketedBall(Canvas& c, int id, int p);

} // namespace render
