// A document's computer turn up to the stroke: the search (with the placement when the cue ball is
// in hand), the power, the side spin and the pointer point, pressed through the table window's
// own press handler.
#pragma once
#include <optional>

#include "rules/game.h"
#include "table/table_state.h"

namespace lab {

struct ComputerChoice {
    int target = 0;                          // ComputerTarget
    table::Point aim;                        // the search's aim point
    int plannedDistance = 0;
    int power = 0;
    int sideSpin = 0;
    table::Point pointer;                    // the pointer point behind the cue ball
    std::optional<table::Point> placement;   // the cue ball's new top-left; none when the press
                                             // was refused or the computer gave up
    table::Point strokeFrom;                 // the pointer point through the press's pixels
};

// Puts the game in the state of a player just handed the turn and plays the computer's turn up to
// the stroke. The shot is then fired from `strokeFrom` with `power`, SpinKind 3 and the side spin
// the press loaded.
ComputerChoice RunComputerTurn(rules::Game& game);

} // namespace lab
