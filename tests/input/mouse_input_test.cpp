// Aiming, placement, the push stroke and the contact pick, driven through the handlers.
#include "recording_aim_host.h"

#include <gtest/gtest.h>

namespace {

using inputtest::AimTable;
using table::Point;
using input::CursorKind;

class MouseInputTest : public ::testing::Test, public AimTable {};

TEST_F(MouseInputTest, APressWithinOneDiameterOfTheCueBallOnlyTicks) {
    struct Case { Point p; bool aims; };
    const Case cases[] = {
        {{C.x + D, C.y}, false},          // exactly D
        {{C.x + 141, C.y + 141}, false},  // trunc(199.4) <= D
        {{C.x + D + 1, C.y}, true},
        {{C.x - 143, C.y - 143}, true},   // trunc(202.2) > D
    };
    for (const Case& c : cases) {
        AimTable a;
        a.mouse.OnLButtonDown(c.p);
        EXPECT_EQ(a.in.Aiming, c.aims) << c.p.x << "," << c.p.y;
        if (c.aims) {
            EXPECT_EQ(a.host.log, (std::vector<std::string>{"cursor 1", "capture",
                      "cue " + a.host.P(c.p) + " 2900,2400", "guide"}));
            EXPECT_TRUE(a.in.GuideActive);
            EXPECT_EQ(a.t.Shot.AimPoint, c.p);
        } else {
            EXPECT_EQ(a.host.log, std::vector<std::string>{"effect 3"});
        }
    }
}

TEST_F(MouseInputTest, EveryPressLoadsTheShootersSettingsFirst) {
    t.CurrentPlayer = 2;
    mouse.OnLButtonDown({C.x + 10, C.y});
    EXPECT_EQ(t.Shot.SpinKind, 1);
    EXPECT_EQ(t.Shot.SideSpin, 1);
    EXPECT_EQ(host.powerLevel, 40);
}

TEST_F(MouseInputTest, AimingFollowsThePointerWithATickAndRedrawsCueAndGuide) {
    mouse.OnLButtonDown({1500, 2500});
    host.log.clear();
    mouse.OnMouseMove({1500, 2600});
    EXPECT_EQ(host.log, (std::vector<std::string>{"effect 3", "erase cue", "cue 1500,2600 2900,2400", "guide"}));
    EXPECT_EQ(t.Shot.AimPoint, (Point{1500, 2600}));
    // Without aiming, placing or a stroke the pointer moves nothing.
    AimTable idle;
    idle.mouse.OnMouseMove({1500, 2600});
    EXPECT_TRUE(idle.host.log.empty());
}

TEST_F(MouseInputTest, BreakPlacementFollowsThePointerAnywhereButTheClickMustBeNearTheLine) {
    t.Shot.BreakShot = true;
    host.placementState = 1;
    t.Shot.PrevPos = t.Document.BallPos[0];
    // Far from the line the ball still follows.
    mouse.OnMouseMove({5000, 2000});
    EXPECT_EQ(host.log, (std::vector<std::string>{"erase 2900,2400", "ball 0 4900,1900"}));
    EXPECT_EQ(t.Document.BallPos[0], (Point{4900, 1900}));
    EXPECT_EQ(t.Shot.CueBallTrack, (Point{4900, 1900}));
    EXPECT_EQ(t.Shot.PrevPos, (Point{4900, 1900}));
    // Outside the cushions it stays, with a tick.
    host.log.clear();
    mouse.OnMouseMove({7000, 2000});
    EXPECT_EQ(host.log, std::vector<std::string>{"effect 3"});

    // More than D from the line: the message and the tick, nothing placed.
    host.log.clear();
    mouse.OnLButtonDown({host.headLineX + D + 1, 2000});
    EXPECT_EQ(host.log, (std::vector<std::string>{"message", "effect 3"}));
    EXPECT_EQ(host.messages.at(0), input::kPlacementMessage);
    EXPECT_EQ(host.placementState, 1);

    host.log.clear();
    mouse.OnLButtonDown({host.headLineX - D, 2000});
    EXPECT_EQ(host.log, (std::vector<std::string>{"table", "cursor 0"}));
    EXPECT_EQ(host.placementState, 2);
    EXPECT_EQ(t.Document.BallPos[0], (Point{1700, 1900}));
    EXPECT_EQ(t.Shot.PrevPos, (Point{1700, 1900}));
    EXPECT_EQ(mouse.CursorRequest(), CursorKind::Arrow);
}

TEST_F(MouseInputTest, CueInHandIgnoresTheCueBallsOwnPlaceButNotTheOthers) {
    t.Game.CueInHand = true;
    t.Shot.CurrentBall = 5;
    t.Document.BallPos[5] = {1900, 3000};
    // Over the cue ball's old place: allowed, the ball being placed is the cue ball.
    t.Document.BallPos[0] = {1900, 1900};
    mouse.OnLButtonDown({host.headLineX, 2885});  // overlapping ball 5 by 15 LU
    EXPECT_EQ(host.log, std::vector<std::string>{"effect 3"});
    EXPECT_TRUE(t.Game.CueInHand);
    EXPECT_EQ(t.Shot.CurrentBall, 0);
    host.log.clear();
    mouse.OnLButtonDown({host.headLineX, 2000});
    EXPECT_FALSE(t.Game.CueInHand);
    EXPECT_EQ(t.Document.BallPos[0], (Point{1900, 1900}));
    EXPECT_EQ(host.placementState, 0);  // only the break moves the placement state
}

TEST_F(MouseInputTest, ModeTwoPressOnTheBallPicksTheContactPointElsewhereStartsTheStroke) {
    FixDirection({2000, 2500});
    EXPECT_EQ(in.PushStage, 1);
    EXPECT_TRUE(host.Logged("contact mark"));
    EXPECT_TRUE(host.Logged("pointer 3000,2500"));
    EXPECT_EQ(mouse.CursorRequest(), CursorKind::PushCross);

    // t = r div 3 = 33; 0.9 D = 180.
    struct Case { Point p; int spin, side; bool posts; };
    const Case picks[] = {
        {{C.x, C.y}, 2, 0, false},
        {{C.x - 34, C.y - 34}, 1, -1, true},
        {{C.x - 33, C.y + 33}, 2, 0, true},
        {{C.x + 34, C.y + 34}, 3, 1, true},
        {{C.x + 180, C.y}, 2, 1, false},
    };
    for (const Case& c : picks) {
        host.log.clear();
        mouse.OnLButtonDown(c.p);
        EXPECT_EQ(t.Shot.SpinKind, c.spin) << c.p.x << "," << c.p.y;
        EXPECT_EQ(t.Shot.SideSpin, c.side);
        EXPECT_EQ(t.PlayerSettings[1].SpinKind, c.spin);
        EXPECT_EQ(t.PlayerSettings[1].SideSpin, c.side);
        EXPECT_EQ(host.Logged("aim changed"), c.posts);
        EXPECT_EQ(in.PushStage, 1);
    }
    EXPECT_EQ(t.PlayerSettings[1].Power, 70);

    host.now = 9000;
    mouse.OnLButtonDown({C.x + 181, C.y});
    EXPECT_EQ(in.PushStage, 2);
    EXPECT_EQ(in.PressPoint, (Point{C.x + 181, C.y}));
    EXPECT_EQ(in.PressTime, 9000u);
    EXPECT_EQ(mouse.CursorRequest(), CursorKind::AimingHand);
}

TEST_F(MouseInputTest, PushingForwardAfterAPullOfLessThanExactlyOrMoreThanTheRadius) {
    struct Case { int pull; const char* after; bool fires; };
    const Case cases[] = {
        {99, nullptr, false},              // ignored: the cue is not redrawn
        {100, "push cue -0.050000", false},// drawn pushed in
        {101, nullptr, true},
    };
    for (const Case& c : cases) {
        AimTable a;
        a.FixDirection({2000, 2500});
        a.mouse.OnLButtonDown({2000, 2500});
        a.mouse.OnMouseMove({2000 - c.pull, 2500});
        EXPECT_EQ(a.in.MaxPull, c.pull);
        a.host.log.clear();
        a.mouse.OnMouseMove({2010, 2500});
        EXPECT_EQ(a.host.fired.size(), c.fires ? 1u : 0u) << c.pull;
        if (c.after) {
            EXPECT_EQ(a.host.log, std::vector<std::string>{c.after}) << c.pull;
        }
        if (!c.after && !c.fires) {
            EXPECT_TRUE(a.host.log.empty()) << c.pull;
        }
        if (c.fires) {
            EXPECT_EQ(a.host.log, (std::vector<std::string>{"push cue off", "guide", "fire 7"}));
            EXPECT_EQ(a.host.fired[0].second, (Point{2000, 2500}));
            EXPECT_FALSE(a.in.GuideActive);
            EXPECT_EQ(a.t.Shot.PrevPos, a.t.Shot.CurrentBallPos);
        }
    }
}

TEST_F(MouseInputTest, TheCuePulledBackFollowsUpToTenDiametersAndTheBallsNeighbourhoodIsIgnored) {
    FixDirection({2000, 2500});
    mouse.OnLButtonDown({2000, 2500});
    mouse.OnMouseMove({1500, 2500});
    EXPECT_FLOAT_EQ(host.pushOffset, 2.5f);
    mouse.OnMouseMove({-1000, 2500});
    EXPECT_FLOAT_EQ(host.pushOffset, 10.0f);
    host.log.clear();
    mouse.OnMouseMove({C.x - D, C.y});  // within D of the centre
    EXPECT_TRUE(host.log.empty());
}

TEST(PushPower, ShortPullsLongPullsAndSlowStrokes) {
    struct Case { int maxPull; uint32_t time; int steps[4]; int power; };
    const Case cases[] = {
        {100, 300, {0, 0, 0, 0}, 7},   {299, 300, {0, 0, 0, 0}, 12},  {300, 300, {0, 0, 0, 0}, 17},
        {400, 300, {0, 0, 0, 0}, 22},  {500, 300, {0, 0, 0, 0}, 27},  {600, 300, {0, 0, 0, 0}, 32},
        {900, 800, {100, 100, 100, 60}, 40},   // 800 ms leaves the pull whole: (9 + 1) * 4
        {900, 1300, {100, 100, 100, 60}, 17},  // 1300 ms divides it by 3: 300 is a short pull
        {601, 300, {1000, 1000, 1000, 1000}, 110},  // capped
        {601, 300, {89, 0, 0, 0}, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(input::PushPower(c.maxPull, c.time, c.steps, 200, 100), c.power) << c.maxPull << " " << c.time;
}

TEST_F(MouseInputTest, AStrokesStepsAreMeasuredFromItsPressAndNotCarriedIntoTheNext) {
    FixDirection({2000, 2500});
    // First stroke: four steps of 200 after the press, a pull of 800 > 3 D.
    mouse.OnLButtonDown({2000, 2500});
    for (int x : {1800, 1600, 1400, 1200}) mouse.OnMouseMove({x, 2500});
    EXPECT_EQ((std::vector<int>(in.StepSamples, in.StepSamples + 4)), (std::vector<int>{200, 200, 200, 200}));
    mouse.OnMouseMove({2100, 2500});
    ASSERT_EQ(host.fired.size(), 1u);
    EXPECT_EQ(host.fired[0].first, (8 + 1) * (800 / 90));
    mouse.OnPaintReturned();

    // Second stroke: one step of 700 from the press point, a pull of 700.
    FixDirection({2000, 2500});
    host.now += 100;
    mouse.OnLButtonDown({2000, 2500});
    mouse.OnMouseMove({1300, 2500});
    mouse.OnMouseMove({2100, 2500});
    ASSERT_EQ(host.fired.size(), 2u);
    EXPECT_EQ(host.fired[1].first, (7 + 1) * (700 / 90));
}

TEST_F(MouseInputTest, ASlowStrokeThroughTheHandlersDividesThePull) {
    FixDirection({2000, 2500});
    mouse.OnLButtonDown({2000, 2500});
    host.now += 1300;
    mouse.OnMouseMove({1100, 2500});  // 900 pulled, 1300 ms
    mouse.OnMouseMove({2100, 2500});
    ASSERT_EQ(host.fired.size(), 1u);
    EXPECT_EQ(host.fired[0].first, 17);
}

TEST_F(MouseInputTest, AReleaseDuringTheStrokeChangesNothing) {
    FixDirection({2000, 2500});
    mouse.OnLButtonDown({2000, 2500});
    host.log.clear();
    mouse.OnLButtonUp({2000, 2500});
    EXPECT_EQ(host.log, std::vector<std::string>{"release"});
    EXPECT_EQ(in.PushStage, 2);
    mouse.OnMouseMove({1800, 2500});
    EXPECT_FLOAT_EQ(host.pushOffset, 1.0f);
}

TEST_F(MouseInputTest, TheRightButtonCancelsOnlyAFixedDirectionOrAStroke) {
    const auto cancelled = std::vector<std::string>{"push cue off", "guide", "ball 0 2900,2400"};
    // Mode 1, idle and aiming; mode 2 aiming: nothing.
    for (int mode : {1, 2}) {
        AimTable a;
        a.host.shotMode = mode;
        a.mouse.OnRButtonDown({1500, 2500});
        a.mouse.OnLButtonDown({1500, 2500});
        a.host.log.clear();
        a.mouse.OnRButtonDown({1500, 2500});
        EXPECT_TRUE(a.host.log.empty()) << mode;
        EXPECT_TRUE(a.in.Aiming);
    }
    // Direction fixed, then a stroke in progress: both are called off.
    for (bool stroking : {false, true}) {
        AimTable a;
        a.FixDirection({2000, 2500});
        if (stroking) {
            a.mouse.OnLButtonDown({2000, 2500});
            a.mouse.OnMouseMove({1800, 2500});
        }
        a.host.log.clear();
        a.mouse.OnRButtonDown({1500, 2500});
        EXPECT_EQ(a.host.log, cancelled) << stroking;
        EXPECT_EQ(a.in.PushStage, 0);
        EXPECT_EQ(a.host.pushOffset, 0.0f);
        EXPECT_EQ(a.host.drawnPushOffset, 0.0f);
        EXPECT_EQ(a.mouse.CursorRequest(), CursorKind::Arrow);
    }
}

TEST_F(MouseInputTest, ModeOneReleaseRunsTheBarAndPlaysUnlessItWasQuit) {
    struct Case { int result; bool fires; };
    for (const Case& c : {Case{input::ShotBarShot, true}, Case{input::ShotBarEscape, true},
                          Case{input::ShotBarQuit, false}}) {
        AimTable a;
        a.host.barResult = c.result;
        a.t.Shot.ShotPower = 80;  // the first stroke of a game
        a.mouse.OnLButtonDown({1500, 2500});
        a.t.Shot.PrevPos = {1000, 2400};  // the guide's first cushion point
        a.mouse.OnMouseMove({1500, 2400});
        a.host.log.clear();
        a.mouse.OnLButtonUp({1500, 2400});
        std::vector<std::string> expected{"release", "hide hands", "strip", "bar", "validate",
                                          "show hands", "erase cue", "strip"};
        if (c.fires) {
            expected.push_back("animate 1500,2400 2900,2400 20");
            expected.push_back("fire 70");
            EXPECT_EQ(a.t.Shot.PrevPos, (Point{2900, 2400})) << c.result;
        } else {
            EXPECT_EQ(a.t.Shot.PrevPos, a.in.AimStartPos);
            EXPECT_EQ(a.t.Shot.ShotPower, 0);
        }
        EXPECT_EQ(a.host.log, expected) << c.result;
        EXPECT_EQ(a.t.Document.BallPos[0], (Point{2900, 2400}));
        EXPECT_FALSE(a.in.Aiming);
        EXPECT_FALSE(a.in.GuideActive);
        EXPECT_TRUE(a.host.shotArmed);
        // After the quit the player may aim again.
        if (!c.fires) {
            a.mouse.OnLButtonDown({1500, 2500});
            EXPECT_TRUE(a.in.Aiming);
        }
    }
}

TEST_F(MouseInputTest, WithoutProModeTheReleaseFiresAtOnce) {
    host.proMode = false;
    mouse.OnLButtonDown({1500, 2500});
    host.log.clear();
    mouse.OnLButtonUp({1500, 2500});
    EXPECT_EQ(host.log, (std::vector<std::string>{"release", "erase cue", "animate 1500,2500 2900,2400 80", "fire 70"}));
    // A release without aiming does nothing.
    host.log.clear();
    mouse.OnLButtonUp({1500, 2500});
    EXPECT_TRUE(host.log.empty());
}

// The bar's arrows post nudges the view answers while the bar is open; the stroke then goes the
// way the cue was showing, not back to the release point.
struct NudgingHost : inputtest::RecordingAimHost {
    input::MouseInput* mouse = nullptr;
    using RecordingAimHost::RecordingAimHost;
    int RunShotBar() override {
        mouse->OnAimNudged({t.Shot.AimPoint.x, t.Shot.AimPoint.y + 10});
        return input::ShotBarShot;
    }
};

TEST(MouseInputNudge, ANudgedAimIsWhereTheStrokeIsPlayedFrom) {
    AimTable a;
    NudgingHost host(a.t);
    input::MouseInput mouse(a.t, a.in, host);
    host.mouse = &mouse;
    mouse.OnLButtonDown({1500, 2500});
    mouse.OnLButtonUp({1500, 2500});
    ASSERT_EQ(host.fired.size(), 1u);
    EXPECT_EQ(host.fired[0].second, (Point{1500, 2510}));
    EXPECT_TRUE(host.Logged("cue 1500,2510 2900,2400"));
}

TEST_F(MouseInputTest, CursorForEveryState) {
    struct Case { int pushStage, placement; bool inHand; int d; CursorKind cursor; };
    const Case cases[] = {
        {1, 1, true, 200, CursorKind::PushCross},   {2, 0, true, 200, CursorKind::AimingHand},
        {0, 1, true, 200, CursorKind::AimingHand},  {0, 2, true, 211, CursorKind::CueBallLarge},
        {0, 0, true, 210, CursorKind::CueBall210},  {0, 0, true, 190, CursorKind::CueBall210},
        {0, 0, true, 189, CursorKind::CueBall170},  {0, 0, true, 160, CursorKind::CueBall170},
        {0, 0, true, 159, CursorKind::CueBall150},  {0, 0, false, 200, CursorKind::Arrow},
    };
    for (const Case& c : cases) {
        in.PushStage = c.pushStage;
        host.placementState = c.placement;
        t.Game.CueInHand = c.inHand;
        t.Geometry.BallDiameter = c.d;
        EXPECT_EQ(mouse.CursorRequest(), c.cursor) << c.pushStage << " " << c.placement << " " << c.d;
    }
    EXPECT_EQ(input::CursorResourceId(CursorKind::CueBall170), 147);
    EXPECT_EQ(input::CursorResourceId(CursorKind::Arrow), 0);
}

TEST_F(MouseInputTest, ASideSpinChangeRedrawsCueAndGuideUnlessTheGuideEndsOnABall) {
    mouse.OnLButtonDown({1500, 2500});
    host.log.clear();
    mouse.OnAimChanged();
    EXPECT_EQ(host.log, (std::vector<std::string>{"effect 3", "erase cue", "cue 1500,2500 2900,2400", "guide"}));
}

TEST_F(MouseInputTest, ThePaintRoutineEndsAStrokeInProgress) {
    FixDirection({2000, 2500});
    mouse.OnLButtonDown({2000, 2500});
    mouse.OnPaintReturned();
    EXPECT_EQ(in.PushStage, 0);
    host.log.clear();
    mouse.OnMouseMove({1800, 2500});
    EXPECT_TRUE(host.log.empty());
}

} // namespace
