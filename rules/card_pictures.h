// Card pictures, 71 x 96 pixels: the game's card art, or plain drawn cards where it is not built.
#pragma once
#include <QImage>

namespace rules {

// picture: 189 + card (1..52) for a face, 100 or 265 for the back.
// Drawn with QPainter when the game's pictures are not part of the build.
QImage CardPicture(int picture);

} // namespace rules
