// The card strip and the full table paint as the rules see them: hand order, rack placement,
// the cue ball's write-back, and the card animations.
#include "rules/game.h"

#include "platform/clock.h"
#include "table/layout.h"

#include <algorithm>

namespace rules {

void Game::ShowHands() {
    SortHand(cards.hands[1]);
    SortHand(cards.hands[2]);
    const int m = std::max(LiveCards(cards.hands[1]), LiveCards(cards.hands[2]));
    const bool faceUp[3] = {
        false,
        table.CurrentPlayer == 1,
        table.CurrentPlayer == 2 && (!VsComputer() || settings_.ShowComputerCard == 1),
    };
    for (int player = 1; player <= 2; ++player) {
        const Hand& h = cards.hands[player];
        int k = 0;
        for (int p = 1; p <= h.count; ++p) {
            if (h.cards[p] == kRemovedCard) continue;
            ++k;
            s_.drawing.DrawCard(faceUp[player] ? 189 + h.cards[p] : kCardBackPicture, CardPlaceX(player, k, m), 0);
        }
    }
}

void Game::CardShower(int frames) {
    s_.drawing.ClearCardStrip(table);
    showerRandom_.Seed(s_.clock.Ticks());
    const int w = s_.drawing.ClientWidth();
    int a = 25, b = 15, x = w / 2;
    for (int f = 0; f < frames; ++f) {
        s_.drawing.DrawCard(b <= 0 ? kCardBackPicture : a + 190, x, 0);
        PlayEffect(1);
        Delay(10);
        a = showerRandom_.Next() % 51;
        x += b;
        if (x < 0 || x > w - kCardWidth) b = -b;
    }
}

void Game::DrawCardStrip() {
    s_.drawing.ClearCardStrip(table);
    if (!view.HandsHidden) ShowHands();
}

void Game::DrawPockets() { s_.drawing.DrawPockets(table); }

void Game::DrawPocketedRack() {
    const int d = table.Geometry.BallDiameter;
    const int right = s_.drawing.ClientWidth() * 10;
    const int y = s_.drawing.ClientHeight() * 10 - d - 1;
    int left = 50, fromRight = right - 50 - d;
    for (int i = 1; i <= table::LastBall; ++i) {
        const table::Point p = table.Document.BallPos[i];
        if (p.x != table::OffTable) continue;
        if (p.y == 1) {
            s_.drawing.DrawBall(table, left, y, i);
            left += d;
        } else {
            s_.drawing.DrawBall(table, fromRight, y, i);
            fromRight -= d;
        }
    }
}

void Game::DrawAllBalls() {
    table::TableDocument& doc = table.Document;
    if (view.RackRequested) {
        table::PlaceRack(table.Geometry, doc.BallPos);
        view.RackRequested = false;
    }
    for (int i = 1; i <= table::LastBall; ++i)
        if (doc.BallPos[i].x != table::OffTable) s_.drawing.DrawBall(table, doc.BallPos[i].x, doc.BallPos[i].y, i);
    const table::Point cue = table.Shot.CueBallTrack;
    s_.drawing.DrawBall(table, cue.x, cue.y, 0);
    DrawPocketedRack();
    doc.BallPos[0] = cue;
}

void Game::DrawTable() {
    table::TableGeometry& g = table.Geometry;
    const int w = s_.drawing.ClientWidth();
    const int h = s_.drawing.ClientHeight();
    // The layout follows the client size at every full paint; without a size (no view yet) the
    // layout already made stays.
    if (w > 0 && h > 0 && g.BallDiameter > 0) {
        table::LayOutTable(g, w, h);
        table::LayOutPockets(g, w, h);
        if (!g.SpotsLaidOut) table::LayOutSpots(g);
    }
    s_.drawing.DrawTable(table);
    if (table.Shot.BreakShot && view.PlacementState == 0) view.PlacementState = 1;
    if (table.Shot.BreakShot && view.FirstPaintOfGame) {
        Delay(1000);
        CardShower(80);
        view.FirstPaintOfGame = false;
    }
    DrawCardStrip();
    DrawAllBalls();
    if (settings_.Music) s_.sound.StartPlayMusic();
}

} // namespace rules
