// The computer's stroke settings: the power for a planned distance and the side spin.
#pragma once
#include "table/table_state.h"

namespace computer {

// Power 40..90 for a planned distance d, in steps of the window's width.
int ChoosePowerLevel(const table::TableGeometry& g, int d);

// Side spin 1 (right) when the target's path from aim point a through target centre t meets the
// table's edge inside a pocket, else 0. The pocket test records the pocket it found.
int ChooseSideSpin(table::TableState& t, table::Point a, table::Point target);

} // namespace computer
