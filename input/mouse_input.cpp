// The table window's mouse: cue-ball placement, aiming, the push stroke, the contact-point pick.
#include "input/mouse_input.h"

#include "table/pockets.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace input {
namespace {

int Sign(int v) { return (v > 0) - (v < 0); }

double Length(table::Point a, table::Point b) {
    const double dx = double(a.x) - b.x, dy = double(a.y) - b.y;
    return std::sqrt(dx * dx + dy * dy);
}

} // namespace

int Distance(table::Point a, table::Point b) { return int(Length(a, b)); }

int PushPower(int maxPull, uint32_t strokeTime, const int firstSteps[4], int d, int r) {
    const int sum = firstSteps[0] + firstSteps[1] + firstSteps[2] + firstSteps[3];
    const int v = sum / 90;
    // A slow stroke loses strength: the pull counts less the longer it took.
    if (strokeTime > 800) maxPull = int(unsigned(maxPull) / (strokeTime / 400));
    int power;
    if (maxPull > 3 * d)
        power = (maxPull / r + 1) * v;
    else
        power = int((maxPull / r + 0.5) * 5.0);
    return std::min(power, 110);
}

int CursorResourceId(CursorKind kind) {
    switch (kind) {
    case CursorKind::AimingHand: return 103;
    case CursorKind::PushCross: return 187;
    case CursorKind::CueBallLarge: return 146;
    case CursorKind::CueBall210: return 148;
    case CursorKind::CueBall170: return 147;
    case CursorKind::CueBall150: return 149;
    case CursorKind::Arrow: break;
    }
    return 0;
}

table::Point MouseInput::Centre() const {
    const int r = t_.Geometry.BallRadius;
    return {t_.Shot.CurrentBallPos.x + r, t_.Shot.CurrentBallPos.y + r};
}

void MouseInput::OnLButtonDown(table::Point p) {
    host_.LoadPlayerSettings();
    if ((t_.Shot.BreakShot && host_.PlacementState() == 1) || t_.Game.CueInHand) {
        // The cue ball's own old position must not count as occupied.
        if (t_.Game.CueInHand) t_.Shot.CurrentBall = 0;
        PlaceCueBall(p);
        return;
    }
    if (in_.PushStage == 0) {
        StartAiming(p);
        return;
    }
    const int d = t_.Geometry.BallDiameter;
    if (double(Distance(p, Centre())) <= 0.9 * d) {
        ContactPick(p);
        return;
    }
    if (in_.PushStage == 1) in_.PushStage = 2;
    if (host_.DrawnPushOffset() == 0.0f) in_.PressPoint = p;
    host_.PushOffset() = 0.0f;
    in_.PressTime = host_.Ticks();
    in_.SampleCount = 0;
    in_.MaxPull = 0;
    // Every stroke measures its own steps, the first from the press itself, so that the power
    // rests on the four steps after the press and on nothing left from an earlier stroke.
    in_.PrevPointer = p;
    std::fill(std::begin(in_.StepSamples), std::end(in_.StepSamples), 0);
}

void MouseInput::StartAiming(table::Point p) {
    t_.Shot.CurrentBallPos = t_.Document.BallPos[0];
    in_.AimStartPos = t_.Document.BallPos[0];
    if (Distance(p, Centre()) <= t_.Geometry.BallDiameter) {
        host_.PlayEffect(3);  // a press on or next to the cue ball does not aim
        return;
    }
    t_.Shot.CurrentBall = 0;
    host_.SetCursor(CursorKind::AimingHand);
    in_.Aiming = true;
    host_.SetCapture();
    t_.Shot.AimPoint = p;
    host_.DrawCue(p, t_.Shot.CurrentBallPos);
    in_.GuideActive = true;
    host_.DrawGuide();
    host_.DrawnPushOffset() = 0.0f;
}

