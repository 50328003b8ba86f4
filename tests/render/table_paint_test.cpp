// The full table paint at three window sizes, checked at known pixels.
#include "render_fixture.h"
#include "resources/pictures/pictures.h"

#include <gtest/gtest.h>

namespace {

using rendertest::Table;

constexpr QRgb kBlack = 0x000000, kGrey = 0x808080, kYellow = 0xFFFF00, kWhite = 0xFFFFFF, kNavy = 0x000080,
               kCloth = 0x008040;

struct PaintCase {
    int width, height, diameter;
    QPoint diamondTop, diamondLeft, diamondBottom;  // centres of the first diamond on three rails
    QPoint clothPixel;
    QPoint railPixel, backgroundPixel, stripPixel;
};

const PaintCase kPaintCases[] = {
    {632, 413, 150, {83, 103}, {7, 172}, {83, 391}, {316, 160}, {300, 98}, {300, 410}, {316, 40}},
    {800, 560, 250, {109, 111}, {15, 209}, {109, 524}, {400, 200}, {300, 105}, {400, 552}, {400, 50}},
    {1798, 1010, 300, {236, 114}, {18, 322}, {236, 966}, {900, 300}, {700, 110}, {900, 1000}, {900, 50}},
};

class TablePaint : public testing::TestWithParam<PaintCase> {};

TEST_P(TablePaint, PiecesLieWhereTheLayoutPutsThem)
{
    const PaintCase& pc = GetParam();
    Table tb(pc.width, pc.height);
    ASSERT_EQ(tb.t.Geometry.BallDiameter, pc.diameter);
    // Everything pocketed, so that nothing covers the probes but the rack under the table.
    for (int id = 1; id <= table::LastBall; ++id)
        tb.t.Document.BallPos[id] = {table::OffTable, 0};
    tb.t.Shot.CueBallTrack = {table::OffTable, 0};
    tb.view.PlacementState = 2;
    render::DrawTable(tb.canvas);
    const table::TableGeometry& g = tb.t.Geometry;

    // Pockets: the grey diagonal cross-hatch on black around each centre.
    for (int p = 1; p <= 6; ++p) {
        const table::Rect& r = g.PocketRect[p];
        const int cx = (r.left + r.right) / 20, cy = (r.top + r.bottom) / 20;
        int grey = 0, black = 0;
        for (int y = cy - 4; y < cy + 4; ++y)
            for (int x = cx - 4; x < cx + 4; ++x) {
                grey += tb.Pixel(x, y) == kGrey;
                black += tb.Pixel(x, y) == kBlack;
            }
        EXPECT_EQ(grey, 16) << "pocket " << p;
        EXPECT_EQ(black, 48) << "pocket " << p;
    }
    for (QPoint d : {pc.diamondTop, pc.diamondLeft, pc.diamondBottom})
        EXPECT_EQ(tb.Pixel(d.x(), d.y()), kYellow) << d.x() << "," << d.y();
    for (const table::Rect* s : {&g.LeftSpot, &g.CentreSpot, &g.RightSpot}) {
        const int cx = ((s->left + s->right) / 2 - 5) / 10, cy = ((s->top + s->bottom) / 2 - 5) / 10;
        EXPECT_EQ(tb.Pixel(cx, cy), kWhite);
        EXPECT_EQ(tb.Pixel(s->left / 10 + 1, cy), kNavy);
    }
    EXPECT_EQ(tb.Pixel(pc.clothPixel.x(), pc.clothPixel.y()), kCloth);
    const QImage& rail = tb.res.RailTile;
    EXPECT_EQ(tb.Pixel(pc.railPixel.x(), pc.railPixel.y()),
              rail.pixel(pc.railPixel.x() % rail.width(), pc.railPixel.y() % rail.height()) & 0xFFFFFFu);
    const QImage& back = tb.res.BackgroundTile;
    EXPECT_EQ(tb.Pixel(pc.backgroundPixel.x(), pc.backgroundPixel.y()),
              back.pixel(pc.backgroundPixel.x() % 8, pc.backgroundPixel.y() % 8) & 0xFFFFFFu);
    const QImage& strip = tb.res.CardStripTile;
    EXPECT_EQ(tb.Pixel(pc.stripPixel.x(), pc.stripPixel.y()),
              strip.pixel(pc.stripPixel.x() % 8, pc.stripPixel.y() % 8) & 0xFFFFFFu);
    EXPECT_EQ(tb.host.caption, "Velkaro Ver1.20");
    EXPECT_EQ(tb.host.handShows, 1);
}

INSTANTIATE_TEST_SUITE_P(Sizes, TablePaint, testing::ValuesIn(kPaintCases));

TEST(TablePaint, CushionsAreFilledOnlyAboveDiameter170)
{
    for (auto [w, h, filled] : {std::tuple{632, 413, false}, std::tuple{800, 560, true}}) {
        Table tb(w, h);
        render::DrawTable(tb.canvas);
        // The left cushion's flood-fill seed point: cushion tile when filled, cloth when not.
        const table::TableGeometry& g = tb.t.Geometry;
        const int rail = g.RailWidth, cloth = int(0.75 * rail);
        const int left = -30 + cloth, top = 930 + cloth, hh = int(0.8 * cloth), l = 2 * cloth / 3;
        const int sx = (left + 20) / 10, sy = (top + hh + 20 + 2 * l) / 10;
        const QRgb expected = filled ? tb.res.CushionTile.pixel(sx % 14, sy % 15) & 0xFFFFFFu : kCloth;
        EXPECT_EQ(tb.Pixel(sx, sy), expected) << w;
    }
}

TEST(TablePaint, HeadLineOnTheBreakAndWithCueInHand)
{
    struct Case { bool breakShot; int placement; bool cueInHand; bool drawn; int placementAfter; };
    const Case cases[] = {
        {true, 0, false, true, 1},
        {true, 1, false, true, 1},  // a repaint while the cue ball is still being placed
        {true, 2, false, false, 2},
        {false, 0, true, true, 0},
        {false, 0, false, false, 0},
    };
    for (const Case& k : cases) {
        Table tb(800, 560);
        tb.t.Shot.BreakShot = k.breakShot;
        tb.view.PlacementState = k.placement;
        tb.t.Game.CueInHand = k.cueInHand;
        render::DrawTable(tb.canvas);
        EXPECT_EQ(tb.Pixel(204, 450) == kBlack, k.drawn) << k.breakShot << k.placement << k.cueInHand;
        EXPECT_EQ(tb.view.PlacementState, k.placementAfter);
        if (k.drawn) {
            EXPECT_EQ(tb.view.HeadLineX, 2042);
        }
    }
}

TEST(TablePaint, FirstPaintOfGameRunsTheCardShowOnce)
{
    Table tb(800, 560);
    tb.t.Shot.BreakShot = true;
    tb.view.FirstPaintOfGame = true;
    tb.host.music = true;
    render::DrawTable(tb.canvas);
    render::DrawTable(tb.canvas);
    EXPECT_EQ(tb.host.cardShowers, 1);
    EXPECT_EQ(tb.host.delays, std::vector<int>{1000});
    EXPECT_FALSE(tb.view.FirstPaintOfGame);
    EXPECT_EQ(tb.host.musicStarts, 2);
}

TEST(TablePaint, HiddenHandsLeaveTheStripEmpty)
{
    Table tb(800, 560);
    tb.view.HandsHidden = true;
    render::DrawTable(tb.canvas);
    EXPECT_EQ(tb.host.handShows, 0);
    EXPECT_EQ(tb.Pixel(10, 48), tb.res.CardStripTile.pixel(10 % 8, 48 % 8) & 0xFFFFFFu);
}

TEST(CardStrip, CardsAreCopiedUnscaledAtTheirPixel)
{
    Table tb(800, 560);
    render::DrawCardStrip(tb.canvas);
    const QImage ace = resources::Bitmap(190), back = resources::Bitmap(265);
    // Five cards a hand on 800 pixels lie 57 pixels apart, each covering the one before.
    for (QPoint p : {QPoint(0, 0), QPoint(35, 48), QPoint(56, 95)})
        EXPECT_EQ(tb.Pixel(p.x(), p.y()), ace.pixel(p) & 0xFFFFFFu);
    // Hand 2's first card ends at the right edge.
    for (QPoint p : {QPoint(14, 0), QPoint(35, 48), QPoint(70, 95)})
        EXPECT_EQ(tb.Pixel(729 + p.x(), p.y()), back.pixel(p) & 0xFFFFFFu);
    // The strip ends 30 LU above the table; its edge is silver.
    EXPECT_EQ(tb.Pixel(400, 92), 0xC0C0C0u);
}

} // namespace
