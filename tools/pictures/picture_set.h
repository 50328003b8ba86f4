// The pictures the generator makes: kind, resource id, image and (for cursors) hot spot.
#pragma once
#include <QImage>
#include <QPoint>

#include <vector>

namespace pictures {

enum class Kind : int { Bitmap = 0, Icon = 1, Cursor = 2 };

struct Picture {
    Kind kind;
    int id;
    QImage image;
    QPoint hotSpot;  // cursors only
    const char* name;  // file name stem of the PNG written beside the data
};

// Each maker appends its pictures.
void MakeTiles(std::vector<Picture>& out);
void MakeCards(std::vector<Picture>& out);
void MakeCueBalls(std::vector<Picture>& out);
void MakeCursors(std::vector<Picture>& out);

// A picture from a letter grid: each letter names a colour in `legend` ("k" black ...); '.' and
// ' ' are transparent. Rows may be shorter than `width`; the rest is transparent.
struct LetterColour {
    char letter;
    QRgb rgb;
};
QImage FromLetterGrid(const char* const* rows, int rowCount, int width, int height,
                      const LetterColour* legend, int legendCount);

} // namespace pictures
