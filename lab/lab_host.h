// The lab's host for the table physics: a virtual clock, no drawing, and the small card model.
#pragma once
#include <cstdint>
#include <vector>

#include "lab/lab_cards.h"
#include "table/table_host.h"
#include "table/table_state.h"

namespace lab {

struct PocketedBall {
    int ball = 0;
    int pocket = 0;
};

class LabHost final : public table::TableHost {
public:
    LabHost(table::TableState& state, Hands& hands, std::vector<int> scatterRandoms, uint32_t startTick);

    uint32_t Ticks() override { return now_; }
    void Delay(int ms) override;
    void PlayEffect(int) override {}
    void DrawBall(int, int, int) override {}
    void EraseBall(int, int) override {}
    void DrawPocketedBall(int ball, int pocket, int, int, int, int) override;
    void ShowAbnormalPosition() override { abnormalStop = true; }
    bool RemoveMatchingCards(int ball) override;
    void CheckGameEnd() override;
    void RefreshHands() override;
    int ScatterRandom() override;
    void PassEnded(int stepCalls) override;

    std::vector<PocketedBall> pocketed;  // in capture order, the cue ball included
    bool abnormalStop = false;
    int stepCalls = 0;

private:
    table::TableState& state_;
    Hands& hands_;
    std::vector<int> randoms_;
    size_t nextRandom_ = 0;
    uint32_t now_;
};

} // namespace lab
