// The deck, the hands, the card-to-ball mapping, the hand sort and the dealers.
#pragma once
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace platform {
class Clock;
}

namespace rules {

inline constexpr int kDeckSize = 52;
inline constexpr int kHandCapacity = 39;
inline constexpr int kRemovedCard = -1;
inline constexpr int kCardBackPicture = 100;  // DrawCard's value for the back
inline constexpr int kCardWidth = 71;          // pixels
inline constexpr int kCardHeight = 96;

// Dealt flags of the 52 cards; card c is suit (c - 1) / 13, rank index (c - 1) % 13.
struct Deck {
    bool dealt[4][13] = {};
    void Clear() { *this = Deck{}; }
    bool IsDealt(int card) const { return dealt[(card - 1) / 13][(card - 1) % 13]; }
    void Mark(int card) { dealt[(card - 1) / 13][(card - 1) % 13] = true; }
    bool Exhausted() const;
};

// A count and card numbers in positions 1..count; a removed card stays in place as -1 and the
// count only grows.
struct Hand {
    int count = 0;
    int cards[kHandCapacity + 1] = {};  // [0] unused
    bool Full() const { return count >= kHandCapacity; }
    friend bool operator==(const Hand&, const Hand&) = default;
};

// The ball a card names: c mod 13 with the dividend's sign, 0 becoming 13 (so -1 stays -1).
constexpr int CardBall(int card) {
    const int b = card % 13;
    return b == 0 ? 13 : b;
}

int LiveCards(const Hand& hand);
bool HoldsBall(const Hand& hand, int ball);

// The display sort: ascending by ball, removed cards first; for each position the smallest among
// the rest moves there, the last one when several tie. Two live cards of one ball swap places on
// every sort, so where it runs matters.
void SortHand(Hand& hand);

// The 16-bit generator the game draws from, seeded from the clock where the game says so.
class CardRandom {
public:
    void Seed(uint32_t seed) { state_ = seed; }
    int Next() {  // 0..32767
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 0x7fff);
    }
private:
    uint32_t state_ = 1;
};

// Random suit and rank from `random` until a card not yet dealt comes up; marks and returns it,
// or 0 when every card is dealt.
int DrawFreeCard(Deck& deck, CardRandom& random);

// Where DealCard's cards come from.
class Dealer {
public:
    virtual ~Dealer() = default;
    // Marks and returns a card not yet dealt, or 0 when there is none.
    virtual int Deal(Deck& deck) = 0;
    // Whether Deal would give a card now.
    virtual bool CanDeal(const Deck& deck) const { return !deck.Exhausted(); }
};

// The game's dealer: seeded from the clock, random suit and rank until a free card comes up.
class RandomDealer final : public Dealer {
public:
    explicit RandomDealer(platform::Clock& clock) : clock_(clock) {}
    int Deal(Deck& deck) override;
private:
    platform::Clock& clock_;
    CardRandom random_;
};

// Hands out a fixed list in order, skipping cards already dealt; once the list is used up the
// deck counts as exhausted. For tests and the lab.
class ListDealer final : public Dealer {
public:
    explicit ListDealer(std::vector<int> cards) : cards_(std::move(cards)) {}
    int Deal(Deck& deck) override;
    bool CanDeal(const Deck& deck) const override;
private:
    std::vector<int> cards_;
    size_t next_ = 0;
};

} // namespace rules
