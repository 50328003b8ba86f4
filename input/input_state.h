// What the mouse input keeps between events: aiming, the push stroke and its samples.
#pragma once
#include <cstdint>

#include "table/table_state.h"

namespace input {

struct InputState {
    bool Aiming = false;        // the left button went down away from the cue ball; mouse captured
    int PushStage = 0;          // push mode: 0 not started, 1 direction fixed, 2 stroke in progress
    bool GuideActive = false;   // the prediction guide is on the table
    table::Point AimStartPos;   // the cue ball's top-left when aiming started
    table::Point PressPoint;    // push mode: where the stroke press happened
    uint32_t PressTime = 0;     // tick count at the stroke press
    int MaxPull = 0;            // longest pull-back since the press, LU
    int StepSamples[5] = {};    // lengths of the first four pointer steps, then the latest
    int SampleCount = 0;        // next sample slot, 0..4
    table::Point PrevPointer;   // the pointer position of the previous stroke step
    uint32_t StrokeTime = 0;    // ms from the press to the latest stroke step
};

// The cursors the table window shows.
enum class CursorKind {
    Arrow,          // the platform's standard arrow
    AimingHand,     // 103
    PushCross,      // 187
    CueBallLarge,   // 146
    CueBall210,     // 148
    CueBall170,     // 147
    CueBall150,     // 149
};

// The cursor resource id of a kind; 0 for the platform's arrow.
int CursorResourceId(CursorKind kind);

// Result codes of the shot control bar.
inline constexpr int ShotBarShot = 1;     // shot button, Enter, right button, computer's timer
inline constexpr int ShotBarEscape = 2;   // Escape still plays the stroke
inline constexpr int ShotBarQuit = -111;  // "やめる"

inline constexpr const char* kPlacementMessage =
    "手玉を左の縦線内の上にセットしてください\n"
    "セットの方法はマウスポインターをセットしたい所にﾚ動して左ボタンをクリック";

} // namespace input
