// The computer's turn on the game's own input paths: the table window's press handler, its aiming
// state and the aiming host's drawing, shot bar and stroke. Header only, so velkaro_computer
// itself needs no window system; whoever uses it links velkaro_input.
#pragma once
#include "computer/computer_host.h"
#include "input/aim_host.h"
#include "input/input_state.h"
#include "input/mouse_input.h"
#include "table/table_host.h"

namespace computer {

class InputTurnHost final : public ComputerHost {
public:
    // `waits` gives the game's busy wait (the game object is the table's host).
    InputTurnHost(input::MouseInput& mouse, input::InputState& in, input::AimHost& aim, table::TableHost& waits)
        : mouse_(mouse), in_(in), aim_(aim), waits_(waits) {}

    void Delay(int ms) override { waits_.Delay(ms); }
    void EraseBall(int x, int y) override { aim_.EraseBall({x, y}); }
    void DrawBall(int x, int y, int ball) override { aim_.DrawBall({x, y}, ball); }
    // The view maps 10 LU to a pixel; the handler works in LU.
    void PressLButton(table::Point pixel) override { mouse_.OnLButtonDown({pixel.x * 10, pixel.y * 10}); }
    void ReleaseCapture() override { aim_.ReleaseCapture(); }
    void ClearAiming() override { in_.Aiming = false; }
    void SetShotArmed() override { aim_.ShotArmed() = true; }
    void ClearGuideActive() override { in_.GuideActive = false; }
    void SetHandsHidden(bool hidden) override { aim_.SetHandsHidden(hidden); }
    void DrawCardStrip() override { aim_.RedrawCardStrip(); }
    int RunShotBar() override { return aim_.RunShotBar(); }
    void ValidateWindow() override { aim_.ValidateView(); }
    void EraseCueAndGuide() override { aim_.EraseCueAndGuide(); }
    int PowerLevel() override { return aim_.PowerLevel(); }
    void SetPowerLevel(int power) override { aim_.PowerLevel() = power; }
    int StrokeDelay(int power) override { return aim_.StrokeDelay(power); }
    void AnimateCueStroke(table::Point p, table::Point cue, int e) override { aim_.AnimateCueStroke(p, cue, e); }
    void FireStroke(int power, table::Point aim) override { aim_.FireStroke(power, aim); }

private:
    input::MouseInput& mouse_;
    input::InputState& in_;
    input::AimHost& aim_;
    table::TableHost& waits_;
};

} // namespace computer
