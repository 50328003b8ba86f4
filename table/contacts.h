// Contacts between balls: the path sweep, the contact response and the break's scatter.
#pragma once
#include "table/table_host.h"
#include "table/table_state.h"

namespace table {

// The current ball moved from PrevPos to (x, y): fills HitList and ContactPos.
bool FindContacts(TableState& t, TableHost& host, int x, int y);
// Does the ball moving from centre s to centre e touch the ball at centre target? Pixel walk.
bool SweepTest(TableState& t, Point s, Point e, Point target);
// The striker (StrikerBall) touched the balls of HitList.
void ResolveContact(TableState& t, TableHost& host);
// The rack bursts apart at the first contact of a game's opening shot.
void BreakScatter(TableState& t, TableHost& host, int steps);

} // namespace table
