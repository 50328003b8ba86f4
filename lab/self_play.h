// Whole games between two computer players on a seeded generator, with checks after every shot.
#pragma once
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "rules/game.h"

namespace lab {

struct SelfPlayOptions {
    int games = 0;
    uint32_t seed = 1;
    int clientWidth = 800;
    int clientHeight = 600;
    int frameWidth = 8080;
    int frameHeight = 6460;
};

// Reads `--selfplay N [--seed S] [--client W,H --frame FW,FH]` (args without the program's name).
// On bad arguments returns false with `error` one line that names the argument.
bool ReadSelfPlayArguments(const std::vector<std::string>& args, SelfPlayOptions& options, std::string& error);

// Games stopped unfinished after this many shots.
inline constexpr int kSelfPlayShotLimit = 400;

// How far two resting balls may overlap: the contact test works in whole pixels, so a ball may
// come to rest up to one pixel (10 LU) inside a full diameter of another.
inline constexpr int kRestingOverlap = 10;

// The checks after every shot: every ball on the cloth (centre inside CushionRect) or pocketed,
// no two on the cloth overlapping by more than kRestingOverlap (a cue ball in hand aside), every
// card held at most once and dealt (dealtCount: deals of each card 1..52 in this game, at most
// one), no hand over its capacity. Empty when all hold, else what broke.
std::string CheckNothingLost(const table::TableState& t, const rules::CardState& cards, const int* dealtCount);

// Plays the games, printing one JSON line per game and a summary line to `out`. Returns 0, or 1
// when a check broke (the line that says which, with the state, is the last one printed).
int RunSelfPlay(const SelfPlayOptions& options, std::ostream& out);

} // namespace lab
