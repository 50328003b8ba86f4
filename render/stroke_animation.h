// The cue's pull-back and stroke before every shot, and its pace from the stroke strength.
#pragma once
#include "render/canvas.h"

namespace render {

// The step delay in milliseconds for a stroke strength.
int StrokeDelay(int power);

// Pulls the cue back, forward, back further and through the cue ball at top-left `cue`, for
// pointer point p, waiting e/2 ms between pictures. Nothing remains drawn at the end.
void AnimateCueStroke(Canvas& c, table::Point p, table::Point cue, int e);

} // namespace render
