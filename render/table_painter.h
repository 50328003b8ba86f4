// The full table paint and its pieces: rail, cloth, pocket mouths, cushions, pockets, diamonds,
// spots and the head-string line.
#pragma once
#include "render/canvas.h"

namespace render {

// The whole table, in its fixed order, ending with the balls, the caption and the music.
void DrawTable(Canvas& c);
// The table under the balls up to the pockets: background, rail, cloth, pocket mouths, cushions
// and the pockets, after laying the table out for the client size.
void DrawTableBed(Canvas& c);
// The six pockets; on a full repaint (RedrawTable) their rectangles are laid out first.
void DrawPockets(Canvas& c);
// The rail diamonds, the first-paint card show, then the card strip.
void DrawDiamonds(Canvas& c);
// The rail diamonds alone.
void DrawDiamondMarks(Canvas& c);
// The three spots (laid out on the first call), then the head-string line while it is wanted.
void DrawSpots(Canvas& c, int a);
void DrawHeadLine(Canvas& c, int a);

// The spots' and the head-string line's inset for the ball size.
int SpotInset(const table::TableGeometry& g);

// Menu command 32768 "残像ｸﾘｱ(&D)": the whole table again, which removes every trace left by
// moving balls and by the cue.
inline constexpr int ClearAfterimagesCommand = 32768;
void ClearAfterimages(Canvas& c);

// One spot ring in its square.
void DrawSpot(Canvas& c, const table::Rect& square);

} // namespace render
