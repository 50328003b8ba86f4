// What aiming and placement ask of the rest of the game: drawing, sound, the shot bar, the stroke.
#pragma once
#include <cstdint>
#include <string>

#include "input/input_state.h"
#include "table/table_state.h"

namespace input {

// Implemented by the game object (and by recording doubles in tests). Points are in LU unless
// said otherwise; every drawing call prepares the surface itself.
class AimHost {
public:
    virtual ~AimHost() = default;

    // Values kept by the shot cycle and the drawing, wherever they live.
    virtual int& PlacementState() = 0;      // 0 not offered, 1 following the pointer, 2 placed
    virtual int& PowerLevel() = 0;          // the shot bar's strength in percent
    virtual float& PushOffset() = 0;        // push cue offset in ball diameters
    virtual float& DrawnPushOffset() = 0;   // the offset the push cue is drawn at
    virtual bool& ShotArmed() = 0;
    virtual int HeadLineX() = 0;            // x of the placement line
    // Settings, read when needed.
    virtual int ShotMode() = 0;             // 1 right click; anything else pushes
    virtual bool ProMode() = 0;

    virtual uint32_t Ticks() = 0;
    virtual void PlayEffect(int event) = 0;
    // A modal message box with an OK button and an exclamation icon.
    virtual void ShowExclamation(const std::string& text) = 0;

    // SpinKind, SideSpin and PowerLevel from the current player's remembered settings.
    virtual void LoadPlayerSettings() = 0;

    // Drawing (the table view's surface).
    virtual void DrawTable() = 0;                 // the whole table, balls and all
    virtual void DrawBall(table::Point at, int ball) = 0;
    virtual void EraseBall(table::Point at) = 0;
    virtual void DrawCue(table::Point p, table::Point ball) = 0;
    virtual void DrawGuide() = 0;
    virtual void EraseCueAndGuide() = 0;
    virtual bool GuideHitsBall() = 0;
    virtual void DrawPushCue(float dir) = 0;
    virtual void DrawContactMark() = 0;
    virtual int StrokeDelay(int power) = 0;
    virtual void AnimateCueStroke(table::Point p, table::Point cue, int e) = 0;

    // The shot bar over the card strip.
    virtual void SetHandsHidden(bool hidden) = 0;  // then the card strip is redrawn
    virtual void RedrawCardStrip() = 0;
    virtual int RunShotBar() = 0;                  // modal; returns the bar's result code
    virtual void ValidateView() = 0;               // the whole window needs no repaint

    // The window.
    virtual void SetCursor(CursorKind kind) = 0;
    virtual void SetCapture() = 0;
    virtual void ReleaseCapture() = 0;
    virtual void MovePointerTo(table::Point lu) = 0;  // the screen position of a table point
    virtual void PostAimChanged() = 0;

    // Arms the shot and runs it to its end (plays the stroke sound).
    virtual void FireStroke(int power, table::Point aimPoint) = 0;
};

} // namespace input
