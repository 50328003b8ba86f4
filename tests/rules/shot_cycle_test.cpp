// Whole turns: a stroke fired, the balls run on the virtual clock, and the shot resolved.
#include <gtest/gtest.h>

#include "rules/messages.h"
#include "rules_fixture.h"
#include "table/pockets.h"

namespace {

using rulestest::GameFixture;
using V = std::vector<int>;
using S = std::vector<std::string>;

int Count(const V& v, int x) { return int(std::count(v.begin(), v.end(), x)); }

// Ball 3 runs into the top-left pocket; the cue ball stays on the table.
void LegalPotOfThree(GameFixture& f) {
    f.PutCentre(0, 2000, 2960);
    f.PutCentre(3, 800, 1760);
    f.ShootAt(800, 1760, 30);
}

TEST(ShotCycle, ALegalPotKeepsTheTurn) {
    GameFixture f;
    f.SetHand(1, {3, 17});   // 3 of clubs, 4 of diamonds
    f.SetHand(2, {29, 5});   // 3 of hearts goes too
    LegalPotOfThree(f);
    EXPECT_EQ(f.game.table.CurrentPlayer, 1);
    EXPECT_EQ(f.game.table.Document.BallPos[3].x, table::OffTable);
    EXPECT_EQ(f.Hand(1), (V{-1, 17}));
    EXPECT_EQ(f.Hand(2), (V{-1, 5}));
    EXPECT_EQ(f.game.table.Document.StrokeCount, 0);  // the stroke is taken back
    EXPECT_TRUE(f.Messages().empty());
    EXPECT_FALSE(f.game.cycle.ShotArmed);
    EXPECT_EQ(f.game.table.Shot.ShotPower, 0);
    EXPECT_EQ(Count(f.sound.effects, 4), 1);
    EXPECT_EQ(f.sound.beeps, 0);
    EXPECT_EQ(f.drawing.pockets, 1);
    // A second paint draws but starts nothing.
    const size_t effects = f.sound.effects.size();
    f.game.PaintTable();
    EXPECT_EQ(f.sound.effects.size(), effects);
}

TEST(ShotCycle, AMissWithoutContactTellsThePlayerAndPassesTheTurn) {
    GameFixture f;
    f.SetHand(1, {3});
    f.SetHand(2, {4});
    f.PutCentre(0, 2000, 3000);
    f.ShootAt(6000, 3000, 20);
    ASSERT_EQ(f.boxes.shown.size(), 1u);
    EXPECT_EQ(f.boxes.shown[0].text, "どの的球にも当たらなかったので、\n次のプレーヤーに交代");
    EXPECT_EQ(f.boxes.shown[0].type, unsigned(platform::MB_OK | platform::MB_ICONEXCLAMATION));
    EXPECT_EQ(f.boxes.shown[0].caption, "Velkaro Ver1.20");
    EXPECT_EQ(f.sound.effects.front(), 6);  // the stroke: (x + y) of the cue ball is even
    EXPECT_EQ(Count(f.sound.effects, 3), 1);
    EXPECT_EQ(f.game.table.CurrentPlayer, 2);
    EXPECT_EQ(f.sound.beeps, 1);
    EXPECT_EQ(f.panes.text[5], "現在のプレーヤーは Player2 です");
    EXPECT_FALSE(f.game.table.Game.CueInHand);
    EXPECT_EQ(f.hooks.computerTurns, 0);
}

TEST(ShotCycle, TheCueBallDownWithoutContactIsOnlyAFoul) {
    GameFixture f({42});  // the card dealt for the foul: 3 of spades, ball 3 on the table
    f.SetHand(1, {4});
    f.SetHand(2, {5});
    f.PutCentre(3, 6000, 4000);
    f.PutCentre(0, 1500, 2460);
    const table::Point start = f.game.table.Document.BallPos[0];
    f.ShootAt(550, 1510, 40);
    EXPECT_EQ(f.Messages(), S{rules::kFoulCueBallMessage});
    EXPECT_EQ(f.boxes.shown[0].type, unsigned(platform::MB_OK | platform::MB_ICONEXCLAMATION));
    EXPECT_EQ(f.Hand(1), (V{42, 4}));  // sorted by ball
    EXPECT_EQ(f.game.cards.LastDealtCard, 42);
    EXPECT_EQ(f.game.table.CurrentPlayer, 2);
    EXPECT_TRUE(f.game.table.Game.CueInHand);
    EXPECT_TRUE(f.game.table.Outcome.FoulTurn);
    EXPECT_EQ(f.game.table.Document.StrokeCount, 2);
    // The placement paint puts the cue ball back where the shot started.
    EXPECT_EQ(f.game.table.Document.BallPos[0], start);
    EXPECT_EQ(f.panes.text[5], "現在のプレーヤーは Player2 です");
}

TEST(ShotCycle, AnAllowedBallThenTheCueBallIsRespottedWithItsCardsBack) {
    GameFixture f({42});
    f.SetHand(1, {3, 17});
    f.SetHand(2, {29, 5});
    f.game.table.Game.PlayerResult[1] = 0;
    f.PutCentre(0, 4000, 3000);
    f.PutCentre(3, 4000, 1800);
    f.ShootAt(4000, 1800, 60);
    const table::Point spot = f.game.table.Document.BallPos[3];
    EXPECT_NE(spot.x, table::OffTable);
    // Respotted on the vertical line through the left spot.
    const table::Rect& ls = f.game.table.Geometry.LeftSpot;
    EXPECT_NEAR(spot.x + 125, (ls.left + ls.right) / 2, 60);
    // The two threes change places at each of the three sorts: the card strip after the draw,
    // the turn change and the placement paint.
    EXPECT_EQ(f.Hand(1), (V{42, 3, 17}));
    EXPECT_EQ(f.Hand(2), (V{29, 5}));
    EXPECT_EQ(Count(f.sound.effects, 4), 1);
    EXPECT_EQ(f.Messages(), S{rules::kFoulCueBallMessage});
    EXPECT_EQ(f.game.table.CurrentPlayer, 2);
    EXPECT_TRUE(f.game.table.Game.CueInHand);
    EXPECT_EQ(f.game.table.Document.StrokeCount, 2);
}

// Shot set-ups that the motion would produce: balls dropped into the top-left pocket by the same
// capture code, then the resolution.
class ResolveFixture : public GameFixture {
public:
    using GameFixture::GameFixture;
    void BeginShot(bool opening = false) {
        game.table.Shot.FirstShotOfGame = opening;
        game.table.Shot.BreakShot = opening;
        game.table.Document.StrokeCount = 1;
        game.cycle.ShotArmed = true;
        game.table.Shot.CurrentBallPos = game.table.Document.BallPos[0];
        game.table.Shot.AimPoint = {0, 3000};
        game.StartShot();
        game.table.Outcome.NoContactYet = false;
    }
    void Drop(int ball) {
        PutCentre(ball, 3000, 3000);
        game.table.Shot.CurrentBall = ball;
        table::CapturePocketed(game.table, game, 400 - 125, 1500 - 125);
        ASSERT_EQ(game.table.Document.BallPos[ball].x, table::OffTable);
    }
};

TEST(ResolveShot, TheOpeningShotRespotsWhatTheHandDidNotAllow) {
    ResolveFixture f;
    f.PutCentre(0, 2000, 3000);
    f.SetHand(1, {3, 17});
    f.SetHand(2, {5, 6});
    f.BeginShot(true);
    f.Drop(3);
    f.Drop(9);
    f.Drop(14);
    f.game.ResolveShot();
    EXPECT_EQ(f.game.table.Document.BallPos[3].x, table::OffTable);
    EXPECT_NE(f.game.table.Document.BallPos[9].x, table::OffTable);
    EXPECT_NE(f.game.table.Document.BallPos[14].x, table::OffTable) << "no card matches 14";
    EXPECT_EQ(f.Hand(1), (V{-1, 17}));
    EXPECT_TRUE(f.Messages().empty());
    EXPECT_EQ(f.game.table.CurrentPlayer, 2);
    EXPECT_FALSE(f.game.table.Game.CueInHand);
    EXPECT_FALSE(f.game.table.Outcome.ObjectBallPocketed);
    EXPECT_TRUE(f.game.table.Shot.FirstShotOfGame) << "still the opening shot for the wrong-ball rule";
    EXPECT_EQ(f.drawing.tables, 1);
}

TEST(ResolveShot, BallsFourteenAndFifteenKeepTheTurnWithoutACard) {
    for (int ball : {14, 15}) {
        ResolveFixture f;
        f.PutCentre(0, 2000, 3000);
        f.SetHand(1, {3});
        f.SetHand(2, {4});
        f.BeginShot();
        f.Drop(ball);
        f.game.ResolveShot();
        EXPECT_EQ(f.game.table.CurrentPlayer, 1) << ball;
        EXPECT_EQ(f.game.table.Document.StrokeCount, 0) << ball;
        EXPECT_EQ(f.game.table.Document.BallPos[ball].x, table::OffTable) << ball;
        EXPECT_EQ(f.Hand(1), V{3});
        EXPECT_EQ(f.Hand(2), V{4});
        EXPECT_TRUE(f.Messages().empty());
        EXPECT_EQ(f.sound.effects, V{4});
    }
}

TEST(ResolveShot, AWrongBallLaterIsAFoulWithACard) {
    ResolveFixture f({44});  // 5 of spades; ball 5 is on the table
    f.PutCentre(0, 2000, 3000);
    f.PutCentre(5, 6000, 4000);
    f.SetHand(1, {3, 17});
    f.SetHand(2, {29, 6});
    f.BeginShot();
    f.Drop(3);
    f.Drop(9);
    f.game.ResolveShot();
    EXPECT_EQ(f.Messages(), S{rules::kFoulWrongBallMessage});
    EXPECT_EQ(f.boxes.shown[0].type, unsigned(platform::MB_OK));
    EXPECT_NE(f.game.table.Document.BallPos[3].x, table::OffTable);
    EXPECT_NE(f.game.table.Document.BallPos[9].x, table::OffTable);
    EXPECT_EQ(f.Hand(1), (V{3, 17, 44}));
    EXPECT_EQ(f.Hand(2), (V{29, 6}));
    EXPECT_EQ(f.game.table.CurrentPlayer, 2);
    EXPECT_TRUE(f.game.table.Game.CueInHand);
    EXPECT_TRUE(f.game.table.Outcome.FoulTurn);
}

TEST(ResolveShot, APotThatEmptiesBothHandsWinsForTheShooter) {
    ResolveFixture f;
    f.PutCentre(0, 2000, 3000);
    f.SetHand(1, {7});
    f.SetHand(2, {20, -1});
    f.game.table.CurrentPlayer = 2;
    f.hooks.stopAtReset = true;
    f.BeginShot();
    f.Drop(7);
    f.game.ResolveShot();
    EXPECT_EQ(f.game.table.Game.PlayerResult[2], 100);
    EXPECT_EQ(f.game.table.Game.PlayerResult[1], -100);
    EXPECT_EQ(f.hooks.winners, V{2});
    EXPECT_EQ(f.hooks.resetsStopped, 1);
    EXPECT_EQ(f.game.table.Document.StrokeCount, 0);
    // Two flashed sevens, the pocket, the cheer and fifty falling cards.
    V expected(12, 1);
    expected.push_back(4);
    expected.push_back(2);
    expected.insert(expected.end(), 50, 1);
    EXPECT_EQ(f.sound.effects, expected);
}

TEST(ResolveShot, TheWonGameStartsAfreshWithPlayerOne) {
    ResolveFixture f({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    f.PutCentre(0, 2000, 3000);
    f.SetHand(1, {20});
    f.SetHand(2, {7, 8});
    f.game.table.CurrentPlayer = 1;
    f.BeginShot();
    f.Drop(7);
    f.game.ResolveShot();
    EXPECT_EQ(f.hooks.winners, V{1});
    EXPECT_EQ(f.game.table.CurrentPlayer, 1);
    EXPECT_EQ(f.Hand(1), (V{1, 2, 3, 4, 5}));
    EXPECT_EQ(f.Hand(2), (V{6, 7, 8, 9, 10}));  // a fresh deck
    EXPECT_EQ(f.game.table.Game.PlayerResult[1], 0);
    EXPECT_TRUE(f.game.table.Shot.BreakShot);
    EXPECT_EQ(f.panes.text[3], "☆<Player1>");
    EXPECT_EQ(f.panes.text[6], "☆<Player2>");
    EXPECT_EQ(f.panes.width[5], 115);
    EXPECT_EQ(f.panes.width[0], 0);
}

TEST(ResolveShot, AgainstTheComputerAMissHandsOverAtOnce) {
    GameFixture f({}, /*vsComputer=*/1);
    f.SetHand(1, {3});
    f.SetHand(2, {4});
    f.PutCentre(0, 2000, 3000);
    f.ShootAt(6000, 3000, 20);
    EXPECT_EQ(f.game.table.CurrentPlayer, 2);
    EXPECT_TRUE(f.game.table.ComputerTurn);
    EXPECT_EQ(f.hooks.portraits, 1);
    EXPECT_EQ(f.hooks.computerTurns, 1);
    // The view is brought up to date as the computer's turn comes: a full paint.
    EXPECT_EQ(f.drawing.tables, 1);
}

TEST(ResolveShot, TheComputersMissReturnsTheTurnAndItsFoulCardComesWithoutTheDialog) {
    struct CountingDraw : rules::CardDrawPrompt {
        int runs = 0;
        void Run(rules::Game&) override { ++runs; }
    } dialog;
    GameFixture f({45}, 1);
    rules::Game game(rules::GameServices{f.clock, f.boxes, f.sound, f.drawing, f.dealer, dialog, f.hooks, nullptr},
                     f.settings);
    game.table = f.game.table;
    game.cycle.RestartPending = false;
    game.table.CurrentPlayer = 2;
    game.cards.hands[2].count = 1;
    game.cards.hands[2].cards[1] = 4;
    game.table.Document.BallPos[6] = {3000, 3000};  // the new card's ball is on the table
    game.table.Outcome.CueBallPocketed = true;
    game.ResolveShot();
    EXPECT_EQ(dialog.runs, 0);
    EXPECT_EQ(game.cards.hands[2].count, 2);
    EXPECT_EQ(game.cards.hands[2].cards[2], 45);
    EXPECT_EQ(game.table.CurrentPlayer, 1);
    EXPECT_EQ(f.hooks.computerTurns, 0);
    game.PaintTable();
    EXPECT_FALSE(game.table.ComputerTurn) << "every paint clears it while player 1 shoots";
}

TEST(StartShot, TheOpeningShotIsStrongerThanTheRest) {
    for (bool opening : {true, false}) {
        GameFixture f;
        f.PutCentre(0, 2000, 3000);
        f.game.table.Shot.BreakShot = opening;
        f.game.table.Shot.ShotPower = 77;
        f.game.table.Shot.CurrentBallPos = f.game.table.Document.BallPos[0];
        f.game.table.Shot.AimPoint = {1000, 3125};
        f.game.StartShot();
        EXPECT_EQ(f.game.table.Motion.Motion[0].steps, opening ? 123 : 115);
        EXPECT_EQ(f.game.table.Motion.Motion[0].order, 1);
        EXPECT_TRUE(f.game.cycle.RedrawTable);
    }
}

// Message boxes open a nested event loop in which a paint request can arrive.
struct PaintingBoxes : platform::MessageBoxes {
    rules::Game* game = nullptr;
    int shown = 0;
    using MessageBoxes::Show;
    int Show(const std::string&, unsigned, const std::string&) override {
        ++shown;
        game->OnPaintRequest();
        return platform::IDOK;
    }
};

TEST(PaintTable, APaintRequestDuringAShotWaitsForItsEnd) {
    GameFixture f;
    PaintingBoxes boxes;
    rules::Game game(rules::GameServices{f.clock, boxes, f.sound, f.drawing, f.dealer, f.cardDraw, f.hooks, nullptr},
                     f.settings);
    boxes.game = &game;
    game.table = f.game.table;
    game.cycle.RestartPending = false;
    game.cards = f.game.cards;
    const int r = 125;
    game.table.Document.BallPos[0] = {2000 - r, 3000 - r};
    game.FireStroke(20, {1000, 3000});
    EXPECT_EQ(boxes.shown, 1);  // the no-contact message
    EXPECT_EQ(f.drawing.tables, 0) << "no table paint inside the resolution";
    EXPECT_EQ(f.hooks.repaints, 1) << "the request is made again once the shot is over";
    game.OnPaintRequest();
    EXPECT_EQ(f.drawing.tables, 1);
}

TEST(PaintTable, TheFirstPaintResetsTheMatch) {
    GameFixture f({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    f.game.cycle.RestartPending = true;
    f.game.table.CurrentPlayer = 2;
    f.game.OnPaintRequest();
    EXPECT_FALSE(f.game.cycle.RestartPending);
    EXPECT_EQ(f.game.table.CurrentPlayer, 1);
    EXPECT_EQ(f.Hand(1), (V{1, 2, 3, 4, 5}));
    EXPECT_EQ(f.panes.text[5], "現在のプレーヤーは Player1 です");
    EXPECT_EQ(f.drawing.tables, 1);
    // The first full paint of a game: the card animation, then the rack is placed.
    EXPECT_EQ(Count(f.sound.effects, 1), 80);
    EXPECT_FALSE(f.game.view.RackRequested);
    EXPECT_EQ(f.game.view.PlacementState, 1);
}

} // namespace
