// The view's cursors: aiming hand, hourglass, push cross and the four cue-ball cursors.
#include "cue_ball_shape.h"
#include "picture_set.h"

#include <cmath>
#include <cstdlib>

namespace pictures {

namespace {

constexpr LetterColour kCursorLetters[] = {
    {'k', qRgb(0, 0, 0)}, {'w', qRgb(255, 255, 255)},
};

// A pointing hand; the tip of the index finger is the hot spot (12, 1).
constexpr const char* kHand[] = {
    "           kk",
    "          kwwk",
    "          kwwk",
    "          kwwk",
    "          kwwk",
    "          kwwkkk",
    "          kwwkwwkkk",
    "          kwwkwwkwwkk",
    "       kk kwwkwwkwwkwk",
    "      kwwkkwwwwwwwwkwwk",
    "      kwwwkwwwwwwwwwwwk",
    "       kwwkwwwwwwwwwwwk",
    "        kwwwwwwwwwwwwwk",
    "        kwwwwwwwwwwwwk",
    "         kwwwwwwwwwwwk",
    "         kwwwwwwwwwwk",
    "          kwwwwwwwwwk",
    "          kwwwwwwwwk",
    "           kwwwwwwwk",
    "           kkkkkkkkk",
};

// A thin plus sign, 10 x 10, crossing at the hot spot (5, 4).
constexpr const char* kPushCross[] = {
    "     k", "     k", "     k", "     k", "kkkkkkkkkk", "     k", "     k", "     k", "     k", "     k",
};

QImage Hourglass()
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const QRgb black = qRgb(0, 0, 0), gold = qRgb(230, 180, 30), silver = qRgb(192, 192, 192),
               sand = qRgb(200, 160, 60);
    auto cap = [&](int top) {
        for (int y = top; y < top + 4; ++y)
            for (int x = 5; x <= 26; ++x)
                image.setPixel(x, y, 0xFF000000u | ((y == top || y == top + 3 || x == 5 || x == 26) ? black : gold));
    };
    // The glass narrows from the caps to a waist at row 16.
    for (int y = 7; y <= 25; ++y) {
        const int half = 2 + std::abs(y - 16) * 7 / 9;
        const int left = 15 - half, right = 16 + half;
        for (int x = left; x <= right; ++x) {
            QRgb c = silver;
            if (x == left || x == right)
                c = black;
            else if ((y >= 21 && y <= 25) || (y >= 10 && y <= 12 && std::abs(x - 15) < half - 1))
                c = sand;
            image.setPixel(x, y, 0xFF000000u | c);
        }
    }
    cap(4);
    cap(25);
    return image;
}

QImage CueBallCursor(int size)
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    // The shadow lies two pixels down and right of the ball.
    const double radius = size / 2.0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const double dx = x + 0.5 - (radius + 2), dy = y + 0.5 - (radius + 2);
            if (dx * dx + dy * dy <= radius * radius)
                image.setPixel(x, y, qRgba(64, 64, 64, 160));
        }
    PaintCueBall(image, 0, 0, size, 0);
    return image;
}

} // namespace

void MakeCursors(std::vector<Picture>& out)
{
    out.push_back({Kind::Cursor, 103, FromLetterGrid(kHand, 20, 32, 32, kCursorLetters, 2), {12, 1}, "cursor_hand"});
    out.push_back({Kind::Cursor, 129, Hourglass(), {15, 16}, "cursor_busy"});
    out.push_back({Kind::Cursor, 187, FromLetterGrid(kPushCross, 10, 32, 32, kCursorLetters, 2), {5, 4},
                   "cursor_push"});
    out.push_back({Kind::Cursor, 146, CueBallCursor(25), {12, 12}, "cursor_cueball_25"});
    out.push_back({Kind::Cursor, 148, CueBallCursor(21), {10, 10}, "cursor_cueball_21"});
    out.push_back({Kind::Cursor, 147, CueBallCursor(17), {8, 8}, "cursor_cueball_17"});
    out.push_back({Kind::Cursor, 149, CueBallCursor(15), {7, 7}, "cursor_cueball_15"});
}

} // namespace pictures
