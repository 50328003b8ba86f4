// Ball contacts: the sweep, the speed shares, stop and draw, two balls in one step, the scatter.
#include <cmath>

#include <gtest/gtest.h>

#include "table/contacts.h"
#include "table/direction.h"
#include "table/motion.h"
#include "tests/table/table_fixture.h"

namespace {

using tabletest::LaidOutTable;
using tabletest::PutCentre;
using tabletest::RecordingHost;
using tabletest::SetMoving;
using table::Point;

constexpr int D = 250;
constexpr int R = 125;

TEST(SweepTest, FindsTheFirstTouchingPixel) {
    table::TableState t = LaidOutTable(D);
    // Touch needs |offset| <= 25 px on each axis and offset^2 <= 27^2 px; the contact is the pixel
    // before the touching one.
    struct { Point target; bool hit; Point contact; } const kCases[] = {
        {{2300, 3300}, true, {2040 - R, 3300 - R}},   // straight ahead: touches at 25 px
        {{2260, 3160}, true, {2020 - R, 3300 - R}},   // 14 px off the line: touches at 23 px
        {{2300, 3600}, false, {}},                    // 30 px off the line
        {{1800, 3300}, true, {2000 - R, 3300 - R}},   // overlapping behind the start: the first move touches
        {{1700, 3300}, false, {}},                    // clear behind the start
    };
    for (const auto& c : kCases) {
        t.Outcome.NoContactYet = true;
        t.Motion.ContactPos = {};
        const bool hit = table::SweepTest(t, {2000, 3300}, {2250, 3300}, c.target);
        EXPECT_EQ(hit, c.hit) << c.target.x << "," << c.target.y;
        EXPECT_EQ(t.Outcome.NoContactYet, !c.hit);
        if (c.hit) {
            EXPECT_EQ(t.Motion.ContactPos, c.contact);
        }
    }
    // No movement, no contact, even on top of a ball.
    EXPECT_FALSE(table::SweepTest(t, {2000, 3300}, {2005, 3300}, {2000, 3300}));
}

// The striker (cue ball) at `contact`, having come from the left along y = 3300, touching ball 1.
table::TableState ContactSetup(int strikerSteps, int spinKind, Point ballCentre) {
    table::TableState t = LaidOutTable(D);
    PutCentre(t, 0, 2000, 3300);
    PutCentre(t, 1, ballCentre.x, ballCentre.y);
    t.Motion.ShotStartPos[0] = {1000 - R, 3300 - R};
    t.Shot.PrevPos = t.Document.BallPos[0];
    t.Shot.StrikerBall = 0;
    t.Shot.SpinKind = spinKind;
    t.Motion.ContactPos = t.Document.BallPos[0];
    t.Motion.HitList.Clear();
    t.Motion.HitList.Append(1);
    SetMoving(t, 0, 32767.0f, D, D, strikerSteps);
    return t;
}

struct ShareCase { int strikerSteps; int struckSteps; int strikerAfter; };

class SpeedShareTest : public ::testing::TestWithParam<ShareCase> {};

TEST_P(SpeedShareTest, StruckBallTakesItsShare) {
    const ShareCase c = GetParam();
    table::TableState t = ContactSetup(c.strikerSteps, 1, {2250, 3300});
    RecordingHost host;
    table::ResolveContact(t, host);
    EXPECT_EQ(t.Motion.Motion[1].steps, c.struckSteps);
    EXPECT_EQ(t.Motion.Motion[0].steps, c.strikerAfter);
    EXPECT_EQ(t.Motion.Motion[1].order, 1 + 1 + 10);
    EXPECT_EQ(t.Outcome.CollisionCount, 1);
    EXPECT_EQ(t.Shot.SpinKind, 1);
}

INSTANTIATE_TEST_SUITE_P(Table, SpeedShareTest, ::testing::Values(
    ShareCase{10, 9, 8},      // 0.65 * 10 = 6 is not above 6: max(10 - 1, 6)
    ShareCase{40, 26, 20},
    ShareCase{180, 116, 92},  // single precision: 180 * 0.65f is just below 117
    ShareCase{5, 6, 5},
    ShareCase{1, 6, 5}));

TEST(ResolveContactTest, StopShotStraightOnLeavesTheCueBallDead) {
    // Striker 174 -> struck 113 -> striker int(113 * 0.8) = 90 -> struck int(90 * 0.7f) = 63.
    table::TableState t = ContactSetup(174, 2, {2250, 3300});
    RecordingHost host;
    table::ResolveContact(t, host);
    EXPECT_EQ(t.Motion.Motion[0].order, 0);
    EXPECT_EQ(t.Motion.Motion[0].steps, 0);
    EXPECT_EQ(t.Motion.Motion[1].steps, 63);
}

TEST(ResolveContactTest, StopShotAtAnAngleDeflects) {
    table::TableState t = ContactSetup(174, 2, {2200, 3450});
    RecordingHost host;
    table::ResolveContact(t, host);
    EXPECT_EQ(t.Motion.Motion[0].order, 1);
    EXPECT_EQ(t.Motion.Motion[0].steps, 90);
    EXPECT_EQ(t.Motion.Motion[1].steps, 113);
}

TEST(ResolveContactTest, DrawShotComesStraightBackAlongTheStruckLine) {
    table::TableState t = ContactSetup(60, 3, {2200, 3400});
    RecordingHost host;
    table::ResolveContact(t, host);
    const table::Direction out = table::DirectionFromPoints(2000, 3300, 2200, 3400, D);
    EXPECT_FLOAT_EQ(t.Motion.BallSlope[0], out.slope);
    EXPECT_FLOAT_EQ(t.Motion.BallSlope[1], out.slope);
    EXPECT_EQ(t.Motion.Motion[0].dirX, -out.dirX);
    EXPECT_EQ(t.Motion.Motion[0].dirY, -out.dirY);
    EXPECT_EQ(t.Motion.Motion[1].dirY, out.dirY);
}

TEST(StepBallTest, TwoBallsInOneStepSendTheStrikerBack) {
    table::TableState t = LaidOutTable(D);
    RecordingHost host;
    PutCentre(t, 0, 2000, 3300);
    PutCentre(t, 1, 2260, 3160);   // touched at 23 px
    PutCentre(t, 2, 2250, 3440);   // touched at 22 px, inside the shortened path
    SetMoving(t, 0, 32767.0f, D, D, 40);
    t.Motion.Motion[0].kick = -1;  // a full-diameter step
    t.Motion.ShotStartPos[0] = t.Document.BallPos[0];
    t.Shot.CurrentBall = 0;
    t.Shot.CurrentBallPos = t.Shot.PrevPos = t.Document.BallPos[0];
    t.Shot.ShotPower = 1;
    t.Shot.SpinKind = 1;
    table::StepBall(t, host);
    ASSERT_EQ(t.Motion.HitList.count, 2);
    EXPECT_TRUE(t.Motion.StepCollided);
    EXPECT_EQ(t.Document.BallPos[0], (Point{2000 - R, 3300 - R}));
    EXPECT_EQ(t.Outcome.CollisionCount, 2);
    EXPECT_EQ(t.Motion.Motion[1].order, 12);
    EXPECT_EQ(t.Motion.Motion[2].order, 13);
    // Both leave along the line from the striker's old position.
    EXPECT_FLOAT_EQ(t.Motion.BallSlope[1], 260.0f / -140.0f);
    EXPECT_FLOAT_EQ(t.Motion.BallSlope[2], 250.0f / 140.0f);
    EXPECT_EQ(t.Motion.Motion[1].dirY, -D);
    EXPECT_EQ(t.Motion.Motion[2].dirY, D);
}

TEST(StepBallTest, CueBallTouchingCushionAndBallStops) {
    table::TableState t = LaidOutTable(D);
    RecordingHost host;
    PutCentre(t, 0, 2000, 1520);
    PutCentre(t, 1, 2330, 1530);
    SetMoving(t, 0, -5.0f, D, -D, 40);  // up and to the right, into the top cushion
    t.Motion.ShotStartPos[0] = t.Document.BallPos[0];
    t.Shot.CurrentBall = 0;
    t.Shot.CurrentBallPos = t.Shot.PrevPos = t.Document.BallPos[0];
    t.Shot.ShotPower = 1;
    t.Shot.SpinKind = 1;
    table::StepBall(t, host);
    ASSERT_TRUE(t.Motion.StepCollided);
    EXPECT_TRUE(t.Shot.CushionHit);
    EXPECT_EQ(t.Motion.Motion[0].order, 0);
    EXPECT_GT(t.Motion.Motion[0].steps, 0);  // recomputed after being cleared
}

TEST(ResolveContactTest, ContactPastTheTopCushionLineIsKeptOnTheCushion) {
    // Diameter 170: CushionRect.top = 1334. The pixel walk starts at y / 10 = 133, so a striker
    // resting on the top cushion that strikes at once reports a contact centre at y = 1330.
    table::TableState t = LaidOutTable(170);
    RecordingHost host;
    ASSERT_EQ(t.Geometry.CushionRect.top, 1334);
    PutCentre(t, 0, 2003, 1334);
    PutCentre(t, 1, 2190, 1334);
    SetMoving(t, 0, 32767.0f, 170, 170, 40);
    t.Motion.ShotStartPos[0] = t.Document.BallPos[0];
    t.Shot.CurrentBall = 0;
    t.Shot.CurrentBallPos = t.Shot.PrevPos = t.Document.BallPos[0];
    t.Shot.ShotPower = 1;
    table::StepBall(t, host);
    ASSERT_TRUE(t.Motion.StepCollided);
    EXPECT_EQ(t.Document.BallPos[0], (Point{2010 - 85, 1334 - 85}));
}

TEST(BreakScatterTest, ClampsTheSpeedAndSetsTheRows) {
    struct { int t; int clamped; } const kClamps[] = {{60, 50}, {50, 50}, {6, 6}, {5, 3}, {1, 3}};
    for (const auto& c : kClamps) {
        table::TableState t = LaidOutTable(D);
        RecordingHost host;
        t.ScatterVariant = true;
        SetMoving(t, 0, 1.0f, D, D, 1000);
        host.randoms.assign(15, 1);  // sin(1) > 0
        table::BreakScatter(t, host, c.t);
        EXPECT_EQ(t.Motion.Motion[2].steps, c.clamped) << c.t;
        EXPECT_EQ(t.Motion.Motion[1].steps, 3 * c.clamped) << c.t;
    }

    table::TableState t = LaidOutTable(D);
    RecordingHost host;
    t.ScatterVariant = true;
    t.Motion.Motion[1].order = 12;   // the ball already struck keeps its order and gains more
    SetMoving(t, 0, 1.0f, D, D, 20);
    // Ball 1 draws 4 (sin < 0), ball 8 draws 22 (|sin| < 0.01 becomes slope 1).
    host.randoms = {4, 1, 1, 1, 1, 1, 1, 22, 4, 1, 1, 1, 1, 1, 1};
    table::BreakScatter(t, host, 10);
    const table::BallMotion* m = t.Motion.Motion;
    EXPECT_FLOAT_EQ(t.Motion.BallSlope[1], static_cast<float>(std::sin(4.0)));
    EXPECT_EQ(m[1].dirX, -D);
    EXPECT_EQ(m[1].dirY, -D);
    EXPECT_EQ(m[1].order, 12 + 1 + 1 + 600);
    EXPECT_EQ(m[1].steps, 20);           // min(striker's 20, 3t)
    EXPECT_FLOAT_EQ(t.Motion.BallSlope[8], 1.0f);
    EXPECT_EQ(m[8].dirX, -D);
    EXPECT_EQ(m[8].order, 1 + 8 + 200);
    EXPECT_EQ(m[9].dirX, -D);            // sg = -1 for sin(4)
    EXPECT_EQ(m[9].dirY, D);
    EXPECT_EQ(m[12].order, 1 - 12);      // still until struck
    for (int i = 1; i <= table::LastBall; ++i) {
        EXPECT_EQ(m[i].kick, -10);
        EXPECT_EQ(m[i].creep, 0);
    }
}

TEST(BreakScatterTest, PlainScatterLeavesOrdersAlone) {
    table::TableState t = LaidOutTable(D);
    RecordingHost host;
    t.ScatterVariant = false;
    SetMoving(t, 0, 1.0f, D, D, 15);
    host.randoms.assign(15, 4);
    table::BreakScatter(t, host, 10);
    EXPECT_EQ(t.Motion.Motion[2].steps, 15);  // min(15, 2t)
    EXPECT_EQ(t.Motion.Motion[4].steps, 10);
    EXPECT_EQ(t.Motion.Motion[2].order, 0);
    EXPECT_EQ(t.Motion.Motion[2].dirY, -D);
}

} // namespace
