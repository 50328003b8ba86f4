// The table window's mouse: cue-ball placement, aiming, the push stroke, the contact-point pick.
#pragma once
#include "input/aim_host.h"
#include "input/input_state.h"
#include "table/table_state.h"

namespace input {

// The handlers run over the game's table state and the input state, calling out through the
// host. Every point is in LU, converted from the view's pixels after the surface is prepared.
class MouseInput {
public:
    MouseInput(table::TableState& t, InputState& in, AimHost& host) : t_(t), in_(in), host_(host) {}

    void OnLButtonDown(table::Point p);
    void OnMouseMove(table::Point p);
    void OnLButtonUp(table::Point p);
    void OnRButtonDown(table::Point p);
    // The view's private messages: the side spin changed; the shot bar's arrows moved the aim.
    void OnAimChanged();
    void OnAimNudged(table::Point p);
    // Which cursor the window shows now.
    CursorKind CursorRequest() const;
    // The game's paint routine has returned: any push stroke has ended.
    void OnPaintReturned() { in_.PushStage = 0; }

private:
    table::Point Centre() const;
    void PlaceCueBall(table::Point p);
    void StartAiming(table::Point p);
    void PushStep(table::Point p);
    void FirePush();
    void ContactPick(table::Point p);
    void ReleaseRightClickMode(table::Point p);

    table::TableState& t_;
    InputState& in_;
    AimHost& host_;
};

// trunc(|a - b|), the distance every test of aiming compares.
int Distance(table::Point a, table::Point b);

// The push stroke's strength from the longest pull (LU), the stroke's duration and the first four
// pointer steps; d and r are the ball's diameter and radius. At most 110.
int PushPower(int maxPull, uint32_t strokeTime, const int firstSteps[4], int d, int r);

} // namespace input
