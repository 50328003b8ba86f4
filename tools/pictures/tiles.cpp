// The four tiles of the table and the card strip, from their letter grids.
#include "picture_set.h"

#include <string>
#include <vector>

namespace pictures {

namespace {

constexpr LetterColour kTileLetters[] = {
    {'k', qRgb(0, 0, 0)},       {'w', qRgb(255, 255, 255)}, {'s', qRgb(192, 192, 192)},
    {'g', qRgb(128, 128, 128)}, {'c', qRgb(0, 191, 191)},   {'r', qRgb(255, 0, 0)},
    {'y', qRgb(255, 255, 0)},   {'o', qRgb(128, 128, 0)},   {'n', qRgb(0, 0, 128)},
    {'G', qRgb(0, 128, 0)},     {'t', qRgb(0, 128, 128)},   {'L', qRgb(0, 255, 0)},
};
constexpr int kTileLetterCount = int(sizeof kTileLetters / sizeof kTileLetters[0]);

constexpr const char* kBackground[] = {
    "ccwsswcc", "cwsssswc", "wssssssw", "ssssssss", "ssssssss", "kssssssk", "cksssskc", "ccksskcc",
};

// The wood block, repeated both ways and cut to 19 x 20.
constexpr const char* kRailBlock[] = {
    "rgrgrgrg", "oggrogog", "rgygrgyg", "ogogogog", "ygrgrgrg", "ogogoggr", "rgygrgyg", "ogogogog",
};

constexpr const char* kCushion[] = {
    "GgGgngngngngng", "nnGGGGwLwtwLwL", "Ggngngngngngng", "GnGGGGwLwLwLwL", "Ggngngngngngng",
    "nnGGGGwLwLwLwL", "Ggngngngngngng", "gtwGGGwLLtwLwL", "ngngngngngngng", "gtwnwtwnwtwnwt",
    "ngngngngngngng", "gtwtwtwtwtwtwt", "ngngngngngngng", "gtwnwtwnwtwnwt", "ngngngngngngng",
};

constexpr const char* kCardStrip[] = {
    "wwwwwwww", "wssssssg", "wssssssg", "wssssssg", "wssssssg", "wssssssg", "wssssssg", "wggggggg",
};

QImage Tile(const char* const* rows, int count, int width, int height)
{
    return FromLetterGrid(rows, count, width, height, kTileLetters, kTileLetterCount)
        .convertToFormat(QImage::Format_RGB32);
}

} // namespace

void MakeTiles(std::vector<Picture>& out)
{
    std::vector<std::string> rail;
    for (int y = 0; y < 20; ++y) {
        std::string row;
        for (int x = 0; x < 19; ++x)
            row += kRailBlock[y % 8][x % 8];
        rail.push_back(row);
    }
    std::vector<const char*> railRows;
    for (const std::string& row : rail)
        railRows.push_back(row.c_str());

    out.push_back({Kind::Bitmap, 141, Tile(kBackground, 8, 8, 8), {}, "tile_background"});
    out.push_back({Kind::Bitmap, 124, Tile(railRows.data(), 20, 19, 20), {}, "tile_rail"});
    out.push_back({Kind::Bitmap, 130, Tile(kCushion, 15, 14, 15), {}, "tile_cushion"});
    out.push_back({Kind::Bitmap, 132, Tile(kCardStrip, 8, 8, 8), {}, "tile_card_strip"});
}

} // namespace pictures
