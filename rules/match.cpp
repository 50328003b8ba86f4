// The match: a new game, the per-game reset, and each player's remembered shot settings.
#include "rules/game.h"

#include "frame/kavrel_doc.h"

namespace rules {

void Game::NewGame() {
    if (doc_)
        doc_->OnNewDocument();  // reads the results, then runs NewGamePart
    else
        NewGamePart();
}

void Game::NewGamePart() {
    table.Document.StrokeCount = 0;
    table.Document.BallsLeft = table::LastBall;
    cycle.RedrawTable = true;
    table.Shot.BreakShot = true;
    table.Shot.FirstShotOfGame = true;
    NewRack();
    table.Document.BallPos[0] = table.Shot.CurrentBallPos;
    view.RackRequested = true;
    s_.hooks.RepaintViews();
}

void Game::NewRack() {
    cards.deck.Clear();
    cards.LastDealtCard = 0;
    DealHands();

    table::ShotState& shot = table.Shot;
    shot.ShotPower = 80;
    table.CurrentPlayer = 1;
    shot.CurrentBall = 0;
    table.Game.PlayerResult[1] = table.Game.PlayerResult[2] = 0;
    table.Game.GameOver = false;

    const table::TableGeometry& g = table.Geometry;
    shot.CurrentBallPos = {g.FrameWidth / 4 - g.BallRadius, (g.FrameHeight - 4000) / 2 + 1600};
    shot.CueBallTrack = shot.CurrentBallPos;
    shot.PrevPos = shot.CurrentBallPos;

    shot.SideSpin = 0;
    cycle.ShotArmed = false;
    for (int p = 1; p <= 2; ++p) table.PlayerSettings[p] = {shot.SpinKind, 0, 80};

    view.ComputerTarget = 1;
    view.PlacementState = 0;
    view.FirstPaintOfGame = true;
    view.HandsHidden = false;
    // A foul's cue ball in hand belongs to the game that ended; the new game opens with a break.
    table.Game.CueInHand = false;
    table.ComputerTurn = false;
    s_.hooks.ResetViewFlags();
}

void Game::LoadPlayerSettings() {
    const table::PlayerShotSettings& s = table.PlayerSettings[table.CurrentPlayer];
    table.Shot.SpinKind = s.SpinKind;
    table.Shot.SideSpin = s.SideSpin;
    view.PowerLevel = s.Power;
}

void Game::OnNewGameCommand() {
    table.Shot.BreakShot = true;
    NewGame();
}

} // namespace rules
