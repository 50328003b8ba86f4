// The game in the real main frame: a two-player game starts at the first paint, a stroke fired
// through the game passes the turn, and the menu's new game gives it back to player 1.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/game_window.h"
#include "frame/command_ids.h"
#include "frame/command_table.h"
#include "frame/main_frame.h"
#include "frame/status_bar.h"

namespace {

TEST(GameWindow, ATwoPlayerGameStartsAndAStrokeSwitchesThePlayer) {
    const auto dir = std::filesystem::temp_directory_path() / ("velkaro-game-window-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    setenv("VELKARO_CONFIG_DIR", dir.c_str(), 1);

    app::AppSettings settings;
    settings.VsComputer = 0;
    settings.Music = false;
    frame::CommandTable commands;
    frame::FrameMetrics metrics;
    frame::CMainFrame mainFrame(commands);
    ASSERT_EQ(mainFrame.Create(metrics), 0);
    platform::ScriptedMessageBoxes boxes;
    platform::SystemClock clock;
    app::GameWindow window(settings, mainFrame, metrics, commands, &boxes,
                           app::SoundSystem::CreateSilent(settings, clock));
    rules::Game& game = window.Game();
    frame::CStatusBar& bar = mainFrame.StatusBar();

    // The first paint resets the match.
    for (int i = 0; i < 50 && game.cycle.RestartPending; ++i) QTest::qWait(20);
    ASSERT_FALSE(game.cycle.RestartPending);
    EXPECT_EQ(bar.PaneText(5), QString::fromUtf8("現在のプレーヤーは Player1 です"));
    EXPECT_EQ(bar.PaneText(3), QString::fromUtf8("☆<Player1>"));
    EXPECT_EQ(game.cards.hands[1].count, 5);
    EXPECT_GT(game.table.Geometry.BallDiameter, 0);
    EXPECT_EQ(game.table.Document.BallPos[0], game.table.Shot.CueBallTrack);

    // A soft stroke straight at the left cushion touches no ball.
    const int r = game.table.Geometry.BallRadius;
    const table::Point cue = game.table.Document.BallPos[0];
    game.FireStroke(15, {cue.x + r + 400, cue.y + r});
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "どの的球にも当たらなかったので、\n次のプレーヤーに交代");
    EXPECT_EQ(game.table.CurrentPlayer, 2);
    EXPECT_EQ(bar.PaneText(5), QString::fromUtf8("現在のプレーヤーは Player2 です"));

    // The menu's new game: player 1 again; the panes are left as they are.
    EXPECT_TRUE(commands.Dispatch(frame::kCmdNewGame));
    EXPECT_EQ(game.table.CurrentPlayer, 1);
    EXPECT_TRUE(game.table.Shot.BreakShot);
    EXPECT_TRUE(commands.Has(frame::kCmdHelpTopic));

    unsetenv("VELKARO_CONFIG_DIR");
    std::filesystem::remove_all(dir);
}

} // namespace
