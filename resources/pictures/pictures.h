// The game's pictures by resource id: bitmaps (tiles, cards), icons (cue balls) and cursors.
#pragma once
#include <QCursor>
#include <QImage>
#include <QPoint>

namespace resources {

// Bitmap ids: tiles 141 background, 124 rail, 130 cushion fill, 132 card strip; card faces
// 190..241 (189 + card), card back 265. A null image for an unknown id.
QImage Bitmap(int id);
// Icon ids: the cue-ball pictures (32 x 32 with transparency).
QImage Icon(int id);

struct CursorPicture {
    QImage image;  // 32 x 32 with transparency; null for an unknown id
    QPoint hotSpot;
};
// Cursor ids: 103 aiming hand, 129 busy, 187 push cross, 146/148/147/149 cue-ball cursors.
CursorPicture Cursor(int id);
// The same as a Qt cursor (needs the GUI application); the arrow for an unknown id.
QCursor LoadCursor(int id);

inline constexpr int CardBackPicture = 265;
inline constexpr int CardFacePictureBase = 189;

} // namespace resources
