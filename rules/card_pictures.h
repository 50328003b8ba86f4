// Plain card pictures, 71 x 96 pixels, drawn with QPainter until the game's own card art exists.
#pragma once
#include <QImage>

namespace rules {

// picture: 189 + card (1..52) for a face, 100 or 265 for the back.
QImage CardPicture(int picture);

} // namespace rules
