// The computer's shot search: the target from its hand, the pocket, the aim point, the cue ball's
// place when it is in hand, and the planned length of the shot.
#pragma once
#include <span>

#include "computer/computer_host.h"
#include "table/table_state.h"

namespace computer {

// What the search reads and writes besides the table state.
struct SearchContext {
    table::TableState& t;
    // Each player's hand, positions 1..count (a removed card is -1); [0] unused.
    std::span<const int> hands[3];
    int HeadLineX = 0;            // x of the placement line
    int& ComputerTarget;          // the ball aimed at; the last one tried when nothing was found
    int& PlannedDistance;         // cue ball to target plus target to pocket aim point, LU

    // Written by the placement: the centre the cue ball was put down at, or none when the
    // computer gave up placing.
    bool Placed = false;
    table::Point PlacedAt;
};

// One pocket while one target is examined.
struct ShotCandidate {
    int pocket = 0;
    table::Point aim;
    bool clear = false;
    int distance = 0;
    int shotClass = 0;            // 0 unusable, 1 possible, 2 good
};

// The k-th ball to try (k >= 1): first the balls only the shooter holds, in hand order; then the
// ball of its last live card; the highest ball on the table when the hand is empty.
int CandidateTarget(const SearchContext& c, int k);

// The six pockets for target centre `target`, aim points and clear paths, in pocket order.
void EvaluatePockets(SearchContext& c, int ball, table::Point target, ShotCandidate (&out)[6]);
// Orders the pockets by distance from `target` with the exchange sort (equal ones keep their order
// unless a third moves them).
void SortByDistance(table::Point target, ShotCandidate (&cands)[6]);

// The point the cue ball's centre is to be sent to. Places the cue ball first when it is in hand.
table::Point FindComputerShot(SearchContext& c, ComputerHost& host);
// Puts the cue ball down on the placement line through the view's press handler and returns the
// aim point (the target's centre).
table::Point PlaceCueBallForComputer(SearchContext& c, ComputerHost& host);

} // namespace computer
