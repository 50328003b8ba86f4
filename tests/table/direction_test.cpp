// Directions from points, slopes to angles, turned slopes and the point beyond.
#include <cmath>

#include <gtest/gtest.h>

#include "table/direction.h"

namespace {

constexpr int D = 250;

struct DirCase {
    int x1, y1, x2, y2;
    float slope;
    int dirX, dirY;
    bool horizontal;
};

class DirectionFromPointsTest : public ::testing::TestWithParam<DirCase> {};

TEST_P(DirectionFromPointsTest, GivesSlopeAndSigns) {
    const DirCase c = GetParam();
    const table::Direction d = table::DirectionFromPoints(c.x1, c.y1, c.x2, c.y2, D);
    EXPECT_FLOAT_EQ(d.slope, c.slope);
    EXPECT_EQ(d.dirX, c.dirX);
    EXPECT_EQ(d.dirY, c.dirY);
    EXPECT_EQ(d.horizontal, c.horizontal);
}

INSTANTIATE_TEST_SUITE_P(Table, DirectionFromPointsTest, ::testing::Values(
    DirCase{5, 5, 5, 5, 0.0f, D, -D, true},            // same point: horizontal, then too short in x
    DirCase{0, 0, 100, 0, 32767.0f, D, D, true},
    DirCase{0, 0, -100, 0, 32767.0f, -D, -D, true},    // positive slope with dx <= 0
    DirCase{0, 0, 1, 0, 0.0f, D, -D, true},            // |dx| < 2 wins over horizontal
    DirCase{0, 0, 0, 100, 0.0f, D, D, false},
    DirCase{0, 0, 0, -100, 0.0f, D, -D, false},
    DirCase{0, 0, 3, 100, 0.0f, D, D, false},          // |slope| = 0.03 counts as vertical
    DirCase{0, 0, 4, 100, 0.04f, D, D, false},
    DirCase{0, 0, 100, 100, 1.0f, D, D, false},
    DirCase{0, 0, -100, -100, 1.0f, D, -D, false},
    DirCase{0, 0, 100, -100, -1.0f, D, -D, false},
    DirCase{0, 0, -100, 100, -1.0f, D, D, false},
    DirCase{10, 20, 410, 120, 4.0f, D, D, false}
));

TEST(DirectionTest, StateVersionSetsHorizontalMove) {
    table::TableState t;
    t.Geometry.BallDiameter = D;
    t.Shot.HorizontalMove = false;
    table::DirectionFromPoints(t, 0, 0, 100, 0);
    EXPECT_TRUE(t.Shot.HorizontalMove);
    table::DirectionFromPoints(t, 0, 0, 100, 50);
    EXPECT_FALSE(t.Shot.HorizontalMove);
}

TEST(SlopeToAngleTest, Boundaries) {
    struct { float slope, angle; } const kCases[] = {
        {0.004f, 1.5707963f}, {-0.004f, 1.5707963f}, {0.0f, 1.5707963f},
        {0.006f, -1.5648f}, {0.005f, static_cast<float>(-std::atan(1.0 / 0.005f))},
        {1.0f, -0.78539819f}, {-1.0f, 0.78539819f}, {32767.0f, static_cast<float>(-std::atan(1.0 / 32767.0))},
    };
    for (const auto& c : kCases) EXPECT_NEAR(table::SlopeToAngle(c.slope), c.angle, 1e-4) << c.slope;
}

TEST(RotateSlopeTest, TurnsAndWraps) {
    EXPECT_NEAR(table::RotateSlope(1.0f, 0.0f), 1.0f, 1e-6);             // t = pi/4
    // t = 0.5 + pi/4 + pi/2 > pi/2 folds to pi/2 - t.
    EXPECT_NEAR(table::RotateSlope(-1.0f, 0.5f), 1.0 / std::tan(1.5707963 - (0.5 + 0.78539816 + 1.5707963)), 1e-4);
    EXPECT_FLOAT_EQ(table::RotateSlope(0.0f, -1.5707963f), 10000.0f);    // |t| < 0.01
    EXPECT_NEAR(table::RotateSlope(0.0f, 0.2617994f), -3.7320508f, 1e-4);   // folds to -15 degrees
}

TEST(PointBeyondTest, AwayTowardsAndGuards) {
    using table::Point;
    EXPECT_EQ(table::PointBeyond({0, 0}, {100, 0}, 50), (Point{-50, 0}));
    EXPECT_EQ(table::PointBeyond({0, 0}, {100, 0}, -50), (Point{50, 0}));
    // w = -1/3 in single precision leaves both quotients just below 850 and 1800.
    EXPECT_EQ(table::PointBeyond({1000, 2000}, {1300, 2400}, 250), (Point{849, 1799}));
    EXPECT_EQ(table::PointBeyond({1000, 2000}, {1300, 2400}, -250), (Point{1150, 2200}));
    // Landing on b: h is nudged by 0.1, so the point stops just short of b.
    EXPECT_EQ(table::PointBeyond({0, 0}, {100, 0}, -100), (Point{99, 0}));
    // a and b the same point: the result is a.
    EXPECT_EQ(table::PointBeyond({10, 20}, {10, 20}, 50), (Point{10, 20}));
}

} // namespace
