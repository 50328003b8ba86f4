// Running one shot of a document: layout, the shot start, and the motion loop.
#pragma once
#include <cstdint>
#include <vector>

#include "lab/lab_host.h"
#include "lab/shot_document.h"
#include "table/table_state.h"

namespace lab {

inline constexpr uint32_t kLabStartTick = 1000;

struct ShotResult {
    table::TableState state;             // after the shot (or after the layout)
    Hands hands;
    bool shot = false;                   // false: layout only
    std::vector<PocketedBall> pocketed;
    bool abnormalStop = false;
    int stepCalls = 0;
    uint32_t elapsedMs = 0;
};

// Lays out the table from the document and, when it aims, plays the shot until every ball rests.
ShotResult RunShot(const ShotDocument& doc);

// What firing a stroke does before the balls move: the shot start state and the cue ball's
// direction and speed.
void StartLabShot(table::TableState& t, table::Point aim, int power);

} // namespace lab
