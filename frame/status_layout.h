// The status bar's panes: their two layouts and the interface the game sets them through.
#pragma once
#include <span>
#include <string>

namespace frame {

inline constexpr int kStatusBarId = 32794;
inline constexpr int kStatusPaneCount = 11;

enum class PaneStyle { Normal, PopOut, Stretch };

// What the game needs of the status bar; the real bar repaints a pane as soon as its text changes.
class StatusPanes {
public:
    virtual ~StatusPanes() = default;
    virtual void SetPaneInfo(int index, PaneStyle style, int width) = 0;
    virtual void SetPaneText(int index, const std::string& text) = 0; // UTF-8
};

struct PaneSetting {
    int index;
    PaneStyle style;
    int width;        // pixels
    const char* text; // nullptr leaves the text as it is
};

// Set when the frame is created: labels for a stage game that no pane value ever fills.
std::span<const PaneSetting> CreationLayout();
// Set whenever a match is reset: the two players and whose turn it is.
std::span<const PaneSetting> PlayerLayout();

// Styles and widths first, then the texts, pane by pane.
void ApplyLayout(StatusPanes& panes, std::span<const PaneSetting> layout);
void ApplyCreationLayout(StatusPanes& panes);
void ApplyPlayerLayout(StatusPanes& panes);

inline constexpr int kCurrentPlayerPane = 5;
// "現在のプレーヤーは Player1 です" or the same for Player2, shown in the current player's pane.
std::string CurrentPlayerText(int player);

} // namespace frame
