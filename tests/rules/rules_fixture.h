// A game on a virtual clock with scripted message boxes and recording sound, drawing and hooks,
// laid out on an 800 x 600 client with 250 LU balls.
#pragma once
#include <initializer_list>
#include <string>
#include <vector>

#include "frame/status_layout.h"
#include "platform/clock.h"
#include "platform/message_box.h"
#include "rules/game.h"
#include "table/layout.h"

namespace rulestest {

struct RecordingSound : rules::GameSound {
    std::vector<int> effects;
    int beeps = 0;
    int musicStarts = 0;
    void PlayEffect(int e) override { effects.push_back(e); }
    void Beep() override { ++beeps; }
    void StartPlayMusic() override { ++musicStarts; }
};

struct RecordingDrawing : rules::TableDrawing {
    struct Card { int picture, x, y; };
    std::vector<Card> cards;
    int tables = 0;
    int pockets = 0;
    int strips = 0;
    RecordingDrawing() { clientWidth = 800; clientHeight = 600; }
    void DrawTable(const table::TableState&) override { ++tables; }
    void DrawPockets(const table::TableState&) override { ++pockets; }
    void ClearCardStrip(const table::TableState&) override { ++strips; }
    void DrawCard(int picture, int x, int y) override { cards.push_back({picture, x, y}); }
};

struct RecordingHooks : rules::MatchHooks {
    int computerTurns = 0;
    std::vector<int> winners;
    int portraits = 0;
    int repaints = 0;
    bool stopAtReset = false;
    int resetsStopped = 0;
    void ComputerTakeTurn() override { ++computerTurns; }
    void ShowWinner(int w) override { winners.push_back(w); }
    void ShowTurnPortrait() override { ++portraits; }
    void RepaintViews() override { ++repaints; }
    bool InterceptResetMatch() override {
        if (stopAtReset) ++resetsStopped;
        return stopAtReset;
    }
};

struct RecordingPanes : frame::StatusPanes {
    std::string text[frame::kStatusPaneCount];
    int width[frame::kStatusPaneCount] = {};
    void SetPaneInfo(int i, frame::PaneStyle, int w) override { width[i] = w; }
    void SetPaneText(int i, const std::string& t) override { text[i] = t; }
};

class GameFixture {
public:
    explicit GameFixture(std::vector<int> deal = {}, int vsComputer = 0)
        : dealer(std::move(deal)),
          game(rules::GameServices{clock, boxes, sound, drawing, dealer, cardDraw, hooks, &panes}, settings) {
        settings.VsComputer = vsComputer;
        settings.Music = false;
        table::TableGeometry& g = game.table.Geometry;
        g.FrameWidth = 8080;
        g.FrameHeight = 6460;
        g.BallDiameter = 250;
        g.BallRadius = 125;
        table::LayOutTable(g, 800, 600);
        table::LayOutPockets(g, 800, 600);
        table::LayOutSpots(g);
        game.cycle.RestartPending = false;
        game.table.Shot.SpinKind = 3;
        game.table.Shot.FirstShotOfGame = false;
        // Every object ball pocketed and out of the way unless a test puts it on the table.
        for (int i = 1; i <= table::LastBall; ++i) game.table.Document.BallPos[i] = {table::OffTable, 1};
    }

    // Gives `player` exactly these cards (marked dealt).
    void SetHand(int player, std::initializer_list<int> cards) {
        rules::Hand& h = game.cards.hands[player];
        h = rules::Hand{};
        for (int c : cards) {
            h.cards[++h.count] = c;
            if (c > 0) game.cards.deck.Mark(c);
        }
    }
    std::vector<int> Hand(int player) const {
        const rules::Hand& h = game.cards.hands[player];
        return std::vector<int>(h.cards + 1, h.cards + 1 + h.count);
    }
    void PutCentre(int ball, int cx, int cy) {
        const int r = game.table.Geometry.BallRadius;
        game.table.Document.BallPos[ball] = {cx - r, cy - r};
        if (ball == 0) game.table.Shot.CueBallTrack = game.table.Document.BallPos[0];
    }
    // Fires from the cue ball's centre towards (tx, ty) with `power`.
    void ShootAt(int tx, int ty, int power) {
        const int r = game.table.Geometry.BallRadius;
        const table::Point c = game.table.Document.BallPos[0];
        const int cx = c.x + r, cy = c.y + r;
        game.FireStroke(power, {cx - (tx - cx) / 4, cy - (ty - cy) / 4});
    }
    std::vector<std::string> Messages() const {
        std::vector<std::string> m;
        for (const auto& s : boxes.shown) m.push_back(s.text);
        return m;
    }

    platform::VirtualClock clock;
    platform::ScriptedMessageBoxes boxes;
    RecordingSound sound;
    RecordingDrawing drawing;
    rules::ListDealer dealer;
    rules::ImmediateCardDraw cardDraw;
    RecordingHooks hooks;
    RecordingPanes panes;
    app::AppSettings settings;
    rules::Game game;
};

} // namespace rulestest