void MouseInput::PlaceCueBall(table::Point p) {
    const int d = t_.Geometry.BallDiameter, r = t_.Geometry.BallRadius;
    if (table::OutsideCushions(t_, p.x, p.y) || table::IsOccupied(t_, p.x, p.y)) {
        host_.PlayEffect(3);
        return;
    }
    if (std::abs(p.x - host_.HeadLineX()) > d) {
        host_.ShowExclamation(kPlacementMessage);
        host_.PlayEffect(3);
        return;
    }
    t_.Game.CueInHand = false;
    const table::Point at{p.x - r, p.y - r};
    t_.Document.BallPos[0] = at;
    t_.Shot.CueBallTrack = at;
    if (t_.Shot.BreakShot && host_.PlacementState() == 1) {
        t_.Shot.PrevPos = at;
        host_.PlacementState() = 2;
    }
    host_.DrawTable();
    host_.SetCursor(CursorKind::Arrow);
}

void MouseInput::OnMouseMove(table::Point p) {
    const int placement = host_.PlacementState();
    if (in_.PushStage == 0 && !in_.Aiming && placement != 1) return;
    if (in_.PushStage == 0 && placement == 1) {
        // On the break the cue ball follows the pointer; only the click checks the line.
        if (table::OutsideCushions(t_, p.x, p.y) || table::IsOccupied(t_, p.x, p.y)) {
            host_.PlayEffect(3);
            return;
        }
        const int r = t_.Geometry.BallRadius;
        const table::Point q{p.x - r, p.y - r};
        host_.EraseBall(t_.Shot.PrevPos);
        host_.DrawBall(q, 0);
        t_.Shot.PrevPos = q;
        t_.Shot.CueBallTrack = q;
        t_.Document.BallPos[0] = q;
        return;
    }
    if (in_.PushStage == 0) {
        host_.PlayEffect(3);  // the aiming tick follows the mouse
        host_.EraseCueAndGuide();
        t_.Shot.AimPoint = p;
        host_.DrawCue(p, t_.Shot.CurrentBallPos);
        host_.DrawGuide();
        return;
    }
    if (in_.PushStage == 2) PushStep(p);
}

void MouseInput::PushStep(table::Point p) {
    const int d = t_.Geometry.BallDiameter, r = t_.Geometry.BallRadius;
    const table::Point c = Centre();
    if (Distance(p, c) <= d) return;
    const table::Point e{c.x - t_.Shot.AimPoint.x, c.y - t_.Shot.AimPoint.y};
    const float dist = float(Length(in_.PressPoint, p));
    const table::Point m{in_.PressPoint.x - p.x, in_.PressPoint.y - p.y};
    in_.StrokeTime = host_.Ticks() - in_.PressTime;

    // s > 0: the pointer has moved from the press point away from the ball, along the cue.
    const int s = std::abs(e.y) < std::abs(e.x) ? Sign(e.x) * Sign(m.x) : Sign(e.y) * Sign(m.y);
    float& offset = host_.PushOffset();
    offset = float(s) * dist / float(d);
    if (s > 0 && float(in_.MaxPull) < dist) in_.MaxPull = int(dist);
    if (offset < 0.0f) {
        if (in_.MaxPull < r) return;
        if (in_.MaxPull > r) {
            FirePush();
            return;
        }
    }
    if (offset > 10.0f) offset = 10.0f;
    host_.DrawPushCue(1.0f);
    in_.StepSamples[in_.SampleCount] = Distance(p, in_.PrevPointer);
    in_.SampleCount = std::min(in_.SampleCount + 1, 4);
    in_.PrevPointer = p;
}

void MouseInput::FirePush() {
    host_.PushOffset() = 0.0f;
    host_.DrawPushCue(-1.0f);
    host_.DrawGuide();  // drawn once more, it goes
    t_.Shot.PrevPos = t_.Shot.CurrentBallPos;
    const int power = PushPower(in_.MaxPull, in_.StrokeTime, in_.StepSamples, t_.Geometry.BallDiameter,
                                t_.Geometry.BallRadius);
    t_.Shot.ShotPower = power;
    in_.GuideActive = false;
    host_.FireStroke(power, t_.Shot.AimPoint);
    in_.PushStage = 0;
}

