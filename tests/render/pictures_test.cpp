// The generated pictures: tiles from their letter grids, cards, cue-ball pictures and cursors.
#include "resources/pictures/pictures.h"

#include <gtest/gtest.h>

#include <set>

namespace {

QRgb Rgb(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFFu; }

TEST(Tiles, SizesAndLettersAtKnownPixels)
{
    struct Probe { int id; int width, height; int x, y; QRgb colour; };
    const Probe probes[] = {
        {141, 8, 8, 0, 0, 0x00BFBF}, {141, 8, 8, 2, 0, 0xFFFFFF}, {141, 8, 8, 0, 5, 0x000000},
        {141, 8, 8, 3, 7, 0xC0C0C0},
        // The wood block repeats every 8 pixels both ways.
        {124, 19, 20, 2, 2, 0xFFFF00}, {124, 19, 20, 10, 2, 0xFFFF00}, {124, 19, 20, 18, 19, 0x808000},
        {124, 19, 20, 0, 9, 0x808000}, {124, 19, 20, 7, 13, 0xFF0000},
        {130, 14, 15, 0, 0, 0x008000}, {130, 14, 15, 4, 0, 0x000080}, {130, 14, 15, 7, 1, 0x00FF00},
        {130, 14, 15, 9, 1, 0x008080}, {130, 14, 15, 13, 14, 0x808080},
        {132, 8, 8, 0, 0, 0xFFFFFF}, {132, 8, 8, 7, 3, 0x808080}, {132, 8, 8, 3, 3, 0xC0C0C0},
        {132, 8, 8, 0, 7, 0xFFFFFF},
    };
    for (const Probe& p : probes) {
        const QImage tile = resources::Bitmap(p.id);
        ASSERT_EQ(tile.size(), QSize(p.width, p.height)) << p.id;
        EXPECT_EQ(Rgb(tile, p.x, p.y), p.colour) << p.id << " at " << p.x << "," << p.y;
    }
}

TEST(Cards, FiftyTwoDistinctFacesAndABackInTheirSuitColours)
{
    std::set<qint64> seen;
    for (int card = 1; card <= 52; ++card) {
        const QImage face = resources::Bitmap(189 + card);
        ASSERT_EQ(face.size(), QSize(71, 96)) << card;
        seen.insert(face.cacheKey() ^ qint64(qHash(QByteArray(reinterpret_cast<const char*>(face.constBits()),
                                                            int(face.sizeInBytes())))));
        int red = 0;
        for (int y = 0; y < 96; ++y)
            for (int x = 0; x < 71; ++x) {
                const QRgb c = Rgb(face, x, y);
                red += qRed(c) > 150 && qGreen(c) < 80 && qBlue(c) < 80;
            }
        const int suit = (card - 1) / 13;
        EXPECT_EQ(red > 40, suit == 1 || suit == 2) << card;
        EXPECT_EQ(Rgb(face, 35, 1), 0xFFFFFFu) << card;  // a white card inside its edge
    }
    EXPECT_EQ(seen.size(), 52u);
    EXPECT_EQ(resources::Bitmap(265).size(), QSize(71, 96));
    EXPECT_TRUE(resources::Bitmap(999).isNull());
}

TEST(CueBallPictures, RedMarkTurnsWithThePhase)
{
    struct Scale { int size; int ids[4]; };
    const Scale scales[] = {
        {28, {112, 158, 159, 160}}, {25, {106, 147, 148, 146}}, {21, {131, 149, 150, 151}},
        {17, {132, 152, 153, 154}}, {15, {134, 155, 156, 157}},
    };
    for (const Scale& s : scales) {
        for (int phase = 0; phase < 4; ++phase) {
            const QImage icon = resources::Icon(s.ids[phase]);
            ASSERT_EQ(icon.size(), QSize(32, 32));
            double sx = 0, sy = 0;
            int n = 0, opaque = 0;
            for (int y = 0; y < 32; ++y)
                for (int x = 0; x < 32; ++x) {
                    if (qAlpha(icon.pixel(x, y)) >= 128)
                        ++opaque;
                    if (Rgb(icon, x, y) == 0xFF0000u) {
                        sx += x + 0.5 - s.size / 2.0;
                        sy += y + 0.5 - s.size / 2.0;
                        ++n;
                    }
                }
            ASSERT_GE(n, 2) << s.size << " phase " << phase;
            sx /= n;
            sy /= n;
            const double edge = s.size / 2.0 - 4;
            const bool placed[4] = {sy > edge, sx < -edge, sy < -edge, sx > edge};  // bottom, left, top, right
            EXPECT_TRUE(placed[phase]) << s.size << " phase " << phase << ": " << sx << "," << sy;
            // The ball alone is drawn, in the top-left corner.
            EXPECT_NEAR(opaque, 3.14159 * s.size * s.size / 4, s.size * 2.0);
            EXPECT_EQ(qAlpha(icon.pixel(31, 31)), 0);
        }
    }
}

TEST(Cursors, HotSpotsOnTheirPictures)
{
    struct Case { int id; QPoint hot; };
    const Case cases[] = {{103, {12, 1}}, {129, {15, 16}}, {187, {5, 4}}, {146, {12, 12}},
                          {148, {10, 10}}, {147, {8, 8}}, {149, {7, 7}}};
    for (const Case& k : cases) {
        const resources::CursorPicture c = resources::Cursor(k.id);
        ASSERT_EQ(c.image.size(), QSize(32, 32)) << k.id;
        EXPECT_EQ(c.hotSpot, k.hot) << k.id;
        EXPECT_GE(qAlpha(c.image.pixel(k.hot)), 128) << k.id;  // the hot spot is on the picture
    }
    EXPECT_TRUE(resources::Cursor(1).image.isNull());
}

} // namespace
