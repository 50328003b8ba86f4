// The lab's shot document: its fields, defaults, and reading with validation.
#pragma once
#include <array>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "table/table_state.h"

namespace lab {

// One hand: positions 1..count from index 0; a removed card stays in place as -1.
using Hand = std::vector<int>;
// Hands of players 1 and 2, at indices 0 and 1.
using Hands = std::array<Hand, 2>;

inline constexpr int kDocumentBalls = table::LastBall + 1;
inline constexpr int kScatterDraws = table::LastBall;

struct ShotDocument {
    int clientWidth = 0;                // pixels
    int clientHeight = 0;
    int frameWidth = 0;                 // LU
    int frameHeight = 0;
    std::optional<int> ballDiameter;    // absent: chosen from the client height
    int dialogBaseUnitY = 16;
    std::optional<std::array<table::Point, kDocumentBalls>> balls;  // absent: the rack
    std::optional<table::Point> aim;    // absent: layout only
    int power = 0;
    int spinKind = 3;
    int sideSpin = 0;
    bool breakShot = false;
    bool scatterVariant = true;
    std::vector<int> scatterRandoms;    // draws for balls 1..15
    int gameSpeed = 5;
    int strokeCount = 1;
    int player = 1;
    Hands hands;
    bool resolve = false;                // resolve the shot as the game does after the motion
    std::optional<bool> firstShotOfGame; // absent: breakShot
    bool vsComputer = false;
    bool cueInHand = false;
    std::vector<int> deal;               // the cards DealCard hands out, in order
    bool computer = false;               // without aim: the computer chooses and plays the shot
};

// Reads and checks a parsed document. On bad input returns false and sets `error` to one line
// that names the field.
bool ReadShotDocument(const nlohmann::json& json, ShotDocument& doc, std::string& error);

} // namespace lab