void MouseInput::ContactPick(table::Point p) {
    const table::Point c = Centre();
    const int t = t_.Geometry.BallRadius / 3;
    table::ShotState& shot = t_.Shot;
    const int oldSide = shot.SideSpin;
    shot.SpinKind = p.y < c.y - t ? 1 : p.y <= c.y + t ? 2 : 3;
    shot.SideSpin = p.x < c.x - t ? -1 : p.x <= c.x + t ? 0 : 1;
    host_.DrawContactMark();
    table::PlayerShotSettings& mine = t_.PlayerSettings[t_.CurrentPlayer];
    mine.SpinKind = shot.SpinKind;
    mine.SideSpin = shot.SideSpin;
    if (shot.SideSpin != oldSide) host_.PostAimChanged();
}

void MouseInput::OnLButtonUp(table::Point p) {
    if (host_.ShotMode() == 1) {
        ReleaseRightClickMode(p);
        return;
    }
    if (in_.PushStage == 0 && !in_.Aiming) return;
    host_.ReleaseCapture();
    in_.Aiming = false;
    host_.ShotArmed() = true;
    // During the stroke the cue follows the pointer whether the button is held or not.
    if (in_.PushStage != 0) return;
    in_.PushStage = 1;
    host_.DrawContactMark();
    host_.MovePointerTo(Centre());
}

void MouseInput::ReleaseRightClickMode(table::Point p) {
    if (!in_.Aiming) return;
    host_.ReleaseCapture();
    in_.Aiming = false;
    host_.ShotArmed() = true;
    table::ShotState& shot = t_.Shot;
    const table::Point aimBeforeBar = shot.AimPoint;
    int result = ShotBarShot;
    if (host_.ProMode()) {
        host_.SetHandsHidden(true);
        host_.RedrawCardStrip();
        result = host_.RunShotBar();
        host_.ValidateView();
        host_.SetHandsHidden(false);
        host_.EraseCueAndGuide();
        host_.RedrawCardStrip();
    } else {
        host_.EraseCueAndGuide();
    }
    if (result == ShotBarQuit) {
        shot.PrevPos = in_.AimStartPos;
        shot.ShotPower = 0;
        in_.GuideActive = false;
        return;
    }
    // The stroke is played from the release point, unless the bar's arrows moved the aim: then
    // from the nudged point the cue and guide were showing.
    if (shot.AimPoint == aimBeforeBar) shot.AimPoint = p;
    // The pace comes from the strength of the previous stroke, still held here.
    host_.AnimateCueStroke(shot.AimPoint, shot.CurrentBallPos, host_.StrokeDelay(shot.ShotPower));
    shot.PrevPos = shot.CurrentBallPos;
    shot.ShotPower = host_.PowerLevel();
    in_.GuideActive = false;
    host_.FireStroke(shot.ShotPower, shot.AimPoint);
}

void MouseInput::OnRButtonDown(table::Point) {
    if (host_.ShotMode() == 1 || in_.PushStage == 0) return;
    host_.PushOffset() = 0.0f;
    host_.DrawPushCue(-1.0f);
    host_.DrawGuide();
    in_.PushStage = 0;
    host_.DrawBall(t_.Shot.CurrentBallPos, 0);  // also removes the contact mark
}

void MouseInput::OnAimChanged() {
    if (host_.GuideHitsBall()) return;
    host_.PlayEffect(3);
    host_.EraseCueAndGuide();
    host_.DrawCue(t_.Shot.AimPoint, t_.Shot.CurrentBallPos);
    host_.DrawGuide();
}

void MouseInput::OnAimNudged(table::Point p) {
    host_.PlayEffect(3);
    host_.EraseCueAndGuide();
    t_.Shot.AimPoint = p;
    host_.DrawCue(p, t_.Shot.CurrentBallPos);
    host_.DrawGuide();
}

CursorKind MouseInput::CursorRequest() const {
    if (in_.PushStage == 1) return CursorKind::PushCross;
    if (host_.PlacementState() == 1 || in_.PushStage == 2) return CursorKind::AimingHand;
    if (t_.Game.CueInHand) {
        const int d = t_.Geometry.BallDiameter;
        if (d > 210) return CursorKind::CueBallLarge;
        if (d >= 190) return CursorKind::CueBall210;
        if (d >= 160) return CursorKind::CueBall170;
        return CursorKind::CueBall150;
    }
    return CursorKind::Arrow;
}

} // namespace input
