// Running one document: the layout, the shot on the game's own rules, and optionally its resolution.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "lab/computer_run.h"
#include "lab/shot_document.h"
#include "table/table_state.h"

namespace lab {

inline constexpr uint32_t kLabStartTick = 1000;

struct PocketedBall {
    int ball = 0;
    int pocket = 0;
};

struct ShotResult {
    table::TableState state;             // after the shot (or after the layout)
    Hands hands;
    bool shot = false;                   // false: layout only
    std::vector<PocketedBall> pocketed;
    bool abnormalStop = false;
    long stepCalls = 0;
    uint32_t elapsedMs = 0;
    std::vector<int> effects;            // sound events asked for from the shot's start on

    // With resolve.
    bool resolve = false;
    std::vector<std::string> messages;
    bool cueInHand = false;
    bool foulTurn = false;
    bool computerTurn = false;           // whether the computer's turn would run
    int winner = 0;
    bool matchReset = false;

    // With the computer's shot.
    std::optional<ComputerChoice> computer;
};

// Lays out the table from the document and, when it aims, plays the shot until every ball rests
// and, with resolve, resolves it.
ShotResult RunShot(const ShotDocument& doc);

} // namespace lab
