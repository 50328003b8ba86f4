// The cue, the guide and the stroke animation are exclusive-or pictures: drawn twice they leave
// the table as it was. The guide's geometry, and the clear-afterimages command.
#include "render_fixture.h"
#include "render/cue.h"
#include "render/guide.h"
#include "render/stroke_animation.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

using rendertest::Table;

// The rack on the table and the cue ball at its start, drawn.
struct AimingTable : Table {
    AimingTable() : Table(800, 560)
    {
        view.PlacementState = 2;
        render::DrawTable(canvas);
        t.Shot.CurrentBallPos = t.Shot.CueBallTrack;
    }
    void Aim(int ax, int ay)
    {
        t.Shot.AimPoint = {ax, ay};
    }
    table::Point Centre() const
    {
        const int r = t.Geometry.BallRadius;
        return {t.Shot.CurrentBallPos.x + r, t.Shot.CurrentBallPos.y + r};
    }
};

TEST(ExclusiveOr, CueGuideAndStrokeLeaveTheTableAsItWas)
{
    struct Case { const char* name; int ax, ay; int side; };
    const Case cases[] = {
        {"toward the rack", 500, 2600, 0},       // pointer left: the ball runs right into the rack
        {"up the table", 2150, 5000, 0},
        {"a diagonal with right spin", 1200, 4000, 1},
        {"a diagonal with left spin", 3000, 4200, -1},
        {"straight at the top cushion", 2137, 4500, 0},
    };
    for (const Case& k : cases) {
        AimingTable tb;
        tb.Aim(k.ax, k.ay);
        tb.t.Shot.SideSpin = k.side;
        const QImage before = tb.surface.Image().copy();
        render::DrawCue(tb.canvas, tb.t.Shot.AimPoint, tb.t.Shot.CurrentBallPos);
        render::DrawGuide(tb.canvas);
        EXPECT_NE(tb.surface.Image(), before) << k.name;
        render::EraseCueAndGuide(tb.canvas);
        EXPECT_EQ(tb.surface.Image(), before) << k.name;

        render::DrawGuide(tb.canvas);
        render::DrawGuide(tb.canvas);
        EXPECT_EQ(tb.surface.Image(), before) << k.name;

        render::AnimateCueStroke(tb.canvas, tb.t.Shot.AimPoint, tb.t.Shot.CurrentBallPos, 80);
        EXPECT_EQ(tb.surface.Image(), before) << k.name;
    }
}

TEST(ExclusiveOr, PushCueMovesAndRemoves)
{
    AimingTable tb;
    tb.Aim(500, 2600);
    const QImage before = tb.surface.Image().copy();
    // With dir -1 the cue at DrawnPushOffset is drawn once more: here that shows it.
    tb.view.DrawnPushOffset = 0;
    tb.view.PushOffset = 0;
    render::DrawPushCue(tb.canvas, -1);
    EXPECT_NE(tb.surface.Image(), before);
    for (float offset : {1.0f, 3.5f, 10.0f, 2.0f}) {
        tb.view.PushOffset = offset;
        render::DrawPushCue(tb.canvas, 1);
        EXPECT_EQ(tb.view.DrawnPushOffset, offset);
    }
    render::DrawPushCue(tb.canvas, -1);
    EXPECT_EQ(tb.surface.Image(), before);
}

