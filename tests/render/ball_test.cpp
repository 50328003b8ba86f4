// Balls: colours and stripes, the number marks by rolling phase and window width, the cue ball's
// picture, erasing, the pocketed-ball rack and the palette-matched colours of an 8-bit display.
#include "render_fixture.h"
#include "resources/pictures/pictures.h"

#include <gtest/gtest.h>

namespace {

using rendertest::Table;

constexpr QRgb kCloth = 0x008040, kWhite = 0xFFFFFF, kBlack = 0x000000, kSilver = 0xC0C0C0;

// A table with nothing on the cloth, for drawing one ball at a time.
struct EmptyTable : Table {
    EmptyTable(int w = 800, int h = 560, int frameWidth = 0) : Table(w, h, frameWidth)
    {
        for (int id = 0; id <= table::LastBall; ++id)
            t.Document.BallPos[id] = {table::OffTable, 0};
        t.Shot.CueBallTrack = {table::OffTable, 0};
        view.PlacementState = 2;
        render::DrawTable(canvas);
    }
};

TEST(RollingPhase, StepCountAndDirection)
{
    struct Case { int steps, stepCount, dirY, phase; };
    const Case cases[] = {
        {0, 5, -250, 0}, {10, 0, -250, 0}, {10, 1, -250, 1}, {10, 2, -250, 2}, {10, 9, -250, 2},
        {10, 6, -250, 6}, {10, 7, -250, 0},
        // Rolling downward: 2 -> 7, 3 -> 6, 6 -> 3; 4 and 5 stay.
        {10, 2, 250, 7}, {10, 3, 250, 6}, {10, 6, 250, 3}, {10, 4, 250, 4}, {10, 5, 250, 5}, {0, 3, 250, 0},
    };
    for (const Case& k : cases) {
        table::BallMotion m;
        m.steps = k.steps;
        m.stepCount = k.stepCount;
        m.dirY = k.dirY;
        EXPECT_EQ(render::RollingPhase(m), k.phase) << k.steps << " " << k.stepCount << " " << k.dirY;
    }
}

TEST(RollingPhase, NumberFontByPhaseAndBallSize)
{
    // Index by phase 0..7: the largest font at rest, the middle one for the turned phases, the
    // smallest for the chords; the smallest balls keep the largest font.
    const int kLarge[8] = {0, 1, 2, 1, 1, 2, 1, 1};
    for (int D : {150, 170, 250, 300})
        for (int phase = 0; phase < 8; ++phase)
            EXPECT_EQ(render::NumberFontIndex(phase, D), D <= 160 ? 0 : kLarge[phase]) << D << " " << phase;
}

struct ColourCase {
    int id;
    QRgb body;
};
const ColourCase kColours[] = {
    {1, 0xC8C81F}, {2, 0x000080}, {3, 0xFF0000}, {4, 0x0000FF}, {5, 0xFF8000}, {6, 0x008040}, {7, 0x804000},
    {8, 0x000000}, {9, 0xC8C81F}, {10, 0x000080}, {11, 0xFF0000}, {12, 0x0000FF}, {13, 0xFF8000},
    {14, 0x008040}, {15, 0x804000},
};

TEST(DrawBall, BodyColoursAndStripes)
{
    EmptyTable tb;
    const int D = tb.t.Geometry.BallDiameter;  // 250: a 25-pixel ball
    for (const ColourCase& k : kColours) {
        const int x = 3000, y = 2500;
        render::EraseBall(tb.canvas, x, y);
        render::DrawBall(tb.canvas, x, y, k.id);
        const int cx = (x + D / 2) / 10, cy = (y + D / 2) / 10;
        // Left of the number, on the ball's middle row: the body colour, striped or not.
        EXPECT_EQ(tb.Pixel(cx - 9, cy), k.body) << "ball " << k.id;
        // Near the top: the body of a solid ball, white above a stripe's band.
        EXPECT_EQ(tb.Pixel(cx, cy - 10), k.id <= 8 ? k.body : kWhite) << "ball " << k.id;
        if (k.id >= 9) {
            EXPECT_EQ(tb.Pixel(cx - 12, cy), kSilver) << "ball " << k.id;  // the outline
        }
        // The shadow lies 3 pixels down and right.
        EXPECT_EQ(tb.Pixel(cx + 14, cy + 8), kBlack) << "ball " << k.id;
        // The white disc of a wide window behind the number.
        int white = 0;
        for (int py = cy - 4; py < cy + 4; ++py)
            for (int px = cx - 4; px < cx + 4; ++px)
                white += tb.Pixel(px, py) == kWhite;
        EXPECT_GE(white, 24) << "ball " << k.id;
    }
    // The stripe's fill stayed inside the ball.
    render::EraseBall(tb.canvas, 3000, 2500);
    EXPECT_EQ(tb.Pixel(200, 200), kCloth);
}

TEST(DrawBall, StripesStayInsideTheirBallAtEverySizeAndPhase)
{
    struct Size { int w, h, frame; };
    for (Size sz : {Size{632, 413, 0}, Size{692, 500, 7000}, Size{800, 560, 0}, Size{1798, 1010, 0}}) {
        EmptyTable tb(sz.w, sz.h, sz.frame);
        const QImage before = tb.surface.Image().copy();
        const int D = tb.t.Geometry.BallDiameter;
        for (int id = 9; id <= 15; ++id)
            for (int phase = 0; phase < 8; ++phase) {
                tb.t.Motion.Motion[id] = {};
                tb.t.Motion.Motion[id].steps = 10;
                tb.t.Motion.Motion[id].stepCount = phase == 7 ? 2 : phase;
                tb.t.Motion.Motion[id].dirY = phase == 7 ? D : -D;
                render::DrawBall(tb.canvas, 2000 + phase * (D + 100), 2000, id);
            }
        // Everything outside the row of balls and their shadows is as it was.
        const int top = 200, bottom = (2000 + D + 40) / 10;
        for (int y = 0; y < tb.surface.Image().height(); y += 7)
            for (int x = 0; x < tb.surface.Image().width(); x += 7)
                if (y < top || y > bottom) {
                    ASSERT_EQ(tb.Pixel(x, y), before.pixel(x, y) & 0xFFFFFFu) << sz.w << ": " << x << "," << y;
                }
    }
}

TEST(DrawBall, NarrowWindowShowsNoDiscAndADotForPhaseOne)
{
    // A window 700 pixels wide: FrameWidth 7000.
    EmptyTable tb(692, 500, 7000);
    const int D = tb.t.Geometry.BallDiameter, r = D / 2;
    ASSERT_GT(D, 160);
    const int x = 3000, y = 2500, cx = (x + r) / 10, cy = (y + r) / 10;
    render::DrawBall(tb.canvas, x, y, 4);
    // The number is white on the blue body with no disc around it.
    int white = 0;
    for (int py = cy - r / 10; py < cy + r / 10; ++py)
        for (int px = cx - r / 10; px < cx + r / 10; ++px)
            white += tb.Pixel(px, py) == kWhite;
    EXPECT_GT(white, 3);
    EXPECT_EQ(tb.Pixel(cx - 6, cy - 5), 0x0000FFu);

    // Phase 1: a single white dot up and right of the centre.
    tb.t.Motion.Motion[4].steps = 10;
    tb.t.Motion.Motion[4].stepCount = 1;
    render::EraseBall(tb.canvas, x, y);
    render::DrawBall(tb.canvas, x, y, 4);
    white = 0;
    for (int py = y / 10; py < (y + D) / 10; ++py)
        for (int px = x / 10; px < (x + D) / 10; ++px)
            white += tb.Pixel(px, py) == kWhite;
    EXPECT_GE(white, 1);
    EXPECT_LE(white, 4);
}

TEST(DrawBall, EightShowsAWhiteNumberOnBlackOnlyOnDeepDisplays)
{
    for (auto [bpp, expectWhite] : {std::pair{8, true}, std::pair{4, false}}) {
        platform::SetDisplayBitsPerPixelForTest(bpp);
        EmptyTable tb(692, 500, 7000);
        const int r = tb.t.Geometry.BallRadius;
        render::DrawBall(tb.canvas, 3000, 2500, 8);
        int white = 0;
        for (int py = (2500 + r) / 10 - 6; py < (2500 + r) / 10 + 6; ++py)
            for (int px = (3000 + r) / 10 - 6; px < (3000 + r) / 10 + 6; ++px)
                white += tb.Pixel(px, py) == kWhite;
        EXPECT_EQ(white > 0, expectWhite) << bpp;
    }
    platform::SetDisplayBitsPerPixelForTest(0);
}

TEST(DrawBall, PaletteDisplayDrawsTheNearestCubeColour)
{
    for (auto [bpp, expected] : {std::pair{8, QRgb(0xC0C000)}, std::pair{32, QRgb(0xC8C81F)}}) {
        platform::SetDisplayBitsPerPixelForTest(bpp);
        EmptyTable tb;
        render::DrawBall(tb.canvas, 3000, 2500, 1);
        EXPECT_EQ(tb.Pixel(300 + 12 - 9, 250 + 12), expected) << bpp;
    }
    platform::SetDisplayBitsPerPixelForTest(0);
}

TEST(DrawBall, ChordMarksAndTurnedAwayNumbers)
{
    EmptyTable tb;
    const int x = 3000, y = 2500, cx = 312, cy = 262;
    // White pixels of ball 4 in its upper-right and lower-left quarters.
    auto whiteIn = [&](int sx, int sy) {
        int n = 0;
        for (int py = cy; py != cy + sy * 13; py += sy)
            for (int px = cx; px != cx + sx * 13; px += sx)
                n += tb.Pixel(px, py) == kWhite;
        return n;
    };
    struct Case { int stepCount, dirY; bool upperRight, lowerLeft; };
    const Case cases[] = {
        {2, -250, true, false},   // phase 2: a sliver on the upper-right rim
        {5, -250, false, true},   // phase 5: the same, mirrored
        {2, 250, false, false},   // phase 7: the number is turned away
        {3, -250, false, false},  // phase 3
        {4, 250, false, false},   // phase 4
    };
    for (const Case& k : cases) {
        tb.t.Motion.Motion[4] = {};
        tb.t.Motion.Motion[4].steps = 10;
        tb.t.Motion.Motion[4].stepCount = k.stepCount;
        tb.t.Motion.Motion[4].dirY = k.dirY;
        render::EraseBall(tb.canvas, x, y);
        render::DrawBall(tb.canvas, x, y, 4);
        EXPECT_EQ(whiteIn(1, -1) > 2, k.upperRight) << k.stepCount << " " << k.dirY;
        EXPECT_EQ(whiteIn(-1, 1) > 2, k.lowerLeft) << k.stepCount << " " << k.dirY;
        EXPECT_EQ(tb.Pixel(cx, cy), 0x0000FFu) << k.stepCount << " " << k.dirY;
    }
}

TEST(DrawBall, CueBallIsItsPictureUpTo280AndSolidWhiteBeyond)
{
    {
        EmptyTable tb;
        tb.t.Motion.Motion[0].steps = 5;
        tb.t.Motion.Motion[0].stepCount = 2;  // phase 2: the mark at the top
        render::DrawBall(tb.canvas, 3000, 2500, 0);
        const QImage picture = resources::Icon(148);
        for (QPoint p : {QPoint(12, 1), QPoint(12, 12), QPoint(12, 23)})
            EXPECT_EQ(tb.Pixel(300 + p.x(), 250 + p.y()), picture.pixel(p) & 0xFFFFFFu);
        EXPECT_EQ(tb.Pixel(300 + 12, 250 + 27), kCloth);  // no shadow
    }
    {
        EmptyTable tb(1798, 1010);
        ASSERT_EQ(tb.t.Geometry.BallDiameter, 300);
        render::DrawBall(tb.canvas, 3000, 2500, 0);
        EXPECT_EQ(tb.Pixel(315, 265), kWhite);
        EXPECT_EQ(tb.Pixel(328, 278), kBlack);  // shadow
    }
}

TEST(EraseBall, RedrawsWhatTheClothCovered)
{
    EmptyTable tb;
    const table::TableGeometry& g = tb.t.Geometry;
    const int D = g.BallDiameter;
    // Ball 5 sits just right of where ball 3 was; a ball only 10 LU into the rectangle stays cut.
    tb.t.Document.BallPos[5] = {3000 + D, 2500};
    tb.t.Document.BallPos[6] = {3000 - D - 40 + 10, 2500};
    render::DrawBall(tb.canvas, 3000 + D, 2500, 5);
    tb.t.Shot.CurrentBall = 3;
    const QImage before = tb.surface.Image().copy();
    render::DrawBall(tb.canvas, 3000, 2500, 3);
    render::EraseBall(tb.canvas, 3000, 2500);
    const int cx5 = (3000 + D + D / 2) / 10, cy = (2500 + D / 2) / 10;
    EXPECT_EQ(tb.Pixel(cx5 - 9, cy), 0xFF8000u);
    EXPECT_EQ(tb.Pixel((3000 + D / 2) / 10, cy), kCloth);
    // The spot under a ball comes back.
    const table::Rect s = g.CentreSpot;
    tb.t.Shot.CurrentBall = 9;
    render::DrawBall(tb.canvas, s.left, s.top, 9);
    render::EraseBall(tb.canvas, s.left, s.top);
    EXPECT_EQ(tb.Pixel((s.left + s.right) / 20, (s.top + s.bottom) / 20), kWhite);
    EXPECT_EQ(tb.Pixel(s.left / 10 + 1, (s.top + s.bottom) / 20), 0x000080u);
    (void)before;
}

TEST(PocketedRack, PlayerOneFromTheLeftPlayerTwoFromTheRight)
{
    EmptyTable tb;
    const int D = tb.t.Geometry.BallDiameter;
    table::PlaceRack(tb.t.Geometry, tb.t.Document.BallPos);
    tb.t.Document.BallPos[3] = {table::OffTable, 1};
    tb.t.Document.BallPos[7] = {table::OffTable, 2};
    tb.t.Document.BallPos[9] = {table::OffTable, 1};
    tb.t.Document.BallPos[12] = {table::OffTable, 2};
    render::DrawPocketedRack(tb.canvas);
    const int y = (5600 - D - 1 + D / 2) / 10;
    struct Probe { int leftLu; QRgb body; };
    for (Probe p : {Probe{50, 0xFF0000}, Probe{50 + D, 0xC8C81F}, Probe{8000 - 50 - D, 0x804000},
                    Probe{8000 - 50 - 2 * D, 0x0000FF}})
        EXPECT_EQ(tb.Pixel(p.leftLu / 10 + 3, y), p.body) << p.leftLu;
}

TEST(PocketedBall, LiesCentredInItsPocket)
{
    EmptyTable tb;
    const table::TableGeometry& g = tb.t.Geometry;
    tb.t.Shot.PrevPos = {3000, 2500};
    tb.t.Shot.CurrentBall = 4;
    render::DrawBall(tb.canvas, 3000, 2500, 4);
    render::DrawPocketedBall(tb.canvas, 4, 5);
    EXPECT_EQ(tb.Pixel(312 - 9, 262), kCloth);
    const table::Rect& p = g.PocketRect[5];
    EXPECT_EQ(tb.Pixel((p.left + p.right) / 20 - 9, (p.top + p.bottom) / 20), 0x0000FFu);
}

} // namespace
