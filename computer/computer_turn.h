// The computer's turn: the search, its settings stored for the press handler, the aiming press,
// the visible aim, the shot bar, the stroke animation and the stroke.
#pragma once
#include "computer/computer_host.h"
#include "computer/shot_search.h"

namespace computer {

// What the computer decided before it presses.
struct TurnPlan {
    table::Point aim;       // where the cue ball's centre is sent (LU)
    table::Point pointer;   // the pointer point behind the cue ball the stroke is played from (LU)
    int power = 0;
    int sideSpin = 0;
};

// The turn up to the aiming press: search (and placement), pointer point, power and side spin,
// stored as the shooter's remembered settings.
TurnPlan PlanComputerTurn(SearchContext& c, ComputerHost& host);

// A whole turn; returns after the stroke has been fired (and any turn it earned has run inside).
void ComputerTakeTurn(SearchContext& c, ComputerHost& host);

// The firing half: pointer point `pixel` in device pixels.
void FireComputerShot(SearchContext& c, ComputerHost& host, table::Point pixel);

// The press point of a LU point: device pixels at 10 LU each.
inline table::Point ToPixels(table::Point p) { return {p.x / 10, p.y / 10}; }

} // namespace computer
