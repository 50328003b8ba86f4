// The narrow interface through which the table physics reaches the rest of the game.
#pragma once
#include <cstdint>

namespace table {

// Implemented by the game (real clock, drawing, sound, card rules) and by the lab (virtual clock,
// no drawing, a small card model). Every call is made on the one game thread.
class TableHost {
public:
    virtual ~TableHost() = default;

    // The wrapping 32-bit millisecond tick counter the motion loop paces itself by.
    virtual uint32_t Ticks() = 0;
    // Busy wait of ms milliseconds; nothing for ms <= 0.
    virtual void Delay(int ms) = 0;
    // Sound event 0..9 (0 cushion, 1 ball contact, 4 allowed pocket).
    virtual void PlayEffect(int event) = 0;

    // Ball drawing at top-left positions in LU.
    virtual void DrawBall(int x, int y, int ball) = 0;
    virtual void EraseBall(int x, int y) = 0;
    // Erases the ball at `from` (its last position) and draws it inside pocket `pocket` at `at`.
    virtual void DrawPocketedBall(int ball, int pocket, int fromX, int fromY, int atX, int atY) = 0;

    // The abnormal-position message (AbnormalPositionMessage, stop icon, OK).
    virtual void ShowAbnormalPosition() = 0;

    // Card rules: may the shooter pocket this object ball (its cards are removed if so)?
    virtual bool RemoveMatchingCards(int ball) = 0;
    // Sets GameOver and PlayerResult when a hand has become empty.
    virtual void CheckGameEnd() = 0;
    // After an allowed pocket: refresh the table and the hands (sorts and draws both hands).
    virtual void RefreshHands() = 0;

    // One draw of the scatter's generator, 0..99.
    virtual int ScatterRandom() = 0;

    // End of one pass of the motion loop in which StepBall ran `stepCalls` times. The game may
    // present the window here; the lab advances its virtual clock.
    virtual void PassEnded(int stepCalls) { (void)stepCalls; }
};

} // namespace table
