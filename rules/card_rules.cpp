// The card rules: dealing, removing the cards of a pocketed ball, the game's end and the fouls.
#include "rules/game.h"

#include "platform/message_box.h"
#include "rules/messages.h"
#include "table/pockets.h"

#include <algorithm>
#include <string>

namespace rules {

int Game::DealCard() { return s_.dealer.Deal(cards.deck); }

void Game::DealHands() {
    for (int p = 1; p <= 2; ++p) {
        cards.hands[p] = Hand{};
        for (int i = 1; i <= 5; ++i) cards.hands[p].cards[i] = DealCard();
        cards.hands[p].count = 5;
    }
}

int Game::CardPlaceX(int player, int k, int m) const {
    const int w = s_.drawing.ClientWidth();
    const int c = std::min((w / 2) / (m + 2), kCardWidth);
    return player == 1 ? c * (k - 1) : 2 * (w / 2) - c * (k - 1) - kCardWidth;
}

void Game::FlashCard(int card, int x) {
    for (int n = 0; n < 6; ++n) {
        s_.drawing.DrawCard(kCardBackPicture, x, 0);
        PlayEffect(1);
        Delay(100);
        s_.drawing.DrawCard(189 + card, x, 0);
        Delay(100);
    }
}

bool Game::RemoveMatchingCards(int ball) {
    if (ball > 13) return true;  // balls 14 and 15 need no card
    const int m = std::max(LiveCards(cards.hands[1]), LiveCards(cards.hands[2]));
    const int shooter = table.CurrentPlayer;
    bool allowed = false;
    auto sweep = [&](int player) {
        Hand& h = cards.hands[player];
        int live = 0;
        for (int p = 1; p <= h.count; ++p) {
            if (h.cards[p] == kRemovedCard) continue;
            ++live;
            if (CardBall(h.cards[p]) != ball) continue;
            FlashCard(h.cards[p], CardPlaceX(player, live, m));
            h.cards[p] = kRemovedCard;
            allowed = true;
        }
    };
    sweep(shooter);
    if (allowed) sweep(shooter == 1 ? 2 : 1);
    return allowed;
}

void Game::CheckGameEnd() {
    table::GameOutcome& g = table.Game;
    g.GameOver = false;
    const int i = LiveCards(cards.hands[1]);
    const int j = LiveCards(cards.hands[2]);
    if (i != 0 && j != 0) return;
    g.PlayerResult[1] = g.PlayerResult[2] = -100;
    g.GameOver = true;
    if (i == 0 && j != 0)
        g.PlayerResult[1] = 100;
    else if (j == 0 && i != 0)
        g.PlayerResult[2] = 100;
    else
        g.PlayerResult[table.CurrentPlayer] = 100;
}

void Game::RestoreHands(int mode) {
    if (mode != 2) return;
    for (int p = 1; p <= 2; ++p) cards.hands[p] = cards.HandSnapshot[p];
}

int Game::TakeFoulCard() {
    Hand& h = cards.hands[table.CurrentPlayer];
    if (h.Full()) return 0;
    const int card = DealCard();
    if (card == 0) return 0;
    h.count += 1;
    h.cards[h.count] = card;
    cards.LastDealtCard = card;
    return card;
}

bool Game::GiveFoulCard() {
    // The hand is tested first, so that a card is never dealt and then lost.
    if (cards.hands[table.CurrentPlayer].Full()) {
        s_.boxes.Show(kHandFullMessage, platform::MB_OK | platform::MB_ICONEXCLAMATION);
        return false;
    }
    if (!s_.dealer.CanDeal(cards.deck)) {
        s_.boxes.Show(kDeckExhaustedMessage, platform::MB_OK | platform::MB_ICONEXCLAMATION);
        return false;
    }
    if (table.CurrentPlayer == 2 && VsComputer()) return TakeFoulCard() != 0;
    s_.cardDraw.Run(*this);
    return true;
}

void Game::LuckyDiscard() {
    const int n = CardBall(cards.LastDealtCard);
    bool pocketed = false;
    for (int i = 1; i <= 13; ++i)
        if (table.Document.BallPos[i].x == table::OffTable && i == n && i != table.Outcome.WrongBallPocketed)
            pocketed = true;
    if (!pocketed) return;
    s_.boxes.Show(std::string(kLuckyHead) + std::to_string(n) + kLuckyTail, platform::MB_OK);
    Hand& h = cards.hands[table.CurrentPlayer];
    for (int p = h.count; p >= 1; --p)
        if (h.cards[p] == cards.LastDealtCard) {
            h.cards[p] = kRemovedCard;
            break;
        }
}

void Game::FoulCueBall() {
    table::ShotState& shot = table.Shot;
    table::GameOutcome& g = table.Game;
    PlayEffect(3);
    shot.CueBallTrack = shot.CueBallAtShot;
    shot.PrevPos = shot.CueBallAtShot;
    table.Document.StrokeCount += 1;
    table.Outcome.FoulTurn = true;
    g.CueInHand = true;
    for (int p = 1; p <= 2; ++p) g.PlayerResult[p] = g.ResultBackup[p];
    if (table.Outcome.ObjectBallPocketed) {
        table.Outcome.ObjectBallPocketed = false;
        table::RespotPocketed(table, 2, {});
        RestoreHands(2);
    }
    s_.boxes.Show(kFoulCueBallMessage, platform::MB_OK | platform::MB_ICONEXCLAMATION);
    if (GiveFoulCard()) LuckyDiscard();
    if (VsComputer()) table.ComputerTurn = true;
    SwitchPlayer();
    s_.hooks.RefreshCursor();
}

void Game::FoulWrongBall() {
    s_.boxes.Show(kFoulWrongBallMessage, platform::MB_OK);
    table::RespotPocketed(table, 2, {});
    RestoreHands(2);
    if (GiveFoulCard()) LuckyDiscard();
    if (VsComputer()) table.ComputerTurn = true;
    table.Outcome.FoulTurn = true;
    SwitchPlayer();
    s_.hooks.RefreshCursor();
    table.Game.CueInHand = true;
}

void Game::BreakWrongBall() {
    const Hand& atStart = cards.HandSnapshot[table.CurrentPlayer];
    table::RespotPocketed(table, 3, [&](int ball) { return HoldsBall(atStart, ball); });
    if (VsComputer()) table.ComputerTurn = true;
    SwitchPlayer();
    s_.hooks.RefreshCursor();
    table.Outcome.ObjectBallPocketed = false;
    DrawPockets();
    DrawPocketedRack();
    DrawTable();
}

} // namespace rules
