// What the computer's turn asks of the game: the view's press handler, the shot bar, drawing, the
// waits and the stroke. The game object implements it; tests record the calls.
#pragma once
#include "table/table_state.h"

namespace computer {

class ComputerHost {
public:
    virtual ~ComputerHost() = default;

    // Busy wait on the tick counter; nothing for ms <= 0.
    virtual void Delay(int ms) = 0;
    // Ball drawing at top-left positions in LU.
    virtual void EraseBall(int x, int y) = 0;
    virtual void DrawBall(int x, int y, int ball) = 0;

    // A left-button press (button flag set) at a point in device pixels, delivered to the view's
    // own press handler and run to completion before this returns.
    virtual void PressLButton(table::Point pixel) = 0;

    // The release half of aiming: the mouse capture and the view's aiming flags.
    virtual void ReleaseCapture() = 0;
    virtual void ClearAiming() = 0;
    virtual void SetShotArmed() = 0;
    virtual void ClearGuideActive() = 0;

    // The card strip while the shot bar is open: hands hidden or shown, then the strip redrawn.
    virtual void SetHandsHidden(bool hidden) = 0;
    virtual void DrawCardStrip() = 0;
    // Runs the shot control bar modally; on the computer's turn it closes itself after 1500 ms.
    virtual int RunShotBar() = 0;
    // Marks the whole window as needing no repaint.
    virtual void ValidateWindow() = 0;
    virtual void EraseCueAndGuide() = 0;

    // The shot bar's strength in percent.
    virtual int PowerLevel() = 0;
    virtual void SetPowerLevel(int power) = 0;

    // The stroke's step delay for a strength, and the cue stroke animation for pointer point p
    // (LU) and the cue ball at top-left `cue`.
    virtual int StrokeDelay(int power) = 0;
    virtual void AnimateCueStroke(table::Point p, table::Point cue, int e) = 0;
    // Arms the shot and runs it to its end (with the stroke sound); a computer shot that keeps the
    // turn runs the next computer turn inside this call.
    virtual void FireStroke(int power, table::Point aim) = 0;
};

} // namespace computer
