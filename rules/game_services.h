// The services the game object calls out to: sound, the card-draw prompt and the match's hooks.
#pragma once

namespace rules {

class Game;

// The noises of the shot cycle. Event numbers are the sound events 0..9.
class GameSound {
public:
    virtual ~GameSound() = default;
    virtual void PlayEffect(int /*event*/) {}
    // The standard system beep of the turn change.
    virtual void Beep() {}
    // The play music, started at the end of every full table paint.
    virtual void StartPlayMusic() {}
};

// How a person takes the foul card: the card-draw dialog in the game, a card at once elsewhere.
class CardDrawPrompt {
public:
    virtual ~CardDrawPrompt() = default;
    // Runs to the end: a card has been taken into the shooter's hand (Game::TakeFoulCard) and the
    // card strip message has been answered (Game::OnCardStripMessage).
    virtual void Run(Game& game) = 0;
};

// Takes the card at once, with the dialog's waits.
class ImmediateCardDraw final : public CardDrawPrompt {
public:
    void Run(Game& game) override;
};

// What later parts of the game answer: the computer, the winner and portrait dialogs, cursors,
// the views. Every default does nothing.
class MatchHooks {
public:
    virtual ~MatchHooks() = default;
    // The computer's turn; it fires its stroke through Game::FireStroke.
    virtual void ComputerTakeTurn() {}
    virtual void ShowWinner(int /*winner*/) {}
    // The opponent's portrait flashed at the turn change: shown, then hidden 800 ms later.
    virtual void ShowTurnPortrait() {}
    virtual void HideTurnPortrait() {}
    // The busy cursor while balls roll, the arrow after.
    virtual void SetBusyCursor(bool /*busy*/) {}
    // The cursor for the current placement and aiming state.
    virtual void RefreshCursor() {}
    // Repaints the document's views (a paint request, served later).
    virtual void RepaintViews() {}
    // Resets the placement and drawing flags other parts keep for a new game.
    virtual void ResetViewFlags() {}
    // Asked before the end of a won game resets the match; true stops the resolution there.
    virtual bool InterceptResetMatch() { return false; }
};

} // namespace rules
