// The lab's small model of the card rules the physics calls: removing matching cards, the game-end
// check and the hand sort.
#pragma once
#include <array>
#include <functional>
#include <vector>

#include "table/table_state.h"

namespace lab {

// One hand: positions 1..count stored from index 0; a removed card stays in place as -1.
using Hand = std::vector<int>;
// Hands of players 1 and 2, at indices 0 and 1.
using Hands = std::array<Hand, 2>;

// The ball a card names: rank 1..13 (ace..king); -1 for a removed card.
int CardBall(int card);
int LiveCards(const Hand& hand);

// Removes every card naming `ball` from the shooter's hand and, if one was there, from the
// opponent's hand too; balls above 13 need no card. `flash` runs once per removed card (the game
// flashes it). Returns whether the ball was allowed.
bool RemoveMatchingCards(Hands& hands, int shooter, int ball, const std::function<void()>& flash);

// Sets GameOver and PlayerResult when a hand has no live card left.
void CheckGameEnd(const Hands& hands, int shooter, table::GameOutcome& game);

// Sorts a hand in place by ball number, removed cards first (the sort of the hand display).
void SortHand(Hand& hand);

} // namespace lab
