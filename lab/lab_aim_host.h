// The table window's aiming host over a game without a window: nothing drawn, the shot bar and the
// stroke animation as the waits they take, the stroke fired on the game.
#pragma once
#include <functional>
#include <string>

#include "input/aim_host.h"
#include "rules/game.h"

namespace lab {

// The x of the placement line, as the table drawing computes it when it draws the line.
int HeadLineX(const table::TableGeometry& g);

// The virtual milliseconds the cue stroke animation waits for a step delay e.
int StrokeAnimationMs(int e);

class LabAimHost final : public input::AimHost {
public:
    explicit LabAimHost(rules::Game& game) : game_(game) {}

    // Runs around every stroke the game fires (the self-play counts and checks there); by default
    // the stroke is fired directly.
    std::function<void(int power, table::Point aim)> fire;

    int& PlacementState() override { return game_.view.PlacementState; }
    int& PowerLevel() override { return game_.view.PowerLevel; }
    float& PushOffset() override { return pushOffset_; }
    float& DrawnPushOffset() override { return drawnPushOffset_; }
    bool& ShotArmed() override { return game_.cycle.ShotArmed; }
    int HeadLineX() override { return lab::HeadLineX(game_.table.Geometry); }
    int ShotMode() override { return 1; }
    bool ProMode() override { return true; }
    uint32_t Ticks() override { return game_.Ticks(); }
    void PlayEffect(int event) override { game_.PlayEffect(event); }
    void ShowExclamation(const std::string& text) override;
    void LoadPlayerSettings() override { game_.LoadPlayerSettings(); }
    void DrawTable() override { game_.DrawTable(); }
    void DrawBall(table::Point at, int ball) override { game_.DrawBall(at.x, at.y, ball); }
    void EraseBall(table::Point at) override { game_.EraseBall(at.x, at.y); }
    void DrawCue(table::Point, table::Point) override {}
    void DrawGuide() override {}
    void EraseCueAndGuide() override {}
    bool GuideHitsBall() override { return false; }
    void DrawPushCue(float) override {}
    void DrawContactMark() override {}
    int StrokeDelay(int power) override;
    void AnimateCueStroke(table::Point, table::Point, int e) override { game_.Delay(StrokeAnimationMs(e)); }
    void SetHandsHidden(bool hidden) override { game_.view.HandsHidden = hidden; }
    void RedrawCardStrip() override { game_.DrawCardStrip(); }
    // The bar closes itself on the computer's turn after 1500 ms with the shot.
    int RunShotBar() override;
    void ValidateView() override {}
    void SetCursor(input::CursorKind) override {}
    void SetCapture() override {}
    void ReleaseCapture() override {}
    void MovePointerTo(table::Point) override {}
    void PostAimChanged() override {}
    void FireStroke(int power, table::Point aim) override;

private:
    rules::Game& game_;
    float pushOffset_ = 0.0f;
    float drawnPushOffset_ = 0.0f;
};

} // namespace lab
