// The search's context over the game object: its table, both hands and the computer's target.
// Header only, so velkaro_computer itself does not depend on the game object's library.
#pragma once
#include <cstddef>
#include <span>

#include "computer/shot_search.h"
#include "rules/game.h"

namespace computer {

// Positions 1..count of a hand.
inline std::span<const int> HandCards(const rules::Hand& h) {
    return {h.cards + 1, static_cast<size_t>(h.count)};
}

// `headLineX` is the placement line as the table drawing last computed it; `plannedDistance`
// is kept by whoever runs the computer's turns.
inline SearchContext GameSearchContext(rules::Game& game, int headLineX, int& plannedDistance) {
    return SearchContext{game.table,
                         {{}, HandCards(game.cards.hands[1]), HandCards(game.cards.hands[2])},
                         headLineX,
                         game.view.ComputerTarget,
                         plannedDistance,
                         false,
                         {}};
}

} // namespace computer
