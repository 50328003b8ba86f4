// The card rules on a game: removing the cards of a pocketed ball, the game's end, the lucky
// discard and the foul card when none can be given.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "rules/messages.h"
#include "rules_fixture.h"

namespace {

using rulestest::GameFixture;
using V = std::vector<int>;

TEST(RemoveMatchingCards, WhichCardsGoFromWhichHand) {
    const struct {
        const char* name;
        int shooter;
        int ball;
        V hand1, hand2;
        bool allowed;
        V after1, after2;
    } cases[] = {
        {"ball 14 needs no card", 1, 14, {3, 4}, {5}, true, {3, 4}, {5}},
        {"ball 15 needs no card", 2, 15, {3}, {5}, true, {3}, {5}},
        // 7 of clubs and of hearts (7, 33); the opponent's 7 of spades (46) goes too.
        {"both sevens and the opponent's", 1, 7, {7, 2, 33}, {46, 5}, true, {-1, 2, -1}, {-1, 5}},
        {"no seven in the shooter's hand", 1, 7, {2, 3}, {46, 7}, false, {2, 3}, {46, 7}},
        {"player 2 shooting", 2, 13, {26, 1}, {52, 39}, true, {-1, 1}, {-1, -1}},
    };
    for (const auto& c : cases) {
        GameFixture f;
        f.SetHand(1, {});
        f.SetHand(2, {});
        for (int card : c.hand1) f.game.cards.hands[1].cards[++f.game.cards.hands[1].count] = card;
        for (int card : c.hand2) f.game.cards.hands[2].cards[++f.game.cards.hands[2].count] = card;
        f.game.table.CurrentPlayer = c.shooter;
        EXPECT_EQ(f.game.RemoveMatchingCards(c.ball), c.allowed) << c.name;
        EXPECT_EQ(f.Hand(1), c.after1) << c.name;
        EXPECT_EQ(f.Hand(2), c.after2) << c.name;
        const auto removed = std::count(c.after1.begin(), c.after1.end(), -1) +
                             std::count(c.after2.begin(), c.after2.end(), -1);
        EXPECT_EQ(f.sound.effects, V(size_t(6 * removed), 1)) << c.name << ": six bells per card";
    }
}

TEST(RemoveMatchingCards, FlashesEachCardAtItsPlaceInTheStrip) {
    GameFixture f;
    // Hand 1: a removed card, then 4, 7 (ball 7), 5: the seven is the second live card.
    f.SetHand(1, {-1, 4, 7, 5});
    f.SetHand(2, {1, 2, 20});  // 20 is the 7 of diamonds, third live card from the right
    ASSERT_TRUE(f.game.RemoveMatchingCards(7));
    // W = 800, M = 3: c = min(400 / 5, 71) = 71.
    std::set<std::pair<int, int>> places;
    for (const auto& card : f.drawing.cards) places.insert({card.picture, card.x});
    const std::set<std::pair<int, int>> expected = {
        {100, 71}, {189 + 7, 71}, {100, 800 - 2 * 71 - 71}, {189 + 20, 800 - 2 * 71 - 71}};
    EXPECT_EQ(places, expected);
    EXPECT_EQ(f.drawing.cards.size(), 24u);
    EXPECT_EQ(f.clock.Ticks(), 1000u + 2 * 6 * 200);
}

TEST(CheckGameEnd, WinnerByEmptyHand) {
    const struct { V hand1, hand2; int shooter; bool over; int result1, result2; } cases[] = {
        {{3}, {4}, 1, false, 0, 0},
        {{-1}, {4}, 2, true, 100, -100},
        {{3}, {-1, -1}, 1, true, -100, 100},
        {{-1}, {-1}, 1, true, 100, -100},  // both empty: the shooter wins
        {{-1}, {-1}, 2, true, -100, 100},
    };
    for (const auto& c : cases) {
        GameFixture f;
        f.SetHand(1, {});
        f.SetHand(2, {});
        for (int card : c.hand1) f.game.cards.hands[1].cards[++f.game.cards.hands[1].count] = card;
        for (int card : c.hand2) f.game.cards.hands[2].cards[++f.game.cards.hands[2].count] = card;
        f.game.table.CurrentPlayer = c.shooter;
        f.game.table.Game.GameOver = true;  // cleared first
        f.game.CheckGameEnd();
        EXPECT_EQ(f.game.table.Game.GameOver, c.over);
        EXPECT_EQ(f.game.table.Game.PlayerResult[1], c.result1);
        EXPECT_EQ(f.game.table.Game.PlayerResult[2], c.result2);
    }
}

TEST(LuckyDiscard, ThrowsAwayACardWhoseBallIsDownAndKeepsOneOnTheTable) {
    {
        GameFixture f;  // every object ball is pocketed in the fixture
        f.SetHand(1, {30, 2, 30});  // the same card twice: the last position goes
        f.game.cards.LastDealtCard = 30;  // ball 4
        f.game.LuckyDiscard();
        ASSERT_EQ(f.Messages().size(), 1u);
        EXPECT_EQ(f.Messages()[0],
                  "ラッキー! 只今配ったカードに対応する\n「 4」番の球\nはすでにポケットに入ったので\n"
                  "このカードはすぐに捨てられます");
        EXPECT_EQ(f.boxes.shown[0].type, unsigned(platform::MB_OK));
        EXPECT_EQ(f.Hand(1), (V{30, 2, -1}));
    }
    {
        GameFixture f;
        f.PutCentre(4, 3000, 3000);
        f.SetHand(1, {2, 30});
        f.game.cards.LastDealtCard = 30;
        f.game.LuckyDiscard();
        EXPECT_TRUE(f.Messages().empty());
        EXPECT_EQ(f.Hand(1), (V{2, 30}));
    }
    {
        GameFixture f;  // the wrong ball of this shot is not "already pocketed"
        f.SetHand(1, {2, 30});
        f.game.table.Outcome.WrongBallPocketed = 4;
        f.game.cards.LastDealtCard = 30;
        f.game.LuckyDiscard();
        EXPECT_TRUE(f.Messages().empty());
    }
}

// A foul when no card can be given: one message, no card, no lucky discard, and no card lost.
TEST(FoulCard, NoneFromAnEmptyDeckOrIntoAFullHand) {
    {
        GameFixture f(std::vector<int>{});  // the deal list is used up
        f.SetHand(1, {2});
        f.game.TakeSnapshot();
        f.game.FoulWrongBall();
        EXPECT_EQ(f.Messages(), (std::vector<std::string>{rules::kFoulWrongBallMessage, rules::kDeckExhaustedMessage}));
        EXPECT_EQ(f.Hand(1), (V{2}));
        EXPECT_EQ(f.game.table.CurrentPlayer, 2);
    }
    {
        GameFixture f({8});
        f.SetHand(1, {});
        rules::Hand& h = f.game.cards.hands[1];
        for (int p = 1; p <= rules::kHandCapacity; ++p) h.cards[++h.count] = -1;
        f.game.TakeSnapshot();
        f.game.FoulWrongBall();
        EXPECT_EQ(f.Messages(), (std::vector<std::string>{rules::kFoulWrongBallMessage, rules::kHandFullMessage}));
        EXPECT_EQ(h.count, rules::kHandCapacity);
        EXPECT_FALSE(f.game.cards.deck.IsDealt(8)) << "the card stays in the deck";
        f.game.table.CurrentPlayer = 1;
        h.count = 3;
        EXPECT_EQ(f.game.TakeFoulCard(), 8);
    }
}

// Fouls until the deck runs dry: every card is dealt at most once and the hands stop growing.
TEST(FoulCard, TheFiftyTwoCardsAreEachDealtAtMostOnce) {
    platform::VirtualClock clock(777);
    rules::RandomDealer random(clock);
    GameFixture f;
    rules::Game game(rules::GameServices{clock, f.boxes, f.sound, f.drawing, random, f.cardDraw, f.hooks, nullptr},
                     f.settings);
    game.table = f.game.table;
    game.cycle.RestartPending = false;
    game.NewRack();
    for (int n = 0; n < 60; ++n) {
        clock.Advance(3);
        game.TakeSnapshot();
        game.FoulWrongBall();
    }
    std::multiset<int> held;
    for (int p = 1; p <= 2; ++p)
        for (int i = 1; i <= game.cards.hands[p].count; ++i) held.insert(game.cards.hands[p].cards[i]);
    held.erase(-1);
    std::set<int> distinct(held.begin(), held.end());
    EXPECT_EQ(distinct.size(), held.size());
    EXPECT_LE(held.size(), 52u);
    EXPECT_TRUE(game.cards.deck.Exhausted());
    EXPECT_EQ(game.cards.hands[1].count + game.cards.hands[2].count, 52);
}

} // namespace
