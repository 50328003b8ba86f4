// The computer's shot search on fixed tables: candidates, pocket choice, the fallback shot,
// placement with the cue ball in hand, power and side spin.
#include <gtest/gtest.h>

#include <cmath>

#include "computer/shot_geometry.h"
#include "computer/shot_search.h"
#include "computer/stroke_choice.h"
#include "table/direction.h"
#include "tests/computer/computer_fixture.h"

namespace {

using computer::PocketAimPoint;
using computertest::Board;
using computertest::RecordingHost;
using table::Point;

int Dist(Point a, Point b) {
    const double dx = a.x - b.x, dy = a.y - b.y;
    return static_cast<int>(std::sqrt(static_cast<float>(dx * dx + dy * dy)));
}

// Cards: 5 is ball 5, 16 ball 3, 20 ball 7, 33 ball 7, 35 ball 9, 22 ball 9.
TEST(CandidateTargetTest, UniqueBallsFirstThenTheLastLiveCard) {
    Board b;
    b.Put(4, {3000, 3000});
    b.Put(11, {3500, 3000});
    b.hand2 = {5, 16, -1, 20, 35};
    b.hand1 = {33, 22};
    const computer::SearchContext c = b.Context();
    EXPECT_EQ(computer::CandidateTarget(c, 1), 5);
    EXPECT_EQ(computer::CandidateTarget(c, 2), 3);
    // Beyond the unique balls: the last live card's ball, although the opponent holds it too.
    EXPECT_EQ(computer::CandidateTarget(c, 3), 9);
    EXPECT_EQ(computer::CandidateTarget(c, 4), 9);

    // Player 1 has no ball of its own: its last live card.
    b.t.CurrentPlayer = 1;
    EXPECT_EQ(computer::CandidateTarget(b.Context(), 1), 9);

    // An empty hand: the highest ball on the table.
    b.hand1 = {-1};
    EXPECT_EQ(computer::CandidateTarget(b.Context(), 1), 11);
}

TEST(ExchangeSortTest, EqualDistancesMayTradePlacesThroughAThird) {
    const Point target = {4000, 3000};
    const int distances[6] = {200, 200, 100, 300, 300, 300};
    computer::ShotCandidate cands[6];
    for (int i = 0; i < 6; ++i) {
        cands[i].pocket = i + 1;
        cands[i].aim = {target.x, target.y + distances[i]};
    }
    computer::SortByDistance(target, cands);
    // The 100 swaps with the first 200, which lands behind the second.
    const int order[6] = {3, 2, 1, 4, 5, 6};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(cands[i].pocket, order[i]) << "entry " << i;
        EXPECT_EQ(cands[i].distance, distances[order[i] - 1]);
    }
}

struct ShotResult {
    Point aim;
    int target, planned;
};

ShotResult Search(Board& b) {
    RecordingHost host(b.t);
    computer::SearchContext c = b.Context();
    const Point aim = computer::FindComputerShot(c, host);
    EXPECT_TRUE(host.log.empty()) << "a search without the cue ball in hand draws and presses nothing";
    return {aim, b.target, b.planned};
}

TEST(FindComputerShotTest, StraightShotIntoTheNearestPocket) {
    Board b({4000, 4500});
    b.Put(7, {4000, 2500});
    b.hand2 = {7};
    const ShotResult r = Search(b);
    // Pocket 5's aim (4000, 1455); the cue ball's centre goes 20 LU past touching the target.
    EXPECT_EQ(r.aim, table::PointBeyond({4000, 2500}, {4000, 1455}, 270));
    EXPECT_EQ(r.aim, (Point{4000, 2769}));  // the single-precision ratio lands just short of 2770
    EXPECT_EQ(r.target, 7);
    EXPECT_EQ(r.planned, 2000 + 1045);
    EXPECT_EQ(computer::ChoosePowerLevel(b.t.Geometry, r.planned), 60);
}

TEST(FindComputerShotTest, AGoodAngleBeatsANearerPossibleOne) {
    // Pocket 5 is 545 away but a steep cut (class 1); pocket 1 is nearly straight (class 2).
    const Point t = {4000, 2000}, cue = {5484, 2400};
    Board b(cue);
    b.Put(7, t);
    b.hand2 = {7};
    const ShotResult r = Search(b);
    const Point aim1 = PocketAimPoint(b.t.Geometry, 1, t);
    EXPECT_EQ(r.aim, table::PointBeyond(t, aim1, 270));
    EXPECT_EQ(r.planned, static_cast<int>(std::sqrt(static_cast<float>(1484 * 1484 + 400 * 400)) +
                                          static_cast<float>(Dist(aim1, t))));
}

