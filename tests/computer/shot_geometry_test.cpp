// The computer's geometry: direction angles, lines at a coordinate, pocket aim points, path tests.
#include <gtest/gtest.h>

#include <cmath>

#include "computer/shot_geometry.h"
#include "tests/computer/computer_fixture.h"

namespace {

using computer::DirectionAngle;
using computer::LineValue;
using computertest::Board;
using table::Point;

struct AngleCase {
    Point to;
    float angle;
};

TEST(DirectionAngleTest, QuadrantsAndAxes) {
    const float quarter = std::atan(1.0f);
    const AngleCase cases[] = {
        {{10, 0}, 6.28f},                // level right is 6.28, never 0
        {{0, 10}, 3.14f + 1.57f},        // straight down: 4.71
        {{0, -10}, 1.57f},               // straight up
        {{0, 0}, 1.57f},                 // the same point counts as up
        {{-10, 0}, 3.14f},               // level left
        {{10, -10}, quarter},            // up-right
        {{10, 10}, 6.28f - quarter},     // down-right
        {{-10, -10}, 3.14f - quarter},   // up-left
        {{-10, 10}, 3.14f + quarter},    // down-left
    };
    for (const AngleCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.to.x << "," << c.to.y);
        EXPECT_FLOAT_EQ(DirectionAngle({0, 0}, c.to), c.angle);
    }
    // The axis values are the game's own constants, bit for bit.
    EXPECT_EQ(DirectionAngle({100, 100}, {100, 900}), 3.14f + 1.57f);
    EXPECT_EQ(DirectionAngle({100, 100}, {900, 100}), 6.28f);
}

struct LineCase {
    Point a, b;
    int at;
    LineValue xAtY, yAtX;
};

TEST(LineAtTest, VerticalLevelAndTruncation) {
    const LineCase cases[] = {
        // Vertical: every y has x = a.x, no x but a.x has a y.
        {{5, 0}, {5, 10}, 100, {true, 5}, {false, 0}},
        // Level: the reverse.
        {{0, 7}, {10, 7}, 3, {false, 0}, {true, 7}},
        // Slope 2: at 5 x is 2.5 and y is 10; at -5 both truncate toward zero.
        {{0, 0}, {10, 20}, 5, {true, 2}, {true, 10}},
        {{0, 0}, {10, 20}, -5, {true, -2}, {true, -10}},
        // Slope 1/3 in single precision: 3.3333335 truncates to 3.
        {{0, 0}, {3, 1}, 10, {true, 30}, {true, 3}},
        {{0, 0}, {3, 1}, -10, {true, -30}, {true, -3}},
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.a.x << "," << c.a.y << " " << c.b.x << "," << c.b.y << " @" << c.at);
        const LineValue x = computer::LineXAtY(c.a, c.b, c.at);
        const LineValue y = computer::LineYAtX(c.a, c.b, c.at);
        EXPECT_EQ(x.ok, c.xAtY.ok);
        EXPECT_EQ(x.value, c.xAtY.value);
        EXPECT_EQ(y.ok, c.yAtX.ok);
        EXPECT_EQ(y.value, c.yAtX.value);
    }
}

struct AimCase {
    int pocket;
    Point target;
    Point aim;
};

// Bases on the 800 x 600 table (R = 125, R/3 = 41, R/2 = 62): 1 (582, 1542), 2 (582, 5148),
// 3 (7418, 5148), 4 (7418, 1542), 5 (4000, 1455), 6 (4000, 5235).
TEST(PocketAimPointTest, BasesAndNudges) {
    const Board b;
    const AimCase cases[] = {
        {1, {1582, 2542}, {582, 1542}},   // 45 degrees down-right: no nudge
        {1, {3000, 1600}, {582, 1501}},   // nearly level: above 340, y up
        {1, {600, 4000}, {541, 1542}},    // steep: below 290, x left
        {2, {1582, 4148}, {582, 5148}},
        {2, {3000, 5100}, {582, 5189}},   // below 20: y down
        {2, {600, 2000}, {541, 5148}},    // above 70: x left
        {3, {7000, 5100}, {7418, 5189}},  // 173 degrees: above 165, y down
        {3, {7000, 5023}, {7418, 5148}},  // 163 degrees: between 160 and 165, no nudge
        {3, {7000, 4900}, {7459, 5148}},  // 149 degrees: below 160, x right
        {4, {6418, 2542}, {7418, 1542}},
        {4, {5000, 1600}, {7418, 1501}},  // below 200: y up
        {4, {7400, 4000}, {7459, 1542}},  // above 250: x right
        {5, {3000, 1500}, {4000, 1393}},  // below 200
        {5, {5000, 1470}, {4000, 1393}},  // above 340
        {5, {4000, 3000}, {4000, 1455}},  // straight down: none
        {6, {3000, 5200}, {4000, 5297}},  // above 160
        {6, {5000, 5200}, {4000, 5297}},  // below 20
        {6, {4000, 3000}, {4000, 5235}},  // straight up: none
    };
    for (const AimCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "pocket " << c.pocket << " target " << c.target.x << "," << c.target.y);
        EXPECT_EQ(computer::PocketAimPoint(b.t.Geometry, c.pocket, c.target), c.aim);
    }
}

TEST(PathBlockedTest, ObjectBallsOnlySkippingOneAndThePocketed) {
    Board b({1000, 3000});
    b.Put(5, {3000, 3050});   // on the path
    const Point from = {2000, 3000}, to = {5000, 3000};
    EXPECT_TRUE(computer::PathBlocked(b.t, from, to, 0));
    EXPECT_FALSE(computer::PathBlocked(b.t, from, to, 5));
    // The cue ball is never in the way, a pocketed ball never either.
    b.Put(0, {4000, 3000});
    b.t.Document.BallPos[5] = {table::OffTable, 2};
    EXPECT_FALSE(computer::PathBlocked(b.t, from, to, 0));
    // Square to the path the sweep reaches one diameter (25 pixels) and no further.
    b.Put(6, {3500, 3000 + 260});
    EXPECT_FALSE(computer::PathBlocked(b.t, from, to, 0));
    b.Put(6, {3500, 3000 + 240});
    EXPECT_TRUE(computer::PathBlocked(b.t, from, to, 0));
}

} // namespace
