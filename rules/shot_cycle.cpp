// The turn loop: firing a stroke, the paint routine that runs the shot, and its resolution.
#include "rules/game.h"

#include "frame/kavrel_doc.h"
#include "frame/status_layout.h"
#include "platform/clock.h"
#include "platform/message_box.h"
#include "rules/messages.h"
#include "table/direction.h"
#include "table/layout.h"
#include "table/motion.h"

namespace rules {

Game::Game(const GameServices& services, app::AppSettings& settings, frame::CKavrelDoc* doc)
    : s_(services), settings_(settings), doc_(doc) {
    scatterRandom_.Seed(s_.clock.Ticks());
    scatterRandom = [this] { return scatterRandom_.Next() % 100; };
    table.GameSpeed = settings_.GameSpeed;
    if (doc_) doc_->SetNewGamePart([this] { NewGamePart(); });
}

Game::~Game() {
    if (doc_) doc_->SetNewGamePart({});
}

void Game::InitialUpdate(int clientWidth, int clientHeight, int dialogBaseUnitY) {
    table::ShotState& shot = table.Shot;
    shot.SpinKind = 3;
    shot.CurrentBall = 0;
    shot.SideSpinStep = 0.2617994f;
    shot.SideSpinVertical = 1.3089969f;
    table::SelectBallSize(table.Geometry, clientHeight, dialogBaseUnitY);
    table::LayOutTable(table.Geometry, clientWidth, clientHeight);
    table::PlaceRack(table.Geometry, table.Document.BallPos);
}

void Game::FireStroke(int power, table::Point aimPoint) {
    table::ShotState& shot = table.Shot;
    shot.ShotPower = power;
    cycle.ShotArmed = true;
    shot.CurrentBall = 0;
    shot.CurrentBallPos = table.Document.BallPos[0];
    shot.AimPoint = aimPoint;
    table.Document.StrokeCount += 1;
    for (int p = 1; p <= 2; ++p) table.Game.ResultBackup[p] = table.Game.PlayerResult[p];
    // The stroke sound alternates with the parity of the cue ball's position.
    s_.sound.PlayEffect((shot.CurrentBallPos.x + shot.CurrentBallPos.y) % 2 == 1 ? 5 : 6);
    cycle.RedrawTable = false;
    ++busy_;
    PaintTable();
    --busy_;
    if (busy_ == 0 && std::exchange(paintPending_, false)) s_.hooks.RepaintViews();
}

void Game::OnPaintRequest() {
    if (busy_ > 0) {
        paintPending_ = true;
        return;
    }
    ++busy_;
    PaintTable();
    --busy_;
    if (busy_ == 0 && std::exchange(paintPending_, false)) s_.hooks.RepaintViews();
}

void Game::PaintTable() {
    if (cycle.RestartPending) {
        cycle.RestartPending = false;
        ResetMatch();
    }
    s_.drawing.PrepareSurface(table);
    if (table.CurrentPlayer == 1) table.ComputerTurn = false;

    // Between shots nothing moves, so this only matters for a shot about to start.
    for (table::BallMotion& m : table.Motion.Motion) {
        m.order = 0;
        m.steps = 0;
        m.kick = 0;
        m.stepCount = 0;
        m.creep = 0;
    }
    if (cycle.RedrawTable) DrawTable();

    if (table.Shot.ShotPower <= 0 || !cycle.ShotArmed || table.Document.StrokeCount <= 0) return;
    StartShot();
    table::RunMotion(table, *this);
    ResolveShot();
}

void Game::TakeSnapshot() {
    for (int i = 0; i <= table::LastBall; ++i) table.Motion.ShotStartPos[i] = table.Document.BallPos[i];
    for (int p = 1; p <= 2; ++p) cards.HandSnapshot[p] = cards.hands[p];
}

void Game::StartShot() {
    table::ShotState& shot = table.Shot;
    table::MotionRecords& m = table.Motion;
    shot.CueBallAtShot = shot.CurrentBallPos;
    cycle.RedrawTable = true;
    table.Outcome.NoContactYet = true;
    TakeSnapshot();
    s_.hooks.SetBusyCursor(true);

    const int r = table.Geometry.BallRadius;
    const int b = shot.CurrentBall;
    const table::Point c = shot.CurrentBallPos;
    const table::Direction dir = table::DirectionFromPoints(table, shot.AimPoint.x, shot.AimPoint.y, c.x + r, c.y + r);
    m.BallSlope[b] = dir.slope;
    m.Motion[b].dirX = dir.dirX;
    m.Motion[b].dirY = dir.dirY;
    m.Motion[b].order = 1;
    m.Motion[b].steps = shot.BreakShot ? static_cast<int>(static_cast<float>(shot.ShotPower) * 1.6f)
                                       : static_cast<int>(static_cast<float>(shot.ShotPower) * 1.5f);

    table::ShotOutcome& o = table.Outcome;
    o.FoulTurn = false;
    o.CollisionCount = 0;
    o.WrongBallPocketed = 0;
    o.CueBallPocketed = false;
    o.ObjectBallPocketed = false;
    o.PocketedThisShot.Clear();
    shot.SpinAtShot = shot.SpinKind;
    table.GameSpeed = settings_.GameSpeed;
}

void Game::ResolveShot() {
    table::ShotState& shot = table.Shot;
    table::ShotOutcome& o = table.Outcome;
    shot.BreakShot = false;
    shot.ShotPower = 0;
    s_.hooks.SetBusyCursor(false);

    if (o.CueBallPocketed) {
        FoulCueBall();
    } else if (o.WrongBallPocketed != 0) {
        if (shot.FirstShotOfGame)
            BreakWrongBall();
        else
            FoulWrongBall();
    } else {
        if (o.NoContactYet) {
            PlayEffect(3);
            s_.boxes.Show(kNoContactMessage, platform::MB_OK | platform::MB_ICONEXCLAMATION);
        }
        shot.FirstShotOfGame = false;
        cycle.ShotArmed = false;
        if (o.ObjectBallPocketed) {
            o.ObjectBallPocketed = false;
            DrawPockets();
            DrawPocketedRack();
            table.Document.StrokeCount -= 1;
            if (table.Game.GameOver) {
                PlayEffect(2);
                Delay(3000);
                const int* result = table.Game.PlayerResult;
                if (result[1] != result[2]) {
                    CardShower(50);
                    s_.hooks.ShowWinner(result[2] >= result[1] ? 2 : 1);
                }
                if (!s_.hooks.InterceptResetMatch()) ResetMatch();
                return;
            }
            // A legal pocket: the same player shoots again.
        } else {
            SwitchPlayer();
            if (VsComputer()) table.ComputerTurn = true;
        }
    }

    shot.SpinKind = shot.SpinAtShot;
    if (table.CurrentPlayer == 2 && table.ComputerTurn && VsComputer()) {
        if (o.FoulTurn) DrawTable();
        s_.hooks.ComputerTakeTurn();
    }
    if ((table.CurrentPlayer == 1 || !table.ComputerTurn) && table.Game.CueInHand) DrawTable();
}

void Game::SetStatusPlayerPane() {
    if (s_.status)
        s_.status->SetPaneText(frame::kCurrentPlayerPane, table.CurrentPlayer == 2 ? kCurrentPlayer2 : kCurrentPlayer1);
}

void Game::SwitchPlayer() {
    table.CurrentPlayer = table.CurrentPlayer == 1 ? 2 : 1;
    s_.sound.Beep();
    ShowHands();
    SetStatusPlayerPane();
    if (VsComputer() && table.CurrentPlayer == 2) {
        s_.hooks.ShowTurnPortrait();
        Delay(800);
        s_.hooks.HideTurnPortrait();
        // The view is brought up to date at once: a paint with nothing armed, so it only draws.
        PaintTable();
    }
}

void Game::ResetMatch() {
    table.Shot.BreakShot = true;
    NewGame();
    if (s_.status) frame::ApplyPlayerLayout(*s_.status);
    table.CurrentPlayer = 1;
    table.Game.PlayerResult[1] = table.Game.PlayerResult[2] = 0;
}

void Game::OnCardStripMessage() {
    DrawCardStrip();
    s_.hooks.RepaintViews();
    Delay(1000);
}

void ImmediateCardDraw::Run(Game& game) {
    if (game.TakeFoulCard() == 0) return;
    game.Delay(1000);
    game.OnCardStripMessage();
}

// --- table::TableHost

uint32_t Game::Ticks() { return s_.clock.Ticks(); }

void Game::Delay(int ms) { platform::Delay(s_.clock, ms); }

void Game::PlayEffect(int event) { s_.sound.PlayEffect(event); }

void Game::DrawBall(int x, int y, int ball) { s_.drawing.DrawBall(table, x, y, ball); }

void Game::EraseBall(int x, int y) { s_.drawing.EraseBall(table, x, y); }

void Game::DrawPocketedBall(int ball, int pocket, int fromX, int fromY, int atX, int atY) {
    s_.drawing.DrawPocketedBall(table, ball, pocket, fromX, fromY, atX, atY);
}

void Game::ShowAbnormalPosition() {
    s_.boxes.Show(table::AbnormalPositionMessage, platform::MB_OK | platform::MB_ICONSTOP);
}

void Game::RefreshHands() { DrawCardStrip(); }

int Game::ScatterRandom() { return scatterRandom(); }

void Game::PassEnded(int calls) {
    stepCalls += calls;
    // A pass that only waited for its pacing lets a millisecond go by (and the window present).
    if (calls == 0) {
        s_.clock.Idle(s_.clock.Ticks() + 1);
        return;
    }
    // Passes that step without pause still show the table about every 16 ms.
    const uint32_t now = s_.clock.Ticks();
    if (now - lastPresentTick_ >= 16) {
        lastPresentTick_ = now;
        s_.drawing.Present();
    }
}

} // namespace rules
