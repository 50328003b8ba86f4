// The motion loop as a whole: the abnormal-position stop, and that no position hangs it or
// steps a ball off the cloth.
#include <random>
#include <stdexcept>

#include <gtest/gtest.h>

#include "table/direction.h"
#include "table/motion.h"
#include "tests/table/table_fixture.h"

namespace {

using tabletest::LaidOutTable;
using tabletest::PutCentre;
using tabletest::RecordingHost;
using tabletest::SetMoving;

constexpr int D = 250;

// Gives up (by throwing through RunMotion) once a shot has run far longer than any real one.
class BoundedHost : public RecordingHost {
public:
    long limit = 2000000;
    table::Rect cushions;
    int strayDraws = 0;
    void PassEnded(int calls) override {
        RecordingHost::PassEnded(calls);
        if (passes > limit) throw std::runtime_error("RunMotion does not end");
    }
    void DrawBall(int x, int y, int ball) override {
        const int r = D / 2;
        if (x + r < cushions.left || x + r > cushions.right || y + r < cushions.top || y + r > cushions.bottom)
            ++strayDraws;
        RecordingHost::DrawBall(x, y, ball);
    }
};

class JammedPairTest : public ::testing::TestWithParam<int> {};

// Two overlapping balls strike each other at every step. From the second stroke of a game on, a
// colliding step ends the pass, and the stop must still come.
TEST_P(JammedPairTest, EndsWithTheAbnormalStop) {
    table::TableState t = LaidOutTable(D);
    BoundedHost host;
    t.Document.StrokeCount = GetParam();
    PutCentre(t, 0, 4000, 3300);
    PutCentre(t, 1, 4100, 3300);
    SetMoving(t, 0, 32767.0f, D, D, 75);
    t.Motion.ShotStartPos[0] = t.Document.BallPos[0];
    t.Shot.SpinKind = 1;
    ASSERT_NO_THROW(table::RunMotion(t, host));
    EXPECT_EQ(host.abnormalMessages, 1);
    EXPECT_EQ(t.Outcome.CollisionCount, table::AbnormalCollisionCount + 1);
}

INSTANTIATE_TEST_SUITE_P(Table, JammedPairTest, ::testing::Values(1, 2, 3));

TEST(RunMotionTest, JamOnTheBreakStopsOnceTheBreakIsOver) {
    table::TableState t = LaidOutTable(D);
    BoundedHost host;
    t.Document.StrokeCount = 2;
    t.Shot.BreakShot = true;
    t.ScatterVariant = true;
    host.randoms.assign(15, 1);
    PutCentre(t, 0, 4000, 3300);
    PutCentre(t, 1, 4100, 3300);
    SetMoving(t, 0, 32767.0f, D, D, 75);
    ASSERT_NO_THROW(table::RunMotion(t, host));
    EXPECT_FALSE(t.Shot.BreakShot);
    EXPECT_EQ(host.abnormalMessages, 1);
}

TEST(RunMotionTest, NothingMovingReturnsAtOnce) {
    table::TableState t = LaidOutTable(D);
    RecordingHost host;
    PutCentre(t, 0, 4000, 3300);
    table::RunMotion(t, host);
    EXPECT_EQ(host.passes, 0);
    EXPECT_EQ(host.now, 1000u);
}

// Seeded random positions (overlapping, on and beyond the cushions, pocketed), strokes and spins:
// every shot ends, and every ball drawn while it moves has its centre inside the cushions.
TEST(RunMotionTest, AnyPositionEndsOnTheCloth) {
    std::mt19937 rng(20261211);
    auto uniform = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int shot = 0; shot < 120; ++shot) {
        table::TableState t = LaidOutTable(D);
        BoundedHost host;
        host.cushions = t.Geometry.CushionRect;
        const table::Rect& cr = t.Geometry.CushionRect;
        for (int b = 0; b <= table::LastBall; ++b) {
            const int kind = uniform(0, 9);
            if (b > 0 && kind == 0) {
                t.Document.BallPos[b] = {table::OffTable, uniform(1, 2)};
            } else if (kind == 1) {  // beyond the cushions
                PutCentre(t, b, uniform(cr.left - 400, cr.right + 400), uniform(cr.top - 400, cr.bottom + 400));
            } else if (kind == 2 && b > 0) {  // pressed against the previous ball
                const table::Point p = t.Document.BallPos[b - 1];
                t.Document.BallPos[b] = {p.x + uniform(-120, 120), p.y + uniform(-120, 120)};
            } else {
                PutCentre(t, b, uniform(cr.left, cr.right), uniform(cr.top, cr.bottom));
            }
        }
        t.Shot.CueBallTrack = t.Document.BallPos[0];
        t.Document.StrokeCount = uniform(1, 3);
        t.GameSpeed = uniform(0, 9);
        t.Shot.SpinKind = uniform(0, 3);
        t.Shot.SideSpin = uniform(-1, 1);
        t.Shot.BreakShot = uniform(0, 3) == 0;
        t.ScatterVariant = uniform(0, 1) == 1;
        for (int i = 0; i < 15; ++i) host.randoms.push_back(uniform(0, 99));
        for (int b = 0; b <= table::LastBall; ++b) t.Motion.ShotStartPos[b] = t.Document.BallPos[b];
        const table::Point cue = t.Document.BallPos[0];
        const table::Direction dir = table::DirectionFromPoints(
            t, uniform(0, 8000), uniform(960, 6000), cue.x + D / 2, cue.y + D / 2);
        SetMoving(t, 0, dir.slope, dir.dirX, dir.dirY, uniform(1, 300) * 3 / 2);

        ASSERT_NO_THROW(table::RunMotion(t, host)) << "shot " << shot;
        EXPECT_EQ(host.strayDraws, 0) << "shot " << shot;
        EXPECT_LE(host.abnormalMessages, 1);
    }
}

