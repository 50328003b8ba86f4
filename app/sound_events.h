// The game's sound events and the tone sequence each one plays when wave sound is off.
#pragma once
#include <cstdint>
#include <span>

namespace app {

enum SoundEvent : int {
    IDSOUND_MOVE = 0,    // cushion contact
    IDSOUND_BELL = 1,    // ball contact, card animation
    IDSOUND_CHEER = 2,   // new game, end of a game
    IDSOUND_TOUCH = 3,   // aiming and placement
    IDSOUND_GOAL = 4,    // an allowed ball pocketed
    IDSOUND_SHOOT = 5,   // stroke
    IDSOUND_SHOOT2 = 6,  // stroke
    IDSOUND_Point = 7,
    IDSOUND_Point2 = 8,
    IDSOUND_Goal2 = 9,
};

struct ToneStep {
    uint32_t frequencyHz;
    int32_t durationMs;
};

// The tones of events 0..9 in order; empty for any other number.
std::span<const ToneStep> ToneSequence(int event);

} // namespace app
