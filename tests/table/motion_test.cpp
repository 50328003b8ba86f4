// One step of a ball: step lengths, the end-of-roll creep, pacing, advancing and cushions.
#include <cmath>

#include <gtest/gtest.h>

#include "table/motion.h"
#include "tests/table/table_fixture.h"

namespace {

using tabletest::LaidOutTable;
using tabletest::PutCentre;
using tabletest::RecordingHost;
using tabletest::SetMoving;
using table::Point;

constexpr int D = 250;

// Ball 0 alone at (cx, cy), ready for StepBall.
void ReadyToStep(table::TableState& t, int cx, int cy) {
    PutCentre(t, 0, cx, cy);
    t.Shot.CurrentBall = 0;
    t.Shot.CurrentBallPos = t.Document.BallPos[0];
    t.Shot.PrevPos = t.Document.BallPos[0];
    t.Shot.ShotPower = 1;
}

struct LengthCase { int stepsBefore; int kick; int length; };

class StepLengthTest : public ::testing::TestWithParam<LengthCase> {};

TEST_P(StepLengthTest, FollowsRemainingSteps) {
    const LengthCase c = GetParam();
    table::TableState t = LaidOutTable(D);
    RecordingHost host;
    ReadyToStep(t, 3000, 3300);
    SetMoving(t, 0, 32767.0f, D, D, c.stepsBefore);
    t.Motion.Motion[0].kick = c.kick;
    table::StepBall(t, host);
    EXPECT_EQ(t.Shot.StepLength, c.length);
    EXPECT_EQ(t.Document.BallPos[0].x - (3000 - 125), c.length);  // a horizontal path moves exactly that far
}

// r = 125: int(1.2 r) = 150 above 25 steps, int(30 r * 0.048) = 180 at 25, never below d/5 = 50.
INSTANTIATE_TEST_SUITE_P(Table, StepLengthTest, ::testing::Values(
    LengthCase{27, 0, 150}, LengthCase{26, 0, 180}, LengthCase{11, 0, 90},
    LengthCase{2, 0, 50}, LengthCase{1, 0, 50}, LengthCase{30, -1, 250}, LengthCase{30, -10, 250}));

TEST(StepBallTest, EachRollEndsWithFiveCreepSteps) {
    table::TableState t = LaidOutTable(D);
    RecordingHost host;
    PutCentre(t, 0, 2000, 3300);
    SetMoving(t, 0, 32767.0f, D, D, 2);
    t.GameSpeed = 9;
    table::RunMotion(t, host);
    EXPECT_EQ(host.stepCalls, 7);  // five granted steps, then 2 -> 1 -> 0
    EXPECT_EQ(t.Motion.Motion[0].creep, 5);
    EXPECT_EQ(t.Motion.Motion[0].steps, 0);
    EXPECT_EQ(t.Document.BallPos[0].x, 2000 - 125 + 7 * 50);
}

struct PaceCase { int gameSpeed; int stepsAtSecondStep; uint32_t interval; };

class PacingTest : public ::testing::TestWithParam<PaceCase> {};

// The wait between a lone ball's first two steps on the virtual clock.
TEST_P(PacingTest, WaitBetweenSteps) {
    const PaceCase c = GetParam();
    table::TableState t = LaidOutTable(D);
    RecordingHost host;
    t.GameSpeed = c.gameSpeed;
    PutCentre(t, 0, 2000, 3300);
    SetMoving(t, 0, 32767.0f, D, D, c.stepsAtSecondStep + 1);
    table::RunMotion(t, host);
    ASSERT_GE(host.drawn.size(), 2u);
    EXPECT_EQ(host.drawn[1].tick - host.drawn[0].tick, c.interval);
}

INSTANTIATE_TEST_SUITE_P(Table, PacingTest, ::testing::Values(
    PaceCase{5, 20, 40},   // want = 6 * 10 - 20
    PaceCase{5, 3, 120},   // (6 - 3) * 10 * 4
    PaceCase{5, 60, 15},   // int(10 * 1.5)
    PaceCase{5, 100, 10},  // base
    PaceCase{0, 20, 88},   // capped at 4 * base = 4 * 22
    PaceCase{9, 20, 0},    // base 0: no wait
    PaceCase{9, 3, 60}));  // the last steps still wait (6 - 3) * 5 * 4

struct CrowdCase { int moving; int steps; bool paced; };

class PacingCrowdTest : public ::testing::TestWithParam<CrowdCase> {};

// Fast phases run unpaced: more than 9 balls moving, or more than 5 with more than 18 steps left.
TEST_P(PacingCrowdTest, PacesOnlySlowPhases) {
    const CrowdCase c = GetParam();
    table::TableState t = LaidOutTable(D);
    RecordingHost host;
    t.GameSpeed = 5;
    for (int b = 0; b < c.moving; ++b) {
        PutCentre(t, b, 1000, 1800 + 330 * b);
        SetMoving(t, b, 32767.0f, D, D, c.steps + 1);
    }
    table::RunMotion(t, host);
    std::vector<uint32_t> ticks;
    for (const auto& d : host.drawn)
        if (d.ball == 0) ticks.push_back(d.tick);
    ASSERT_GE(ticks.size(), 2u);
    EXPECT_EQ(ticks[1] != ticks[0], c.paced);
}

INSTANTIATE_TEST_SUITE_P(Table, PacingCrowdTest, ::testing::Values(
    CrowdCase{10, 30, false}, CrowdCase{10, 10, false}, CrowdCase{6, 30, false},
    CrowdCase{6, 10, true}, CrowdCase{5, 30, true}));

TEST(AdvanceAlongSlopeTest, WalksAlongYInTensOrStepsAlongX) {
    struct { int diameter; float slope; int vx, vy; bool horizontal; int length; Point moved; } const kCases[] = {
        {D, 0.0f, D, D, false, 90, {0, 90}},        // nine increments of 10
        {D, 0.0f, D, D, false, 95, {0, 100}},       // the tenth overshoots the length
        {D, 0.0f, D, -D, false, 90, {0, -90}},
        {D, 32767.0f, -D, D, true, 150, {-150, 0}}, // exactly the length along x
        {D, 20.0f, D, D, false, 150, {150, 7}},     // shallow: a full step in x
        {D, -20.0f, D, D, false, 150, {-150, 7}},
        {D, 1.0f, D, -D, false, 150, {-110, -110}},
        {150, 14.9f, D, D, false, 150, {149, 10}},  // the second increment lands past d + 50: back one
    };
    for (const auto& c : kCases) {
        table::TableState t = LaidOutTable(c.diameter);
        t.Shot.StepLength = c.length;
        t.Shot.HorizontalMove = c.horizontal;
        t.Motion.WorkDirX = c.vx;
        t.Motion.WorkDirY = c.vy;
        const Point p = table::AdvanceAlongSlope(t, 3000, 3000, c.slope);
        EXPECT_EQ(p, (Point{3000 + c.moved.x, 3000 + c.moved.y})) << "slope " << c.slope << " length " << c.length;
    }
}

TEST(MoveWithCushionsTest, CornerReversesBothSignsAndKeepsTheSlope) {
    table::TableState t = LaidOutTable(D);
    RecordingHost host;
    t.Shot.StepLength = 150;
    t.Motion.WorkDirX = -D;
    t.Motion.WorkDirY = -D;
    float slope = 1.0f;
    const Point p = table::MoveWithCushions(t, host, 560, 1520, slope);
    EXPECT_EQ(p, (Point{550, 1510}));
    EXPECT_FLOAT_EQ(slope, 1.0f);
    EXPECT_EQ(t.Motion.WorkDirX, D);
    EXPECT_EQ(t.Motion.WorkDirY, D);
    EXPECT_TRUE(t.Shot.CushionHit);
    EXPECT_EQ(host.effects, (std::vector<int>{0, 0}));
}

struct SpinCase {
    const char* name;
    int cx, cy;
    float slope;
    int vx, vy;
    bool horizontal;
    int sideSpin;
    float slopeAfter;
    int vxAfter, vyAfter;
};

class CushionSpinTest : public ::testing::TestWithParam<SpinCase> {};

TEST_P(CushionSpinTest, Rebounds) {
    const SpinCase c = GetParam();
    table::TableState t = LaidOutTable(D);
    RecordingHost host;
    t.Shot.StepLength = 150;
    t.Shot.SideSpin = c.sideSpin;
    t.Shot.HorizontalMove = c.horizontal;
    t.Motion.WorkDirX = c.vx;
    t.Motion.WorkDirY = c.vy;
    float slope = c.slope;
    table::MoveWithCushions(t, host, c.cx, c.cy, slope);
    EXPECT_NEAR(slope, c.slopeAfter, 1e-4);
    EXPECT_EQ(t.Motion.WorkDirX, c.vxAfter);
    EXPECT_EQ(t.Motion.WorkDirY, c.vyAfter);
    EXPECT_TRUE(t.Shot.CushionHit);
}

INSTANTIATE_TEST_SUITE_P(Table, CushionSpinTest, ::testing::Values(
    // Long cushion, right spin: slope 1 reflects to -1 and turns to 1/tan(-60 degrees).
    SpinCase{"long_right", 4000, 1520, 1.0f, D, -D, false, 1, -0.57735f, D, D},
    SpinCase{"long_plain", 4000, 1520, 1.0f, D, -D, false, 0, -1.0f, D, D},
    // Horizontal into the left cushion with right spin: slope tan(-75 degrees), leaving right.
    SpinCase{"short_horizontal", 600, 3000, 32767.0f, -D, D, true, 1, -3.7320509f, D, -D},
    // Shallow into the right cushion (vx = +150): spin that crosses the slope is taken at |s| >= 25...
    SpinCase{"short_steep_cross", 7440, 3000, 30.0f, D, D, false, -1, 4.3003554f, -150, -D},
    // ... and ignored below 25.
    SpinCase{"short_cross_kept", 7440, 3000, 20.0f, D, D, false, -1, -20.0f, -150, D},
    SpinCase{"short_same_sign", 7440, 3000, 30.0f, D, D, false, 1, -3.2894983f, -150, D}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
