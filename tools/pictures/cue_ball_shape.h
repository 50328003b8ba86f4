// The shaded cue ball shared by the cue-ball pictures and the cue-ball cursors.
#pragma once
#include <QImage>

namespace pictures {

// A ball `size` pixels across with its top-left at (left, top); the red mark at the bottom for
// phase 0, left 1, top 2, right 3, none for any other value.
void PaintCueBall(QImage& image, int left, int top, int size, int markPhase);

} // namespace pictures
