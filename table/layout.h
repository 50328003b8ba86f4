// Ball size, table layout, pockets, spots, the rack and the cue ball's start.
#pragma once
#include "table/table_state.h"

namespace table {

// Chooses BallDiameter, BallRadius and DisplayScale from the client height H (pixels), the
// vertical dialog base unit u and FrameWidth.
void SelectBallSize(TableGeometry& g, int clientHeight, int dialogBaseUnitY);

// TableRect, RailWidth, CushionRect and RackArea from the client size in pixels.
void LayOutTable(TableGeometry& g, int clientWidth, int clientHeight);
// The six PocketRect (needs RailWidth, i.e. LayOutTable first).
void LayOutPockets(TableGeometry& g, int clientWidth, int clientHeight);
// The three spots from RackArea; the caller runs it once (SpotsLaidOut).
void LayOutSpots(TableGeometry& g);

// Writes the rack positions of balls 1..15 into ballPos.
void PlaceRack(const TableGeometry& g, Point* ballPos);
// The cue ball's start position.
Point CueBallStart(const TableGeometry& g);

} // namespace table
