// Pockets: the capture test, capturing a ball, respotting, and the placement helpers.
#pragma once
#include <functional>
#include "table/table_host.h"
#include "table/table_state.h"

namespace table {

// Is the centre (x, y) in a pocket zone? Sets Motion.PocketNumber.
bool PocketTest(TableState& t, int x, int y);
// Ball CurrentBall has stepped to (x, y) without contact: captures it if it reached a pocket.
void CapturePocketed(TableState& t, TableHost& host, int x, int y);
// Puts pocketed balls back on the vertical line through LeftSpot: mode 2 every ball of
// PocketedThisShot, mode 3 only those for which heldAtShotStart(ball) is false.
void RespotPocketed(TableState& t, int mode, const std::function<bool(int ball)>& heldAtShotStart);
// Would a ball centred at (cx, cy) overlap another ball (CurrentBall ignored)?
bool IsOccupied(const TableState& t, int cx, int cy);
// Is (x, y) not inside CushionRect (right and bottom edges count as outside)?
bool OutsideCushions(const TableState& t, int x, int y);

} // namespace table
