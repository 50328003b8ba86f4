// The game object: owns the table state, the cards and the turn's flags, and runs the shot cycle,
// the card rules and the match flow against the services it is given.
#pragma once
#include <functional>
#include <string>

#include "app/settings.h"
#include "rules/cards.h"
#include "rules/game_services.h"
#include "rules/table_drawing.h"
#include "table/table_host.h"
#include "table/table_state.h"

namespace platform {
class Clock;
class MessageBoxes;
}
namespace frame {
class CKavrelDoc;
class StatusPanes;
}

namespace rules {

// The deck, both hands (players 1 and 2; [0] unused), their copy at the shot start, and the card
// last given for a foul.
struct CardState {
    Deck deck;
    Hand hands[3];
    Hand HandSnapshot[3];
    int LastDealtCard = 0;
};

// The turn's flags.
struct CycleFlags {
    bool RedrawTable = false;    // the next paint draws the whole table first
    bool RestartPending = true;  // the next paint resets the match; set when the program starts
    bool ShotArmed = false;
};

// What the view keeps between paints that the rules reset or read.
struct ViewState {
    bool RackRequested = false;     // the next full paint places the rack
    bool FirstPaintOfGame = false;  // the first full paint of a game plays the card animation
    int PlacementState = 0;         // on the break: 0 not offered, 1 following the pointer, 2 placed
    bool HandsHidden = false;       // while the shot bar is open
    int ComputerTarget = 1;
    int PowerLevel = 80;            // the shot bar's strength in percent
};

// The services the game calls out to; all outlive the game.
struct GameServices {
    platform::Clock& clock;
    platform::MessageBoxes& boxes;
    GameSound& sound;
    TableDrawing& drawing;
    Dealer& dealer;
    CardDrawPrompt& cardDraw;
    MatchHooks& hooks;
    frame::StatusPanes* status = nullptr;  // none in the lab and most tests
};

class Game final : public table::TableHost {
public:
    // `settings` is read as the game goes (VsComputer, ShowComputerCard, Music, GameSpeed).
    // `doc`, when given, runs the new game: it reads the results and calls back into NewGamePart.
    Game(const GameServices& services, app::AppSettings& settings, frame::CKavrelDoc* doc = nullptr);
    ~Game() override;
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    table::TableState table;
    CardState cards;
    CycleFlags cycle;
    ViewState view;

    // The scatter's generator, 0..99 per draw; seeded from the clock unless replaced.
    std::function<int()> scatterRandom;
    // Balls stepped by the motion loop since the game was made.
    long stepCalls = 0;

    // The view's first initial update: spin, ball size and the rack.
    void InitialUpdate(int clientWidth, int clientHeight, int dialogBaseUnitY);

    // --- The shot cycle.
    // The stroke contract of aiming and the computer: arms the shot from the cue ball's position
    // towards and past `aimPoint` and runs it to its end.
    void FireStroke(int power, table::Point aimPoint);
    // The view's paint routine; may run a whole shot.
    void PaintTable();
    // A paint request from the view: served now, or after the shot when one is running (the waits
    // of a shot present the window and would otherwise start a paint inside it).
    void OnPaintRequest();
    // The card-draw dialog's message: the table and the hands again, then a second's pause.
    void OnCardStripMessage();
    void StartShot();
    void ResolveShot();
    void SwitchPlayer();
    void ResetMatch();
    void TakeSnapshot();

    // --- The card rules.
    int DealCard();
    void DealHands();
    bool RemoveMatchingCards(int ball) override;
    void CheckGameEnd() override;
    void FoulCueBall();
    void FoulWrongBall();
    void BreakWrongBall();
    void RestoreHands(int mode);
    void LuckyDiscard();
    void ShowHands();
    void CardShower(int frames);
    // The card-draw dialog's deal: one more card at the end of the shooter's hand, also kept as
    // LastDealtCard. Returns the card, or 0 when none can be given.
    int TakeFoulCard();
    // Where the k-th live card (from 1) of `player`'s hand is drawn, in pixels; m is the larger
    // number of live cards in the two hands.
    int CardPlaceX(int player, int k, int m) const;

    // --- The match.
    // The document's new game (reading the results when there is a document), then its game part.
    void NewGame();
    void NewGamePart();
    void NewRack();
    void LoadPlayerSettings();
    // Menu command 57600.
    void OnNewGameCommand();

    // --- The full table paint's state and the pieces the rules run.
    void DrawTable();
    void DrawCardStrip();
    void DrawAllBalls();
    void DrawPocketedRack();
    void DrawPockets();

    bool VsComputer() const { return settings_.VsComputer != 0; }
    // Whether a shot (or a paint) is running now.
    bool Busy() const { return busy_ > 0; }

    // --- table::TableHost.
    uint32_t Ticks() override;
    void Delay(int ms) override;
    void PlayEffect(int event) override;
    void DrawBall(int x, int y, int ball) override;
    void EraseBall(int x, int y) override;
    void DrawPocketedBall(int ball, int pocket, int fromX, int fromY, int atX, int atY) override;
    void ShowAbnormalPosition() override;
    void RefreshHands() override;
    int ScatterRandom() override;
    void PassEnded(int stepCalls) override;

    const GameServices& Services() const { return s_; }
    app::AppSettings& Settings() { return settings_; }

private:
    // Gives the foul card to the shooter; false when none can be given (the player was told).
    bool GiveFoulCard();
    void FlashCard(int card, int x);
    void SetStatusPlayerPane();

    GameServices s_;
    app::AppSettings& settings_;
    frame::CKavrelDoc* doc_;
    CardRandom showerRandom_;
    CardRandom scatterRandom_;
    int busy_ = 0;
    bool paintPending_ = false;
    uint32_t lastPresentTick_ = 0;
};

} // namespace rules
