// The lab's host for the table physics.
#include "lab/lab_host.h"

#include <utility>

namespace lab {

LabHost::LabHost(table::TableState& state, Hands& hands, std::vector<int> scatterRandoms,
                 uint32_t startTick)
    : state_(state), hands_(hands), randoms_(std::move(scatterRandoms)), now_(startTick) {}

void LabHost::Delay(int ms) {
    if (ms > 0) now_ += static_cast<uint32_t>(ms);
}

void LabHost::DrawPocketedBall(int ball, int pocket, int, int, int, int) {
    pocketed.push_back({ball, pocket});
}

bool LabHost::RemoveMatchingCards(int ball) {
    // Each removed card is flashed six times: back, bell, 100 ms, face, 100 ms.
    return lab::RemoveMatchingCards(hands_, state_.CurrentPlayer, ball, [this] {
        for (int n = 0; n < 6; ++n) {
            PlayEffect(1);
            Delay(100);
            Delay(100);
        }
    });
}

void LabHost::CheckGameEnd() { lab::CheckGameEnd(hands_, state_.CurrentPlayer, state_.Game); }

void LabHost::RefreshHands() {
    SortHand(hands_[0]);
    SortHand(hands_[1]);
}

int LabHost::ScatterRandom() {
    // The document gives exactly the fifteen draws of one scatter.
    return nextRandom_ < randoms_.size() ? randoms_[nextRandom_++] : 0;
}

void LabHost::PassEnded(int calls) {
    stepCalls += calls;
    // A pass that only waited for pacing costs one virtual millisecond.
    if (calls == 0) now_ += 1;
}

} // namespace lab
