// The cue stick (exclusive-or), the push-mode cue and the contact mark on the cue ball.
#pragma once
#include "render/canvas.h"

namespace render {

// The cue for pointer point p and the cue ball at top-left b; drawing it again removes it.
void DrawCue(Canvas& c, table::Point p, table::Point b);
// Push mode: removes the cue at DrawnPushOffset and, for dir >= -0.5, draws it at PushOffset.
void DrawPushCue(Canvas& c, float dir);
// The cue ball and the red cross at the chosen contact point (normal drawing).
void DrawContactMark(Canvas& c);

// Where the cue ball would stand v diameters back from centre (cx, cy) along unit vector
// (ux, uy): the top-left position the stroke animation and the push cue draw the cue for.
table::Point PulledBackBall(float ux, float uy, int diameter, float v, int cx, int cy);

} // namespace render
