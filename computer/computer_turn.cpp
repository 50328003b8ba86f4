// The computer's turn, driven through the same paths a player's press and release take.
#include "computer/computer_turn.h"

#include "computer/stroke_choice.h"
#include "table/direction.h"

namespace computer {

TurnPlan PlanComputerTurn(SearchContext& c, ComputerHost& host) {
    table::TableState& t = c.t;
    table::ShotState& shot = t.Shot;
    shot.CurrentBallPos = t.Document.BallPos[0];
    shot.SpinKind = 3;  // the computer always draws
    shot.SideSpin = 0;

    TurnPlan plan;
    plan.aim = FindComputerShot(c, host);  // with the cue ball in hand, it is down now

    const int d = t.Geometry.BallDiameter;
    const int r = t.Geometry.BallRadius;
    const table::Point cue = {t.Document.BallPos[0].x + r, t.Document.BallPos[0].y + r};
    shot.CurrentBall = 0;
    // Far behind the cue ball, so the aiming press is never taken as a press on the ball.
    plan.pointer = table::PointBeyond(cue, plan.aim, 6 * (d + 20));
    plan.power = ChoosePowerLevel(t.Geometry, c.PlannedDistance);
    host.SetPowerLevel(plan.power);
    const table::Point target = {t.Document.BallPos[c.ComputerTarget].x + r,
                                 t.Document.BallPos[c.ComputerTarget].y + r};
    plan.sideSpin = ChooseSideSpin(t, plan.aim, target);
    shot.SideSpin = plan.sideSpin;
    // The press handler loads the shooter's remembered settings: these are the computer's.
    t.PlayerSettings[t.CurrentPlayer] = {shot.SpinKind, shot.SideSpin, plan.power};
    return plan;
}

void ComputerTakeTurn(SearchContext& c, ComputerHost& host) {
    const TurnPlan plan = PlanComputerTurn(c, host);
    const table::Point pixel = ToPixels(plan.pointer);
    host.PressLButton(pixel);
    host.Delay(1000);  // the aimed cue stays on screen for a second
    FireComputerShot(c, host, pixel);
}

void FireComputerShot(SearchContext& c, ComputerHost& host, table::Point pixel) {
    table::ShotState& shot = c.t.Shot;
    host.ReleaseCapture();
    const table::Point p = {pixel.x * 10, pixel.y * 10};
    host.ClearAiming();
    host.SetShotArmed();

    host.SetHandsHidden(true);
    host.DrawCardStrip();
    // It closes itself after 1500 ms; whatever it returns, the computer's stroke is played.
    (void)host.RunShotBar();
    host.ValidateWindow();
    host.SetHandsHidden(false);
    host.EraseCueAndGuide();
    host.DrawCardStrip();

    shot.AimPoint = p;
    // ShotPower is 0 after a resolved shot, so the computer's stroke always animates at 80 ms.
    const int e = host.StrokeDelay(shot.ShotPower);
    host.AnimateCueStroke(shot.AimPoint, shot.CurrentBallPos, e);
    shot.PrevPos = shot.CurrentBallPos;
    shot.ShotPower = host.PowerLevel();
    host.ClearGuideActive();
    host.FireStroke(shot.ShotPower, shot.AimPoint);
}

} // namespace computer
