// The motion loop: pacing, one step of a ball, advancing along a slope and cushion rebounds.
#pragma once
#include "table/table_host.h"
#include "table/table_state.h"

namespace table {

inline constexpr const char* AbnormalPositionMessage =
    "一部の玉の位置は異常です\nそのままゲームを継続プレイできません\n"
    "ゲームを終了して、最初からやり直してください";

// More balls struck than this in one shot (not the break) is a jammed position.
inline constexpr int AbnormalCollisionCount = 300;

// Runs every moving ball until all rest or the abnormal-position stop fires.
void RunMotion(TableState& t, TableHost& host);
// Advances Shot.CurrentBall by one step.
void StepBall(TableState& t, TableHost& host);

// Moves the centre (x, y) by StepLength along the slope and the working direction.
Point AdvanceAlongSlope(TableState& t, int x, int y, float slope);
// AdvanceAlongSlope, then the cushion clamp and rebounds; may change slope and working direction.
Point MoveWithCushions(TableState& t, TableHost& host, int x, int y, float& slope);

} // namespace table
