// The computer's candidate targets: the balls of its hand that the opponent does not hold first.
#include "computer/shot_search.h"

#include "rules/cards.h"

namespace computer {

int CandidateTarget(const SearchContext& c, int k) {
    const int p = c.t.CurrentPlayer;
    const int o = p == 2 ? 1 : 2;
    // No ball on the table at all cannot happen in a game; ball 1 is the reset target.
    int result = 1;
    for (int id = table::LastBall; id >= 1; --id) {
        if (c.t.Document.BallPos[id].x != table::OffTable) {
            result = id;
            break;
        }
    }
    int unique = 0;
    for (const int card : c.hands[p]) {
        if (card == -1) continue;
        const int ball = rules::CardBall(card);
        result = ball;
        bool shared = false;
        for (const int other : c.hands[o]) {
            if (rules::CardBall(other) == ball) {
                shared = true;
                break;
            }
        }
        if (!shared && ++unique == k) return ball;
    }
    return result;
}

} // namespace computer