TEST(Cue, ReachesFromTipToButtAlongTheAim)
{
    // The cue ball at its start, the pointer straight to its right: the cue lies to the right.
    struct Case { float pushOffset; double tipInDiameters; bool buttOnScreen; };
    const Case cases[] = {{0.0f, 0.7, true}, {2.0f, 2.7, false}, {10.0f, 10.7, false}};
    for (const Case& k : cases) {
        AimingTable tb;
        const table::Point c = tb.Centre();
        const int D = tb.t.Geometry.BallDiameter;
        tb.Aim(c.x + 5000, c.y);
        const QImage before = tb.surface.Image().copy();
        // With dir -1 only the cue at DrawnPushOffset is drawn (as a removal would be).
        tb.view.DrawnPushOffset = k.pushOffset;
        tb.view.PushOffset = k.pushOffset;
        render::DrawPushCue(tb.canvas, -1);
        auto changed = [&](int luX) { return tb.Pixel(luX / 10, c.y / 10) != (before.pixel(luX / 10, c.y / 10) & 0xFFFFFFu); };
        const int tip = c.x + int(k.tipInDiameters * D);
        EXPECT_FALSE(changed(tip - 40)) << k.pushOffset;
        EXPECT_TRUE(changed(tip + 20)) << k.pushOffset;
        if (k.buttOnScreen) {
            const int butt = c.x + 18 * D;
            EXPECT_TRUE(changed(butt - 20));
            EXPECT_FALSE(changed(butt + D / 4 + 30));
        }
    }
}

TEST(StrokeAnimation, ScheduleOfWaits)
{
    AimingTable tb;
    tb.Aim(500, 2600);
    render::AnimateCueStroke(tb.canvas, tb.t.Shot.AimPoint, tb.t.Shot.CurrentBallPos, 80);
    const std::vector<int>& d = tb.host.delays;
    EXPECT_EQ(d.size(), 28u);
    EXPECT_EQ(std::accumulate(d.begin(), d.end(), 0), 27 * 40 + 80);
    EXPECT_EQ(std::count(d.begin(), d.end(), 80), 1);
    EXPECT_EQ(d[5], 80);  // the pause after the first pull-back
}

TEST(StrokeAnimation, DelayByStrength)
{
    const std::pair<int, int> cases[] = {{0, 80}, {29, 80}, {30, 50}, {49, 50}, {50, 40}, {69, 40},
                                         {70, 30}, {79, 30}, {80, 20}, {89, 20}, {90, 10}, {100, 10}};
    for (auto [power, ms] : cases)
        EXPECT_EQ(render::StrokeDelay(power), ms) << power;
}

TEST(Guide, FirstCushionPointAndRebound)
{
    AimingTable tb;
    table::TableState& t = tb.t;
    const table::Rect cr = t.Geometry.CushionRect;
    for (int id = 1; id <= table::LastBall; ++id)
        t.Document.BallPos[id] = {table::OffTable, 0};
    const table::Point c = tb.Centre();

    // Straight up: G1 on the top cushion, no second leg without spin.
    tb.Aim(c.x, c.y + 2000);
    render::DrawGuide(tb.canvas);
    EXPECT_EQ(tb.view.GuideFirst.y, cr.top);
    EXPECT_EQ(tb.view.GuideFirst.x, c.x);
    EXPECT_EQ(tb.view.GuideSecond, (table::Point{c.x, cr.top}));
    render::DrawGuide(tb.canvas);

    // With right spin the straight shot leaves the cushion 15 degrees off the perpendicular.
    t.Shot.SideSpin = 1;
    render::DrawGuide(tb.canvas);
    const table::Point g1 = tb.view.GuideFirst, g2 = tb.view.GuideSecond;
    const double angle = std::atan2(double(g2.y - g1.y), double(g2.x - g1.x)) * 180.0 / M_PI;
    EXPECT_NEAR(std::fabs(angle), 75.0, 1.0);
    render::DrawGuide(tb.canvas);

    // A 45-degree shot up and right mirrors off the top cushion, down and right.
    t.Shot.SideSpin = 0;
    tb.Aim(c.x - 1000, c.y + 1000);
    render::DrawGuide(tb.canvas);
    EXPECT_EQ(tb.view.GuideFirst.y, cr.top);
    const table::Point h1 = tb.view.GuideFirst, h2 = tb.view.GuideSecond;
    EXPECT_GT(h2.x, h1.x);
    EXPECT_GT(h2.y, h1.y);
    EXPECT_NEAR(double(h2.x - h1.x) / double(h2.y - h1.y), 1.0, 0.03);
}

