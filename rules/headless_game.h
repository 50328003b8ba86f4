// A game without a window: virtual clock, every message box answered OK, a person's foul card
// taken at once, and a record of what the game asked for. For the lab and tests.
#pragma once
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/message_box.h"
#include "rules/game.h"

namespace rules {

class HeadlessGame {
public:
    struct Pocketed {
        int ball = 0;
        int pocket = 0;
    };

    // `deal`: the cards DealCard hands out, in order, each only when not yet dealt.
    HeadlessGame(std::vector<int> deal, int clientWidth, int clientHeight, bool vsComputer,
                 uint32_t startTick = 1000);

    Game& game() { return game_; }
    platform::VirtualClock& clock() { return clock_; }
    app::AppSettings& settings() { return settings_; }

    // The sound events asked for, in order.
    const std::vector<int>& effects() const { return sound_.effects; }
    // The texts of every message box, in order.
    std::vector<std::string> messages() const;
    const std::vector<Pocketed>& pocketed() const { return drawing_.pocketed; }
    bool abnormalStop() const;
    // Whether the computer's turn would have run, the winner the dialog would show, and whether
    // the won game's reset was reached (the resolution stops there).
    bool computerTurn() const { return hooks_.computerTurns > 0; }
    int winner() const { return hooks_.winner; }
    bool matchReset() const { return hooks_.matchReset; }

private:
    struct Sound final : GameSound {
        std::vector<int> effects;
        void PlayEffect(int event) override { effects.push_back(event); }
    };
    struct Drawing final : TableDrawing {
        std::vector<Pocketed> pocketed;
        void DrawPocketedBall(const table::TableState&, int ball, int pocket, int, int, int, int) override {
            pocketed.push_back({ball, pocket});
        }
    };
    struct Hooks final : MatchHooks {
        int computerTurns = 0;
        int winner = 0;
        bool matchReset = false;
        void ComputerTakeTurn() override { ++computerTurns; }
        void ShowWinner(int w) override { winner = w; }
        bool InterceptResetMatch() override { return matchReset = true; }
    };

    platform::VirtualClock clock_;
    platform::ScriptedMessageBoxes boxes_;
    Sound sound_;
    Drawing drawing_;
    ListDealer dealer_;
    ImmediateCardDraw cardDraw_;
    Hooks hooks_;
    app::AppSettings settings_;
    Game game_;
};

} // namespace rules
