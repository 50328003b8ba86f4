// The computer's turn through the table window's own press handler and aiming state.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "computer/computer_turn.h"
#include "computer/input_turn_host.h"
#include "computer/shot_geometry.h"
#include "tests/computer/computer_fixture.h"

namespace {

using computertest::Board;
using table::Point;

// The game behind aiming, reduced to what a computer turn touches; logs the rest.
struct AimDouble : input::AimHost {
    table::TableState& t;
    explicit AimDouble(table::TableState& s) : t(s) {}
    std::vector<std::string> log;
    int placement = 2, power = 0, headLineX = 2000, barResult = input::ShotBarQuit;
    float push = 0, drawnPush = 0;
    bool armed = false;
    struct Stroke { int power; Point aim; };
    std::vector<Stroke> fired;
    std::vector<Point> cues;

    int& PlacementState() override { return placement; }
    int& PowerLevel() override { return power; }
    float& PushOffset() override { return push; }
    float& DrawnPushOffset() override { return drawnPush; }
    bool& ShotArmed() override { return armed; }
    int HeadLineX() override { return headLineX; }
    int ShotMode() override { return 1; }
    bool ProMode() override { return false; }  // the computer runs the bar whatever this says
    uint32_t Ticks() override { return 0; }
    void PlayEffect(int e) override { log.push_back("effect " + std::to_string(e)); }
    void ShowExclamation(const std::string&) override { log.push_back("message"); }
    void LoadPlayerSettings() override {
        const table::PlayerShotSettings& s = t.PlayerSettings[t.CurrentPlayer];
        t.Shot.SpinKind = s.SpinKind;
        t.Shot.SideSpin = s.SideSpin;
        power = s.Power;
    }
    void DrawTable() override { log.push_back("table"); }
    void DrawBall(Point, int) override { log.push_back("ball"); }
    void EraseBall(Point) override { log.push_back("erase"); }
    void DrawCue(Point p, Point) override { cues.push_back(p); }
    void DrawGuide() override {}
    void EraseCueAndGuide() override {}
    bool GuideHitsBall() override { return false; }
    void DrawPushCue(float) override {}
    void DrawContactMark() override {}
    int StrokeDelay(int p) override { return p == 0 ? 80 : 20; }
    void AnimateCueStroke(Point, Point, int) override {}
    void SetHandsHidden(bool) override {}
    void RedrawCardStrip() override {}
    int RunShotBar() override { log.push_back("bar"); return barResult; }
    void ValidateView() override {}
    void SetCursor(input::CursorKind) override {}
    void SetCapture() override { log.push_back("capture"); }
    void ReleaseCapture() override { log.push_back("release"); }
    void MovePointerTo(Point) override {}
    void PostAimChanged() override {}
    void FireStroke(int p, Point aim) override { fired.push_back({p, aim}); }
};

using Waits = tabletest::RecordingHost;

TEST(ComputerInputTest, ThePressHandlerAimsWithTheComputersSettings) {
    Board b({4000, 4500});
    b.Put(7, {4000, 2500});
    b.hand2 = {7};
    b.t.PlayerSettings[2] = {1, -1, 30};
    input::InputState in;
    AimDouble aim(b.t);
    input::MouseInput mouse(b.t, in, aim);
    Waits waits;
    computer::InputTurnHost host(mouse, in, aim, waits);
    computer::SearchContext c = b.Context();
    computer::ComputerTakeTurn(c, host);

    // Aiming started at the pointer point, loaded from the computer's stored settings.
    ASSERT_EQ(aim.cues.size(), 1u);
    EXPECT_EQ(aim.cues[0], (Point{4000, 6110}));
    EXPECT_EQ(b.t.Shot.SpinKind, 3);
    EXPECT_EQ(b.t.Shot.SideSpin, 1);
    // The bar ran and its quit was ignored; the stroke went off with the chosen power.
    const std::vector<std::string> expected = {"capture", "release", "bar"};
    EXPECT_EQ(aim.log, expected);
    ASSERT_EQ(aim.fired.size(), 1u);
    EXPECT_EQ(aim.fired[0].power, 60);
    EXPECT_EQ(aim.fired[0].aim, (Point{4000, 6110}));
    EXPECT_FALSE(in.Aiming);
    EXPECT_FALSE(in.GuideActive);
    EXPECT_TRUE(aim.armed);
    EXPECT_EQ(waits.now, 1000u + 1000u);
}

TEST(ComputerInputTest, ThePlacementPressPutsTheCueBallDownBeforeAiming) {
    Board b({6000, 4000});
    b.Put(8, {3900, 4700});
    b.hand2 = {8};
    b.t.Game.CueInHand = true;
    input::InputState in;
    AimDouble aim(b.t);
    input::MouseInput mouse(b.t, in, aim);
    Waits waits;
    computer::InputTurnHost host(mouse, in, aim, waits);
    computer::SearchContext c = b.Context();
    computer::ComputerTakeTurn(c, host);

    EXPECT_FALSE(b.t.Game.CueInHand);
    EXPECT_EQ(b.t.Document.BallPos[0], (Point{2000 - 125, 4980 - 125}));
    EXPECT_EQ(aim.log.front(), "erase");  // the search's own drawing of the placed ball
    EXPECT_EQ(aim.log[2], "table");       // the handler accepted the press
    ASSERT_EQ(aim.cues.size(), 1u);
    ASSERT_EQ(aim.fired.size(), 1u);
    EXPECT_EQ(waits.now, 1000u + 20u + 1000u);
}

TEST(ComputerInputTest, ARefusedPlacementPressLeavesTheCueBallInHand) {
    // The placement line at 2042: the press lands on 2040 and a whole-pixel y, up to 9 LU up and
    // left of the chosen spot, where the ball up and to the left now counts as touching.
    Board b({6000, 4000});
    b.headLineX = 2042;
    const Point t = {3900, 4700};
    b.Put(8, t);
    b.hand2 = {8};
    const Point aim2 = computer::PocketAimPoint(b.t.Geometry, 2, t);
    const Point s = {2042, computer::LineYAtX(t, aim2, 2042).value};
    ASSERT_NE(s.y % 10, 0);
    b.Put(9, {2042 - 270, s.y - 260});
    b.t.Game.CueInHand = true;
    input::InputState in;
    AimDouble aim(b.t);
    aim.headLineX = 2042;
    input::MouseInput mouse(b.t, in, aim);
    Waits waits;
    computer::InputTurnHost host(mouse, in, aim, waits);
    computer::SearchContext c = b.Context();
    computer::ComputerTakeTurn(c, host);

    EXPECT_TRUE(c.Placed);
    EXPECT_EQ(c.PlacedAt, s);
    // Refused: the tick. The aiming press is then a placement attempt too, here beyond the right
    // cushion: another tick, and no aiming. The stroke still goes off, from where the cue ball lies.
    EXPECT_TRUE(b.t.Game.CueInHand);
    EXPECT_EQ(b.t.Document.BallPos[0], (Point{5875, 3875}));
    const std::vector<std::string> expected = {"erase", "ball", "effect 3", "effect 3", "release", "bar"};
    EXPECT_EQ(aim.log, expected);
    EXPECT_TRUE(aim.cues.empty());
    EXPECT_EQ(aim.fired.size(), 1u);
}

} // namespace