TEST(FindComputerShotTest, PocketsAtOneDistanceGoByTheSortedOrder) {
    // Pockets 1 and 4 lie symmetrically at the same distance and rate alike (class 1); pockets 5
    // and 6 are blocked. Sorted: 5, 6, 1, 4, 2, 3, so pocket 1 is taken.
    const Point t = {4000, 3000};
    Board b({4000, 3900});
    b.Put(7, t);
    b.Put(1, {4000, 1750});
    b.Put(2, {4000, 4950});
    b.hand2 = {7};
    const Point aim1 = PocketAimPoint(b.t.Geometry, 1, t), aim4 = PocketAimPoint(b.t.Geometry, 4, t);
    ASSERT_EQ(Dist(aim1, t), Dist(aim4, t));
    const ShotResult r = Search(b);
    EXPECT_EQ(r.aim, table::PointBeyond(t, aim1, 270));
}

// Balls 1 and 2 side by side inside a ring of twelve: no pocket is reachable for either.
Board BoxedIn() {
    Board b({6000, 4600});
    b.Put(1, {3870, 3000});
    b.Put(2, {4130, 3000});
    for (int i = 0; i < 12; ++i) {
        const double a = i * 3.14159265 / 6;
        b.Put(3 + i, {4000 + static_cast<int>(500 * std::cos(a)), 3000 + static_cast<int>(500 * std::sin(a))});
    }
    b.hand2 = {1, 2};
    return b;
}

TEST(FindComputerShotTest, NoPocketAnywhereShootsStraightAtTheLastCandidate) {
    Board b = BoxedIn();
    const ShotResult r = Search(b);
    EXPECT_EQ(r.aim, b.Centre(2));
    EXPECT_EQ(r.target, 2);
    EXPECT_EQ(r.planned, 4848);  // 0.6 of the width
    EXPECT_EQ(computer::ChoosePowerLevel(b.t.Geometry, r.planned), 80);
    // Aim and target coincide: a level path whose ends are found at y = 0, in pocket 1's zone.
    EXPECT_EQ(computer::ChooseSideSpin(b.t, r.aim, b.Centre(2)), 1);
    EXPECT_EQ(b.t.Motion.PocketNumber, 1);
}

TEST(FindComputerShotTest, AnEmptyHandShootsAtTheHighestBallWithPower80) {
    Board b({6000, 4600});
    b.Put(3, {3000, 3000});
    b.Put(11, {3000, 4000});
    b.target = 5;
    const ShotResult r = Search(b);
    EXPECT_EQ(r.aim, b.Centre(11));
    EXPECT_EQ(r.target, 11);
    EXPECT_EQ(computer::ChoosePowerLevel(b.t.Geometry, r.planned), 80);
}

struct SpinCase {
    Point a, t;
    int spin, pocket;
};

TEST(ChooseSideSpinTest, LongSideFirstThenBothShortSides) {
    const SpinCase cases[] = {
        {{4000, 3000}, {4000, 2000}, 1, 5},  // straight up into the top middle pocket
        {{2000, 3000}, {2000, 2000}, 0, 0},  // straight up onto the cushion
        {{3000, 3000}, {3500, 3000}, 0, 0},  // level at mid height: neither end
        {{3000, 1600}, {3500, 1600}, 1, 1},  // level near the top: the left end is tried first
        {{3000, 3000}, {3500, 2837}, 1, 4},  // misses the top cushion, ends in pocket 4
        {{3500, 2837}, {3000, 3000}, 1, 4},  // travelling left, yet the right end counts
    };
    for (const SpinCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.a.x << "," << c.a.y << " -> " << c.t.x << "," << c.t.y);
        Board b;
        EXPECT_EQ(computer::ChooseSideSpin(b.t, c.a, c.t), c.spin);
        EXPECT_EQ(b.t.Motion.PocketNumber, c.pocket);
    }
}