// A window too small for its balls (the cushions cross) and balls a million units away: the shot
// still ends, with nothing undefined on the way (the sanitizer build runs this too).
TEST(RunMotionTest, DegenerateTablesStillEnd) {
    std::mt19937 rng(7);
    auto uniform = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int shot = 0; shot < 40; ++shot) {
        table::TableState t;
        const int w = uniform(100, 140), h = uniform(100, 140);
        t.Geometry.FrameWidth = 10 * w + 80;
        t.Geometry.FrameHeight = 10 * h + 460;
        t.Geometry.BallDiameter = 300;
        t.Geometry.BallRadius = 150;
        table::LayOutTable(t.Geometry, shot % 2 ? w : 10000, h);
        table::LayOutPockets(t.Geometry, shot % 2 ? w : 10000, h);
        table::LayOutSpots(t.Geometry);
        for (int b = 0; b <= table::LastBall; ++b)
            t.Document.BallPos[b] = {uniform(-1000000, 1000000), uniform(-1000000, 1000000)};
        t.Shot.CueBallTrack = t.Document.BallPos[0];
        t.Document.StrokeCount = uniform(1, 3);
        t.Shot.SpinKind = uniform(0, 3);
        t.Shot.SideSpin = uniform(-1, 1);
        BoundedHost host;
        for (int i = 0; i < 15; ++i) host.randoms.push_back(uniform(0, 99));
        t.Shot.BreakShot = true;
        for (int b = 0; b <= table::LastBall; ++b) t.Motion.ShotStartPos[b] = t.Document.BallPos[b];
        const table::Direction dir = table::DirectionFromPoints(
            t, uniform(-1000000, 1000000), uniform(-1000000, 1000000), t.Document.BallPos[0].x, t.Document.BallPos[0].y);
        SetMoving(t, 0, dir.slope, dir.dirX, dir.dirY, 1600);
        ASSERT_NO_THROW(table::RunMotion(t, host)) << "shot " << shot;
    }
}

} // namespace
