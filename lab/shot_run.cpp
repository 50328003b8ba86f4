// Running one shot of a document.
#include "lab/shot_run.h"

#include "table/direction.h"
#include "table/layout.h"
#include "table/motion.h"

namespace lab {

namespace {

float ScaleFor(int diameter) {
    switch (diameter) {
    case 150: return 1.1f;
    case 170: return 1.2f;
    case 210: return 1.3f;
    case 250: return 1.5f;
    default: return 1.6f;  // 280, 290, 300
    }
}

} // namespace

void StartLabShot(table::TableState& t, table::Point aim, int power) {
    table::ShotState& shot = t.Shot;
    table::MotionRecords& m = t.Motion;
    const int r = t.Geometry.BallRadius;

    shot.ShotPower = power;
    shot.AimPoint = aim;
    shot.CurrentBall = 0;
    shot.CurrentBallPos = t.Document.BallPos[0];
    shot.CueBallTrack = shot.CurrentBallPos;
    shot.PrevPos = shot.CurrentBallPos;
    shot.CueBallAtShot = shot.CurrentBallPos;
    t.Outcome.NoContactYet = true;
    for (int i = 0; i <= table::LastBall; ++i) m.ShotStartPos[i] = t.Document.BallPos[i];

    // From the aim point through the cue ball's centre and on.
    const table::Point cue = shot.CurrentBallPos;
    const table::Direction dir = table::DirectionFromPoints(t, aim.x, aim.y, cue.x + r, cue.y + r);
    m.BallSlope[0] = dir.slope;
    m.Motion[0].dirX = dir.dirX;
    m.Motion[0].dirY = dir.dirY;
    m.Motion[0].order = 1;
    m.Motion[0].steps = shot.BreakShot ? static_cast<int>(static_cast<float>(power) * 1.6f)
                                       : static_cast<int>(static_cast<float>(power) * 1.5f);

    t.Outcome.FoulTurn = false;
    t.Outcome.CollisionCount = 0;
    t.Outcome.WrongBallPocketed = 0;
    t.Outcome.CueBallPocketed = false;
    t.Outcome.ObjectBallPocketed = false;
    t.Outcome.PocketedThisShot.Clear();
    shot.SpinAtShot = shot.SpinKind;
}

ShotResult RunShot(const ShotDocument& doc) {
    ShotResult result;
    table::TableState& t = result.state;
    table::TableGeometry& g = t.Geometry;
    result.hands = doc.hands;

    g.FrameWidth = doc.frameWidth;
    g.FrameHeight = doc.frameHeight;
    if (doc.ballDiameter) {
        g.BallDiameter = *doc.ballDiameter;
        g.BallRadius = g.BallDiameter / 2;
        g.DisplayScale = ScaleFor(g.BallDiameter);
    } else {
        table::SelectBallSize(g, doc.clientHeight, doc.dialogBaseUnitY);
    }
    table::LayOutTable(g, doc.clientWidth, doc.clientHeight);
    table::LayOutPockets(g, doc.clientWidth, doc.clientHeight);
    table::LayOutSpots(g);

    if (doc.balls) {
        for (int i = 0; i < kDocumentBalls; ++i) t.Document.BallPos[i] = (*doc.balls)[i];
    } else {
        table::PlaceRack(g, t.Document.BallPos);
        t.Document.BallPos[0] = table::CueBallStart(g);
    }
    t.Document.StrokeCount = doc.strokeCount;
    t.CurrentPlayer = doc.player;
    t.GameSpeed = doc.gameSpeed;
    t.ScatterVariant = doc.scatterVariant;
    t.Shot.SpinKind = doc.spinKind;
    t.Shot.SideSpin = doc.sideSpin;
    t.Shot.BreakShot = doc.breakShot;
    if (!doc.aim) return result;

    result.shot = true;
    StartLabShot(t, *doc.aim, doc.power);
    LabHost host(t, result.hands, doc.scatterRandoms, kLabStartTick);
    table::RunMotion(t, host);
    result.pocketed = host.pocketed;
    result.abnormalStop = host.abnormalStop;
    result.stepCalls = host.stepCalls;
    result.elapsedMs = host.Ticks() - kLabStartTick;
    return result;
}

} // namespace lab
