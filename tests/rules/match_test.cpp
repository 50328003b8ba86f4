// A new game: the reset of cards, players and cue ball, the menu command, and the remembered
// shot settings of each player.
#include <gtest/gtest.h>

#include <set>

#include "rules_fixture.h"

namespace {

using rulestest::GameFixture;
using V = std::vector<int>;

TEST(NewGame, ResetsCardsPlayersAndTheCueBall) {
    GameFixture f;
    rules::RandomDealer random(f.clock);
    rules::Game game(rules::GameServices{f.clock, f.boxes, f.sound, f.drawing, random, f.cardDraw, f.hooks, nullptr},
                     f.settings);
    game.table = f.game.table;
    game.cycle.RestartPending = false;
    game.table.Shot.SpinKind = 2;
    game.table.Shot.SideSpin = -1;
    game.table.PlayerSettings[2] = {1, 1, 40};
    game.table.CurrentPlayer = 2;
    game.table.Document.StrokeCount = 7;
    game.table.Game.GameOver = true;
    game.cards.hands[1].count = 9;
    game.NewGame();

    EXPECT_EQ(game.table.Document.StrokeCount, 0);
    EXPECT_EQ(game.table.Document.BallsLeft, 15);
    EXPECT_EQ(game.table.CurrentPlayer, 1);
    EXPECT_FALSE(game.table.Game.GameOver);
    EXPECT_TRUE(game.table.Shot.BreakShot);
    EXPECT_TRUE(game.table.Shot.FirstShotOfGame);
    EXPECT_TRUE(game.cycle.RedrawTable);
    EXPECT_EQ(game.table.Shot.ShotPower, 80);
    EXPECT_EQ(game.table.Shot.SideSpin, 0);
    for (int p = 1; p <= 2; ++p) {
        EXPECT_EQ(game.table.PlayerSettings[p].SpinKind, 2) << "the spin in force at the new game";
        EXPECT_EQ(game.table.PlayerSettings[p].SideSpin, 0);
        EXPECT_EQ(game.table.PlayerSettings[p].Power, 80);
    }
    // FrameWidth / 4 - r, (FrameHeight - 4000) / 2 + 1600.
    const table::Point start{8080 / 4 - 125, (6460 - 4000) / 2 + 1600};
    EXPECT_EQ(game.table.Shot.CurrentBallPos, start);
    EXPECT_EQ(game.table.Shot.CueBallTrack, start);
    EXPECT_EQ(game.table.Document.BallPos[0], start);
    std::set<int> dealt;
    for (int p = 1; p <= 2; ++p) {
        EXPECT_EQ(game.cards.hands[p].count, 5);
        for (int i = 1; i <= 5; ++i) dealt.insert(game.cards.hands[p].cards[i]);
    }
    EXPECT_EQ(dealt.size(), 10u);
    EXPECT_EQ(f.hooks.repaints, 1);

    // The next full paint places the rack and writes the tracked cue ball back.
    EXPECT_TRUE(game.view.RackRequested);
    game.PaintTable();
    EXPECT_FALSE(game.view.RackRequested);
    table::Point rack[table::BallSlots];
    table::PlaceRack(game.table.Geometry, rack);
    for (int i = 1; i <= table::LastBall; ++i) EXPECT_EQ(game.table.Document.BallPos[i], rack[i]) << i;
}

TEST(NewGame, FromTheMenuWhilePlayerTwoWasToShootPlayerOneBegins) {
    GameFixture f({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    f.game.table.CurrentPlayer = 2;
    f.panes.text[5] = "現在のプレーヤーは Player2 です";
    f.game.table.Shot.BreakShot = false;
    f.game.OnNewGameCommand();
    EXPECT_EQ(f.game.table.CurrentPlayer, 1);
    EXPECT_TRUE(f.game.table.Shot.BreakShot);
    EXPECT_EQ(f.panes.text[5], "現在のプレーヤーは Player2 です") << "the menu leaves the panes alone";
    EXPECT_EQ(f.Hand(1), (V{1, 2, 3, 4, 5}));
    EXPECT_EQ(f.Hand(2), (V{6, 7, 8, 9, 10}));
}

TEST(LoadPlayerSettings, EachPlayerFindsTheirOwnChoices) {
    GameFixture f;
    f.game.table.PlayerSettings[1] = {1, -1, 55};
    f.game.table.PlayerSettings[2] = {2, 1, 95};
    for (int player : {2, 1}) {
        f.game.table.CurrentPlayer = player;
        f.game.LoadPlayerSettings();
        EXPECT_EQ(f.game.table.Shot.SpinKind, player == 1 ? 1 : 2);
        EXPECT_EQ(f.game.table.Shot.SideSpin, player == 1 ? -1 : 1);
        EXPECT_EQ(f.game.view.PowerLevel, player == 1 ? 55 : 95);
    }
}

} // namespace