TEST(ChoosePowerLevelTest, StepsOfTheWidth) {
    const Board b;  // FrameWidth 8080
    const struct {
        int d, power;
    } cases[] = {{0, 40}, {1777, 40}, {1778, 50}, {2423, 50}, {2424, 60}, {3231, 60}, {3232, 70},
                 {4847, 70}, {4848, 80}, {6059, 80}, {6060, 90}, {100000, 90}};
    for (const auto& c : cases) EXPECT_EQ(computer::ChoosePowerLevel(b.t.Geometry, c.d), c.power) << c.d;
}

struct PlacementResult {
    Point aim;
    RecordingHost host;
    computer::SearchContext c;
};

TEST(PlaceCueBallTest, APocketWhoseLineMissesTheTableIsSkipped) {
    // Pockets 6 and 5 are nearer, but their lines through the target cross the placement line
    // far outside the cushions; pocket 2's crosses it on the table.
    const Point t = {3900, 4700};
    Board b({6000, 4000});
    b.Put(8, t);
    b.hand2 = {8};
    b.t.Game.CueInHand = true;
    RecordingHost host(b.t);
    computer::SearchContext c = b.Context();
    const Point aim = computer::FindComputerShot(c, host);

    const Point aim2 = PocketAimPoint(b.t.Geometry, 2, t);
    const Point s = {2000, computer::LineYAtX(t, aim2, 2000).value};
    EXPECT_EQ(s, (Point{2000, 4980}));
    EXPECT_TRUE(c.Placed);
    EXPECT_EQ(c.PlacedAt, s);
    EXPECT_EQ(aim, t);
    EXPECT_EQ(b.planned, Dist(s, aim2));
    const std::vector<std::string> expected = {"EraseBall (5875,3875)", "DrawBall (1875,4855) 0", "Delay 20",
                                               "Press (200,498)"};
    EXPECT_EQ(host.log, expected);
    // The press handler put it down and took it out of hand.
    EXPECT_FALSE(b.t.Game.CueInHand);
    EXPECT_EQ(b.t.Document.BallPos[0], (Point{1875, 4855}));
}

TEST(PlaceCueBallTest, CrowdedUpwardsTheHeadLineIsSearchedDownwards) {
    // Balls on the placement line from the left spot's top (3262) up to the cushion, and one
    // more that takes the spots the target's pocket lines would give.
    Board b({6000, 4000});
    for (int i = 0; i < 8; ++i) b.Put(1 + i, {2000, 3262 - 250 * i});
    b.Put(10, {2000, 3800});
    b.Put(9, {1000, 3300});
    b.hand2 = {9};
    b.t.Game.CueInHand = true;
    ASSERT_EQ(b.t.Geometry.LeftSpot.top, 3262);
    RecordingHost host(b.t);
    computer::SearchContext c = b.Context();
    const Point aim = computer::FindComputerShot(c, host);
    // 3512 touches the ball at 3262, 3762 and 4012 the one at 3800.
    EXPECT_EQ(c.PlacedAt, (Point{2000, 4262}));
    EXPECT_EQ(aim, (Point{1000, 3300}));
    EXPECT_EQ(b.planned, 4848);
    EXPECT_EQ(host.log.back(), "Press (200,426)");
}

TEST(PlaceCueBallTest, NoRoomOnTheHeadLineGivesUp) {
    // Fifteen balls fill the placement line from 1512 to 5012; the target is one of them.
    Board b({6000, 4000});
    for (int i = 1; i <= 15; ++i) b.Put(i, {2000, 1512 + 250 * (i - 1)});
    b.hand2 = {8};
    b.t.Game.CueInHand = true;
    RecordingHost host(b.t);
    computer::SearchContext c = b.Context();
    const Point aim = computer::FindComputerShot(c, host);
    EXPECT_FALSE(c.Placed);
    EXPECT_FALSE(b.t.Game.CueInHand);
    EXPECT_EQ(aim, (Point{2000, 3262}));
    EXPECT_EQ(b.target, 8);
    EXPECT_EQ(b.planned, 4848);
    // Nothing drawn; the press still goes to the cue ball's centre, where it lies.
    const std::vector<std::string> expected = {"Press (600,400)"};
    EXPECT_EQ(host.log, expected);
    EXPECT_EQ(b.t.Document.BallPos[0], (Point{5875, 3875}));
}

} // namespace
