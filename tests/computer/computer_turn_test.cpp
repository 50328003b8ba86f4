// The computer's turn against a recording host: its order, the pointer point, the stroke delay,
// placement before aiming and a turn nested inside the stroke of the previous one.
#include <gtest/gtest.h>

#include <cmath>

#include "computer/computer_turn.h"
#include "table/direction.h"
#include "tests/computer/computer_fixture.h"

namespace {

using computertest::Board;
using computertest::RecordingHost;
using table::Point;

// The straight shot into pocket 5: aim (4000, 2769), planned 3045, power 60.
Board StraightShot() {
    Board b({4000, 4500});
    b.Put(7, {4000, 2500});
    b.hand2 = {7};
    return b;
}

TEST(ComputerTurnTest, OneTurnInTheOrderOfAPlayersPressAndRelease) {
    Board b = StraightShot();
    b.t.PlayerSettings[2] = {1, -1, 30};
    RecordingHost host(b.t);
    computer::SearchContext c = b.Context();
    computer::ComputerTakeTurn(c, host);

    // Pointer point: 6 x (D + 20) = 1620 behind the cue ball's centre, away from the aim.
    const Point pointer = table::PointBeyond({4000, 4500}, {4000, 2769}, 1620);
    EXPECT_EQ(pointer, (Point{4000, 6119}));
    // The press goes in whole pixels; the stroke is played from the pixel's point, 6110.
    const std::vector<std::string> expected = {
        "SetPowerLevel 60",
        "Press (400,611)",
        "Delay 1000",
        "ReleaseCapture", "ClearAiming", "SetShotArmed",
        "HideHands", "DrawCardStrip", "ShotBar", "ValidateWindow", "ShowHands", "EraseCueAndGuide", "DrawCardStrip",
        "StrokeDelay 0",  // ShotPower is still 0 from the resolved shot: the 80 ms pace
        "Animate (4000,6110) (3875,4375) 80",
        "ClearGuideActive",
        "FireStroke 60 (4000,6110)",
        "FireStroke end",
    };
    EXPECT_EQ(host.log, expected);
    // The press handler found the computer's settings; the bar's cancel was ignored.
    ASSERT_EQ(host.settingsAtPress.size(), 1u);
    EXPECT_EQ(host.settingsAtPress[0].SpinKind, 3);
    EXPECT_EQ(host.settingsAtPress[0].SideSpin, 1);  // the path ends in pocket 5
    EXPECT_EQ(host.settingsAtPress[0].Power, 60);
    EXPECT_EQ(b.t.Shot.AimPoint, (Point{4000, 6110}));
    EXPECT_EQ(b.t.Shot.PrevPos, b.t.Document.BallPos[0]);
    EXPECT_EQ(b.t.Shot.ShotPower, 60);
}

TEST(ComputerTurnTest, PointerPointIsOnTheFarSideAtSixDiametersAndAHalf) {
    // An oblique shot: the pointer lies on the line from the aim through the cue ball's centre.
    const Point t = {4000, 2000}, cue = {5484, 2400};
    Board b(cue);
    b.Put(7, t);
    b.hand2 = {7};
    RecordingHost host(b.t);
    computer::SearchContext c = b.Context();
    const computer::TurnPlan plan = computer::PlanComputerTurn(c, host);
    const double ax = plan.aim.x - cue.x, ay = plan.aim.y - cue.y;
    const double px = plan.pointer.x - cue.x, py = plan.pointer.y - cue.y;
    EXPECT_NEAR(std::hypot(px, py), 1620.0, 2.0);
    EXPECT_NEAR((ax * px + ay * py) / (std::hypot(ax, ay) * std::hypot(px, py)), -1.0, 1e-5);
    // Far beyond one diameter of the cue ball's centre, even after the press's rounding.
    const Point press = computer::ToPixels(plan.pointer);
    EXPECT_GT(std::hypot(press.x * 10 - cue.x, press.y * 10 - cue.y), 1500.0);
}

TEST(ComputerTurnTest, TheCueBallInHandIsDrawnTwentyMillisecondsBeforeItsPress) {
    Board b({6000, 4000});
    b.Put(8, {3900, 4700});
    b.hand2 = {8};
    b.t.Game.CueInHand = true;
    RecordingHost host(b.t);
    computer::SearchContext c = b.Context();
    computer::ComputerTakeTurn(c, host);
    const std::vector<std::string> first = {"EraseBall (5875,3875)", "DrawBall (1875,4855) 0", "Delay 20",
                                            "Press (200,498)"};
    ASSERT_GE(host.log.size(), 6u);
    EXPECT_EQ(std::vector<std::string>(host.log.begin(), host.log.begin() + 4), first);
    // Aiming starts from the new place: the pointer is behind (2000, 4980) as seen from the target.
    const Point pointer = table::PointBeyond({2000, 4980}, {3900, 4700}, 1620);
    std::ostringstream press;
    press << "Press (" << pointer.x / 10 << "," << pointer.y / 10 << ")";
    EXPECT_EQ(host.log[5], press.str());
    EXPECT_EQ(host.settingsAtPress.size(), 2u);
}

TEST(ComputerTurnTest, AKeptTurnNestsTheNextInsideTheStroke) {
    Board b = StraightShot();
    RecordingHost host(b.t);
    computer::SearchContext c = b.Context();
    int turns = 0;
    host.onFire = [&] {
        // The shot resolution: the first shot kept the turn (ShotPower cleared as resolving does).
        b.t.Shot.ShotPower = 0;
        if (++turns == 1) computer::ComputerTakeTurn(c, host);
    };
    computer::ComputerTakeTurn(c, host);
    std::vector<std::string> fires;
    for (const std::string& line : host.log)
        if (line.rfind("FireStroke", 0) == 0 || line.rfind("Press", 0) == 0) fires.push_back(line);
    const std::vector<std::string> expected = {"Press (400,611)", "FireStroke 60 (4000,6110)", "Press (400,611)",
                                               "FireStroke 60 (4000,6110)", "FireStroke end", "FireStroke end"};
    EXPECT_EQ(fires, expected);
    EXPECT_EQ(turns, 2);
}

} // namespace
