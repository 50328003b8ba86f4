// Pocket zones, capturing balls, respotting on the left spot's line and the placement helpers.
#include <gtest/gtest.h>

#include "table/contacts.h"
#include "table/pockets.h"
#include "tests/table/table_fixture.h"

namespace {

using tabletest::LaidOutTable;
using tabletest::PutCentre;
using tabletest::RecordingHost;
using table::OffTable;
using table::Point;

constexpr int D = 250;
constexpr int R = 125;

TEST(PocketTestTest, ZonesAndBoundaries) {
    // CushionRect (550, 1510, 7450, 5180); c = 187; corner zones x < 644 / x > 7356 and
    // y < 1604 / y > 5086; middle pockets 3850..4150 on the cushion line only.
    struct { int x, y, pocket; } const kCases[] = {
        {643, 1603, 1}, {644, 1603, 0}, {643, 1604, 0},
        {643, 5087, 2}, {643, 5086, 0},
        {7357, 5087, 3}, {7356, 5087, 0},
        {7357, 1603, 4}, {7357, 1604, 0},
        {3850, 1510, 5}, {4150, 1510, 5}, {3849, 1510, 0}, {4151, 1510, 0}, {4000, 1511, 0},
        {4000, 5180, 6}, {3850, 5180, 6}, {4000, 5179, 0}, {4151, 5180, 0},
        {600, 3000, 0},  // a short cushion has no pocket
    };
    table::TableState t = LaidOutTable(D);
    for (const auto& c : kCases) {
        t.Motion.PocketNumber = 99;
        EXPECT_EQ(table::PocketTest(t, c.x, c.y), c.pocket != 0) << c.x << "," << c.y;
        EXPECT_EQ(t.Motion.PocketNumber, c.pocket) << c.x << "," << c.y;
    }
}

TEST(PocketTestTest, OnlyCentresWithinARadiusOfALongCushionCanDrop) {
    // A corner pocket stretched far down shows the zone: y <= CushionRect.top + r = 1635 only.
    table::TableState t = LaidOutTable(D);
    t.Geometry.PocketRect[1].bottom = 3000;
    EXPECT_TRUE(table::PocketTest(t, 600, 1635));
    EXPECT_EQ(t.Motion.PocketNumber, 1);
    EXPECT_FALSE(table::PocketTest(t, 600, 1636));
    EXPECT_EQ(t.Motion.PocketNumber, 0);
}

TEST(CapturePocketedTest, CueBallIsTakenOffAndIsNoLongerAnObstacle) {
    table::TableState t = LaidOutTable(D);
    RecordingHost host;
    t.CurrentPlayer = 2;
    PutCentre(t, 0, 600, 1560);
    t.Shot.CurrentBall = 0;
    t.Motion.Motion[0].steps = 12;
    t.Motion.Motion[0].order = 1;
    table::CapturePocketed(t, host, 600 - R, 1560 - R);
    EXPECT_EQ(t.Document.BallPos[0], (Point{OffTable, 2}));
    EXPECT_TRUE(t.Outcome.CueBallPocketed);
    EXPECT_FALSE(t.Outcome.ObjectBallPocketed);
    EXPECT_EQ(t.Outcome.PocketedThisShot.count, 0);
    EXPECT_EQ(t.Motion.Motion[0].steps, 0);
    EXPECT_EQ(t.Motion.Motion[0].order, 0);
    EXPECT_EQ(host.removeCalls, 0);
    EXPECT_EQ(host.pocketedBalls, (std::vector<int>{0}));

    // Ball 1 now rolls straight through where the cue ball was last tracked.
    PutCentre(t, 1, 300 + 600, 1560);
    t.Shot.CurrentBall = 1;
    t.Shot.PrevPos = t.Document.BallPos[1];
    EXPECT_FALSE(table::FindContacts(t, host, 500 - R, 1560 - R));
}

TEST(CapturePocketedTest, ObjectBallAllowedOrNot) {
    for (const bool allowed : {true, false}) {
        table::TableState t = LaidOutTable(D);
        RecordingHost host;
        host.allowCards = allowed;
        PutCentre(t, 3, 4000, 5180);
        t.Shot.CurrentBall = 3;
        table::CapturePocketed(t, host, 4000 - R, 5180 - R);
        EXPECT_EQ(t.Document.BallPos[3], (Point{OffTable, 1}));
        EXPECT_EQ(t.Motion.PocketNumber, 6);
        EXPECT_TRUE(t.Outcome.ObjectBallPocketed);
        ASSERT_EQ(t.Outcome.PocketedThisShot.count, 1);
        EXPECT_EQ(t.Outcome.PocketedThisShot.balls[0], 3);
        EXPECT_EQ(t.Outcome.WrongBallPocketed, allowed ? 0 : 3);
        EXPECT_EQ(t.Document.BallsLeft, allowed ? 14 : 15);
        EXPECT_EQ(host.gameEndChecks, allowed ? 1 : 0);
        EXPECT_EQ(host.handRefreshes, allowed ? 1 : 0);
        EXPECT_EQ(host.effects, allowed ? std::vector<int>{4} : std::vector<int>{});
    }
}

TEST(CapturePocketedTest, BallAwayFromPocketsStays) {
    table::TableState t = LaidOutTable(D);
    RecordingHost host;
    PutCentre(t, 5, 3000, 1510);
    t.Shot.CurrentBall = 5;
    table::CapturePocketed(t, host, 3000 - R, 1510 - R);
    EXPECT_EQ(t.Document.BallPos[5], (Point{3000 - R, 1510 - R}));
    EXPECT_TRUE(host.pocketedBalls.empty());
}

// The left spot is (2022, 3262, 2147, 3387): its centre for respotting is (2084, 3324).
class RespotTest : public ::testing::Test {
protected:
    void SetUp() override {
        t = LaidOutTable(D);
        PutCentre(t, 0, 6000, 2000);
    }
    void Pocket(int ball) {
        t.Document.BallPos[ball] = {OffTable, 1};
        t.Outcome.PocketedThisShot.Append(ball);
    }
    table::TableState t;
};

TEST_F(RespotTest, FreeSpot) {
    Pocket(7);
    t.Shot.CurrentBall = 4;
    table::RespotPocketed(t, 2, nullptr);
    EXPECT_EQ(t.Document.BallPos[7], (Point{2084 - R, 3324 - R}));
    EXPECT_EQ(t.Shot.CurrentBall, 4);
}

TEST_F(RespotTest, SearchesUpBeforeDown) {
    PutCentre(t, 1, 2084, 3324);  // blocks the spot and the points within 270 of it
    Pocket(7);
    table::RespotPocketed(t, 2, nullptr);
    EXPECT_EQ(t.Document.BallPos[7], (Point{2084 - R, 3324 - 3 * R - R}));
}

TEST_F(RespotTest, GoesDownWhenUpIsTaken) {
    PutCentre(t, 1, 2084, 3324);
    PutCentre(t, 2, 2084, 3324 - 3 * R);
    Pocket(7);
    table::RespotPocketed(t, 2, nullptr);
    EXPECT_EQ(t.Document.BallPos[7], (Point{2084 - R, 3324 + 3 * R - R}));
}

TEST_F(RespotTest, FullLineLeavesTheBallPocketed) {
    for (int b = 1; b <= 14; ++b) PutCentre(t, b, 2084, 1635 + 250 * (b - 1));
    Pocket(15);
    table::RespotPocketed(t, 2, nullptr);
    EXPECT_EQ(t.Document.BallPos[15], (Point{OffTable, 1}));
}

TEST_F(RespotTest, ModeThreeKeepsBallsTheHandHeld) {
    Pocket(3);
    Pocket(9);
    table::RespotPocketed(t, 3, [](int ball) { return ball == 3; });
    EXPECT_EQ(t.Document.BallPos[3], (Point{OffTable, 1}));
    EXPECT_EQ(t.Document.BallPos[9], (Point{2084 - R, 3324 - R}));
}

TEST(PlacementTest, IsOccupiedNeedsMoreThanTenEachWay) {
    table::TableState t = LaidOutTable(D);
    t.Document.BallPos[4] = {1000, 1000};  // square 1000..1280
    t.Shot.CurrentBall = 0;
    struct { int cx, cy; bool occupied; } const kCases[] = {
        {1394, 1125, true}, {1395, 1125, false},   // overlap 11 / 10 wide
        {1125, 1394, true}, {1125, 1395, false},
        {856, 1125, true}, {855, 1125, false},     // from the left: (cx + 155) - 1000
    };
    for (const auto& c : kCases)
        EXPECT_EQ(table::IsOccupied(t, c.cx, c.cy), c.occupied) << c.cx << "," << c.cy;
    t.Shot.CurrentBall = 4;  // a ball never blocks itself
    EXPECT_FALSE(table::IsOccupied(t, 1125, 1125));
}

TEST(PlacementTest, OutsideCushionsCountsRightAndBottomEdgesOutside) {
    table::TableState t = LaidOutTable(D);
    struct { int x, y; bool outside; } const kCases[] = {
        {550, 1510, false}, {7449, 5179, false}, {7450, 3000, true}, {3000, 5180, true},
        {549, 3000, true}, {3000, 1509, true},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(table::OutsideCushions(t, c.x, c.y), c.outside) << c.x << "," << c.y;
}

} // namespace
