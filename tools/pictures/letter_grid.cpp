// Pictures from letter grids.
#include "picture_set.h"

#include <cstring>

namespace pictures {

QImage FromLetterGrid(const char* const* rows, int rowCount, int width, int height,
                      const LetterColour* legend, int legendCount)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < rowCount && y < height; ++y) {
        const int length = int(std::strlen(rows[y]));
        for (int x = 0; x < length && x < width; ++x) {
            for (int i = 0; i < legendCount; ++i) {
                if (legend[i].letter == rows[y][x]) {
                    image.setPixel(x, y, 0xFF000000u | legend[i].rgb);
                    break;
                }
            }
        }
    }
    return image;
}

} // namespace pictures