TEST(Guide, ReboundTable)
{
    // CushionRect of the 800 x 560 table: (550, 1510, 7450, 4780).
    AimingTable tb;
    struct Case { const char* name; table::Point g1, m; int spin; table::Point g2; };
    const Case cases[] = {
        {"top, straight", {3000, 1510}, {3000, 2510}, 0, {3000, 1510}},
        {"left, straight", {550, 3000}, {1550, 3000}, 0, {550, 3000}},
        // 45 degrees down to the right would pass the right cushion's corner: it ends on the bottom.
        {"top, toward the bottom", {3000, 1510}, {4000, 2510}, 0, {6270, 4780}},
        {"top, steep, toward the bottom", {7000, 1510}, {7100, 2510}, 0, {7327, 4780}},
        {"top, shallow, to the right cushion", {3000, 1510}, {7000, 1910}, 0, {7450, 1955}},
        {"right side, to the bottom", {7450, 3000}, {6450, 4000}, 0, {5670, 4780}},
        // Right spin turns the 45-degree leg 15 degrees: it now reaches the right cushion.
        {"top, right spin", {3000, 1510}, {4000, 2510}, 1, {7450, 4079}},
        // Spin that would send a shallow ball back the way it came is ignored.
        {"top, shallow, spin against the slope", {3000, 1510}, {7000, 1910}, 1, {7450, 1955}},
    };
    for (const Case& k : cases) {
        tb.t.Shot.SideSpin = k.spin;
        EXPECT_EQ(render::GuideRebound(tb.t, k.g1, k.m), k.g2) << k.name;
    }
}

TEST(Guide, BallOnTheFirstLegGivesOnlyTheGhost)
{
    AimingTable tb;
    // From the pointer through the cue ball's centre to the rack's apex ball.
    const int r = tb.t.Geometry.BallRadius;
    const table::Point apex{tb.t.Document.BallPos[1].x + r, tb.t.Document.BallPos[1].y + r};
    tb.Aim(2 * tb.Centre().x - apex.x, 2 * tb.Centre().y - apex.y);
    const QImage before = tb.surface.Image().copy();
    render::DrawGuide(tb.canvas);
    EXPECT_TRUE(render::GuideHitsBall(tb.t));
    const table::Point contact = tb.t.Motion.ContactPos;
    const int D = tb.t.Geometry.BallDiameter;
    EXPECT_LT(contact.x + D, tb.t.Document.BallPos[1].x + 20);
    // Nothing drawn beyond the ghost ball.
    for (int x = (tb.t.Document.BallPos[1].x + 5 * D) / 10; x < 740; ++x)
        EXPECT_EQ(tb.Pixel(x, apex.y / 10), before.pixel(x, apex.y / 10) & 0xFFFFFFu) << x;
    render::EraseCueAndGuide(tb.canvas);
    render::DrawCue(tb.canvas, tb.t.Shot.AimPoint, tb.t.Shot.CurrentBallPos);
    EXPECT_EQ(tb.surface.Image(), before);
}

TEST(ClearAfterimages, LeavesOnlyTheCurrentPositions)
{
    AimingTable tb;
    // Traces: a ball drawn and never erased, a cue left on the table, a ball that moved away.
    render::DrawBall(tb.canvas, 4000, 2000, 3);
    tb.Aim(500, 2600);
    render::DrawCue(tb.canvas, tb.t.Shot.AimPoint, tb.t.Shot.CurrentBallPos);
    tb.t.Document.BallPos[5] = {5000, 4000};
    tb.t.Shot.CueBallTrack = {2500, 3500};
    render::ClearAfterimages(tb.canvas);

    Table fresh(800, 560);
    fresh.t.Document = tb.t.Document;
    fresh.t.Shot.CueBallTrack = tb.t.Shot.CueBallTrack;
    fresh.view.PlacementState = 2;
    render::DrawTable(fresh.canvas);
    EXPECT_EQ(tb.surface.Image(), fresh.surface.Image());
}

} // namespace
