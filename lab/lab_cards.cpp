// The lab's small model of the card rules the physics calls.
#include "lab/lab_cards.h"

#include <algorithm>
#include <utility>

namespace lab {

int CardBall(int card) {
    const int b = card % 13;  // keeps the sign of the card, so a removed card stays -1
    return b == 0 ? 13 : b;
}

int LiveCards(const Hand& hand) {
    return static_cast<int>(std::count_if(hand.begin(), hand.end(), [](int c) { return c != -1; }));
}

bool RemoveMatchingCards(Hands& hands, int shooter, int ball, const std::function<void()>& flash) {
    if (ball > 13) return true;
    bool allowed = false;
    auto strip = [&](Hand& hand) {
        for (int& card : hand) {
            if (CardBall(card) != ball) continue;
            if (flash) flash();
            card = -1;
            allowed = true;
        }
    };
    strip(hands[shooter == 2 ? 1 : 0]);
    if (allowed) strip(hands[shooter == 2 ? 0 : 1]);
    return allowed;
}

void CheckGameEnd(const Hands& hands, int shooter, table::GameOutcome& game) {
    game.GameOver = false;
    const int i = LiveCards(hands[0]);
    const int j = LiveCards(hands[1]);
    if (i != 0 && j != 0) return;
    game.PlayerResult[1] = -100;
    game.PlayerResult[2] = -100;
    game.GameOver = true;
    if (i == 0 && j != 0)
        game.PlayerResult[1] = 100;
    else if (j == 0 && i != 0)
        game.PlayerResult[2] = 100;
    else
        game.PlayerResult[shooter == 2 ? 2 : 1] = 100;
}

void SortHand(Hand& hand) {
    const size_t n = hand.size();
    for (size_t j = 0; j < n; ++j) {
        size_t best = j;
        for (size_t k = j; k < n; ++k)  // the last of equal balls wins
            if (CardBall(hand[k]) <= CardBall(hand[best])) best = k;
        std::swap(hand[j], hand[best]);
    }
}

} // namespace lab
