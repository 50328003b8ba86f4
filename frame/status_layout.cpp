// The status bar's panes: their two layouts and the interface the game sets them through.
#include "frame/status_layout.h"

namespace frame {
namespace {

const PaneSetting kCreation[] = {
    {0, PaneStyle::Stretch, 1, ""},         {1, PaneStyle::PopOut, 80, "ステージ"},
    {2, PaneStyle::Normal, 35, ""},         {3, PaneStyle::PopOut, 80, "残り球数"},
    {4, PaneStyle::Normal, 35, ""},         {5, PaneStyle::PopOut, 80, "標準手数"},
    {6, PaneStyle::Normal, 35, ""},         {7, PaneStyle::PopOut, 80, "現在手数"},
    {8, PaneStyle::Normal, 35, ""},         {9, PaneStyle::PopOut, 80, "最高成績"},
    {10, PaneStyle::Normal, 35, ""},
};

const PaneSetting kPlayer[] = {
    {3, PaneStyle::PopOut, 115, "☆<Player1>"},
    {5, PaneStyle::Stretch, 115, "現在のプレーヤーは Player1 です"},
    {6, PaneStyle::PopOut, 115, "☆<Player2>"},
    {0, PaneStyle::Normal, 0, nullptr},  {1, PaneStyle::Normal, 0, nullptr},
    {2, PaneStyle::Normal, 0, nullptr},  {4, PaneStyle::Normal, 0, nullptr},
    {7, PaneStyle::Normal, 0, nullptr},  {8, PaneStyle::Normal, 0, nullptr},
    {9, PaneStyle::Normal, 0, nullptr},  {10, PaneStyle::Normal, 0, nullptr},
};

} // namespace

std::span<const PaneSetting> CreationLayout() { return kCreation; }
std::span<const PaneSetting> PlayerLayout() { return kPlayer; }

void ApplyLayout(StatusPanes& panes, std::span<const PaneSetting> layout) {
    for (const PaneSetting& p : layout) panes.SetPaneInfo(p.index, p.style, p.width);
    for (const PaneSetting& p : layout)
        if (p.text) panes.SetPaneText(p.index, p.text);
}

void ApplyCreationLayout(StatusPanes& panes) { ApplyLayout(panes, kCreation); }
void ApplyPlayerLayout(StatusPanes& panes) { ApplyLayout(panes, kPlayer); }

std::string CurrentPlayerText(int player) {
    return player == 2 ? "現在のプレーヤーは Player2 です" : "現在のプレーヤーは Player1 です";
}

} // namespace frame
