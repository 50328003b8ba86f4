// The card-to-ball mapping, the display sort and the dealers.
#include <gtest/gtest.h>

#include <set>

#include "platform/clock.h"
#include "rules/cards.h"

namespace {

using rules::CardBall;

TEST(CardBall, RankNamesTheBallAndRemovedCardsStayRemoved) {
    const struct { int card, ball; } cases[] = {
        {1, 1}, {12, 12}, {13, 13}, {14, 1}, {26, 13}, {33, 7}, {46, 7}, {52, 13}, {-1, -1},
    };
    for (const auto& c : cases) EXPECT_EQ(CardBall(c.card), c.ball) << "card " << c.card;
}

rules::Hand MakeHand(std::initializer_list<int> cards) {
    rules::Hand h;
    for (int c : cards) h.cards[++h.count] = c;
    return h;
}

std::vector<int> Cards(const rules::Hand& h) { return std::vector<int>(h.cards + 1, h.cards + 1 + h.count); }

TEST(SortHand, RemovedCardsFirstThenByBallTheLastOfATieMoving) {
    rules::Hand h = MakeHand({20, -1, 7, 3});  // balls 7, removed, 7, 3
    rules::SortHand(h);
    EXPECT_EQ(Cards(h), (std::vector<int>{-1, 3, 20, 7}));
    // Two live cards of one ball change places on every sort.
    rules::SortHand(h);
    EXPECT_EQ(Cards(h), (std::vector<int>{-1, 3, 7, 20}));
    rules::SortHand(h);
    EXPECT_EQ(Cards(h), (std::vector<int>{-1, 3, 20, 7}));
}

TEST(SortHand, KingsSortLastAndTheCountStays) {
    rules::Hand h = MakeHand({13, 1, -1, 40, 2, -1});  // K, A, removed, A, 2, removed
    rules::SortHand(h);
    EXPECT_EQ(h.count, 6);
    EXPECT_EQ(Cards(h), (std::vector<int>{-1, -1, 40, 1, 2, 13}));
    EXPECT_EQ(rules::LiveCards(h), 4);
}

TEST(ListDealer, SkipsDealtCardsAndRunsDry) {
    rules::Deck deck;
    deck.Mark(5);
    rules::ListDealer dealer({5, 9, 0, 53, 9, 12});
    EXPECT_TRUE(dealer.CanDeal(deck));
    EXPECT_EQ(dealer.Deal(deck), 9);
    EXPECT_EQ(dealer.Deal(deck), 12);  // 0, 53 and the second 9 are passed over
    EXPECT_FALSE(dealer.CanDeal(deck));
    EXPECT_EQ(dealer.Deal(deck), 0);
    EXPECT_TRUE(deck.IsDealt(9));
    EXPECT_TRUE(deck.IsDealt(12));
}

TEST(RandomDealer, DealsEveryCardOnceThenNothing) {
    platform::VirtualClock clock(12345);
    rules::RandomDealer dealer(clock);
    rules::Deck deck;
    std::set<int> seen;
    for (int n = 0; n < rules::kDeckSize; ++n) {
        clock.Advance(1);
        const int card = dealer.Deal(deck);
        ASSERT_GE(card, 1);
        ASSERT_LE(card, 52);
        EXPECT_TRUE(seen.insert(card).second) << "card " << card << " dealt twice";
    }
    EXPECT_TRUE(deck.Exhausted());
    EXPECT_FALSE(dealer.CanDeal(deck));
    EXPECT_EQ(dealer.Deal(deck), 0);
}

} // namespace
