// The deck, the hands, the hand sort and the dealers.
#include "rules/cards.h"

#include "platform/clock.h"

#include <utility>

namespace rules {

bool Deck::Exhausted() const {
    for (const auto& suit : dealt)
        for (bool d : suit)
            if (!d) return false;
    return true;
}

int LiveCards(const Hand& hand) {
    int n = 0;
    for (int p = 1; p <= hand.count; ++p)
        if (hand.cards[p] != kRemovedCard) ++n;
    return n;
}

bool HoldsBall(const Hand& hand, int ball) {
    for (int p = 1; p <= hand.count; ++p)
        if (hand.cards[p] != kRemovedCard && CardBall(hand.cards[p]) == ball) return true;
    return false;
}

void SortHand(Hand& hand) {
    for (int j = 1; j <= hand.count; ++j) {
        int best = j;
        for (int k = j; k <= hand.count; ++k)
            if (CardBall(hand.cards[k]) <= CardBall(hand.cards[best])) best = k;
        std::swap(hand.cards[j], hand.cards[best]);
    }
}

int DrawFreeCard(Deck& deck, CardRandom& random) {
    if (deck.Exhausted()) return 0;
    for (;;) {
        const int suit = random.Next() % 4;
        const int rank = random.Next() % 13;
        const int card = suit * 13 + rank + 1;
        if (deck.IsDealt(card)) continue;
        deck.Mark(card);
        return card;
    }
}

int RandomDealer::Deal(Deck& deck) {
    random_.Seed(clock_.Ticks());
    return DrawFreeCard(deck, random_);
}

int ListDealer::Deal(Deck& deck) {
    while (next_ < cards_.size()) {
        const int card = cards_[next_++];
        if (card < 1 || card > kDeckSize || deck.IsDealt(card)) continue;
        deck.Mark(card);
        return card;
    }
    return 0;
}

bool ListDealer::CanDeal(const Deck& deck) const {
    for (size_t i = next_; i < cards_.size(); ++i)
        if (cards_[i] >= 1 && cards_[i] <= kDeckSize && !deck.IsDealt(cards_[i])) return true;
    return false;
}

} // namespace rules
