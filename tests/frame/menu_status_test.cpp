// The menu and accelerator resource and the status bar's two layouts, as data.
#include "frame/command_ids.h"
#include "frame/command_table.h"
#include "frame/menu_resource.h"
#include "frame/status_layout.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

using frame::MenuEntry;
using frame::PaneStyle;

TEST(MenuResourceTest, OldStyleMnemonicsBecomeAmpersandLetters) {
    struct Case { std::string resource, shown; };
    const Case cases[] = {
        {"ｹﾞｰﾑ(\x1E" "F\x1F" "ﾌ)", "ｹﾞｰﾑ(&F)"},
        {"新しいゲーム(\x1E" "N\x1F" "ｼ)\tCtrl+N", "新しいゲーム(&N)\tCtrl+N"},
        {"バージョン情報(\x1E" "A\x1F" "ﾊ)...", "バージョン情報(&A)..."},
        {"ｵﾌﾟｼｮﾝ(&O)", "ｵﾌﾟｼｮﾝ(&O)"},
        {"broken(\x1E" "Z", "broken(\x1E" "Z"},       // no closing mark: left as it is
        {"open(\x1E" "Q\x1F" "kana", "open(&Q"},       // no closing parenthesis: reading dropped
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(frame::MenuDisplayText(c.resource), c.shown);
}

TEST(MenuResourceTest, MenuHoldsEveryCommandWithItsSeparatorsInOrder) {
    std::vector<std::string> flat;
    for (const MenuEntry& e : frame::MainMenuResource()) {
        switch (e.kind) {
        case MenuEntry::Popup: flat.push_back(std::string(1, '[').append(frame::MenuDisplayText(e.text))); break;
        case MenuEntry::EndPopup: flat.push_back("]"); break;
        case MenuEntry::Separator: flat.push_back("-"); break;
        case MenuEntry::Item:
            flat.push_back(frame::MenuDisplayText(e.text) + "=" + std::to_string(e.command));
            break;
        }
    }
    const std::vector<std::string> want = {
        "[ｹﾞｰﾑ(&F)", "新しいゲーム(&N)\tCtrl+N=57600", "-", "終了(&X)=57665", "]",
        "ｵﾌﾟｼｮﾝ(&O)=1", "残像ｸﾘｱ(&D)=32768",
        "[ﾍﾙﾌﾟ(&H)", "目次(&C)=57666", "-", "ビリヤードプロの必殺技(&T)=32786", "-",
        "バージョン情報(&A)...=57664", "]",
    };
    EXPECT_EQ(flat, want);
}

TEST(MenuResourceTest, AcceleratorsReachTheirCommands) {
    std::map<std::string, int> keys;
    for (const frame::Accelerator& a : frame::MainAccelerators()) keys[a.keys] = a.command;
    const std::map<std::string, int> want = {
        {"Ctrl+N", 57600}, {"F1", 57670},    {"Shift+F1", 57669},  {"Ctrl+O", 57601},
        {"Ctrl+S", 57603}, {"Ctrl+C", 57634}, {"Ctrl+Ins", 57634}, {"Ctrl+V", 57637},
        {"Shift+Del", 57635}, {"Alt+Backspace", 57643}, {"F6", 57680}, {"Shift+F6", 57681},
    };
    EXPECT_EQ(keys, want);
}

TEST(CommandTableTest, UnansweredCommandsDoNothingAndLaterHandlersReplaceEarlier) {
    frame::CommandTable table;
    std::vector<int> ran;
    EXPECT_FALSE(table.Dispatch(frame::kCmdCopy));
    table.Set(frame::kCmdNewGame, [&] { ran.push_back(1); });
    table.Set(frame::kCmdNewGame, [&] { ran.push_back(2); });
    // A handler that replaces itself while running must not pull the ground from under itself.
    table.Set(frame::kCmdExit, [&] {
        table.Set(frame::kCmdExit, nullptr);
        ran.push_back(3);
    });
    EXPECT_TRUE(table.Dispatch(frame::kCmdNewGame));
    EXPECT_TRUE(table.Dispatch(frame::kCmdExit));
    EXPECT_FALSE(table.Dispatch(frame::kCmdExit));
    EXPECT_EQ(ran, (std::vector<int>{2, 3}));
}

// Records the calls in order, as a status bar would receive them.
struct RecordingPanes : frame::StatusPanes {
    struct Pane { PaneStyle style = PaneStyle::Normal; int width = -1; std::string text = "old"; };
    Pane panes[frame::kStatusPaneCount];
    std::vector<std::string> calls;
    void SetPaneInfo(int i, PaneStyle s, int w) override {
        panes[i].style = s;
        panes[i].width = w;
        calls.push_back("info");
    }
    void SetPaneText(int i, const std::string& t) override {
        panes[i].text = t;
        calls.push_back("text");
    }
};

TEST(StatusLayoutTest, CreationLayoutSetsAllElevenPanesStylesFirst) {
    RecordingPanes r;
    frame::ApplyCreationLayout(r);
    struct Want { PaneStyle style; int width; const char* text; };
    const Want want[] = {
        {PaneStyle::Stretch, 1, ""},  {PaneStyle::PopOut, 80, "ステージ"}, {PaneStyle::Normal, 35, ""},
        {PaneStyle::PopOut, 80, "残り球数"}, {PaneStyle::Normal, 35, ""},
        {PaneStyle::PopOut, 80, "標準手数"}, {PaneStyle::Normal, 35, ""},
        {PaneStyle::PopOut, 80, "現在手数"}, {PaneStyle::Normal, 35, ""},
        {PaneStyle::PopOut, 80, "最高成績"}, {PaneStyle::Normal, 35, ""},
    };
    for (int i = 0; i < frame::kStatusPaneCount; ++i) {
        EXPECT_EQ(r.panes[i].style, want[i].style) << i;
        EXPECT_EQ(r.panes[i].width, want[i].width) << i;
        EXPECT_EQ(r.panes[i].text, want[i].text) << i;
    }
    std::vector<std::string> order(11, "info");
    order.insert(order.end(), 11, "text");
    EXPECT_EQ(r.calls, order);
}

TEST(StatusLayoutTest, PlayerLayoutShowsThePlayersAndHidesTheRestKeepingTheirTexts) {
    RecordingPanes r;
    frame::ApplyCreationLayout(r);
    frame::ApplyPlayerLayout(r);
    EXPECT_EQ(r.panes[3].style, PaneStyle::PopOut);
    EXPECT_EQ(r.panes[5].style, PaneStyle::Stretch);
    EXPECT_EQ(r.panes[6].style, PaneStyle::PopOut);
    for (int i : {3, 5, 6}) EXPECT_EQ(r.panes[i].width, 115) << i;
    EXPECT_EQ(r.panes[3].text, "☆<Player1>");
    EXPECT_EQ(r.panes[5].text, "現在のプレーヤーは Player1 です");
    EXPECT_EQ(r.panes[6].text, "☆<Player2>");
    for (int i : {0, 1, 2, 4, 7, 8, 9, 10}) {
        EXPECT_EQ(r.panes[i].style, PaneStyle::Normal) << i;
        EXPECT_EQ(r.panes[i].width, 0) << i;
    }
    EXPECT_EQ(r.panes[1].text, "ステージ"); // unchanged, only hidden
    EXPECT_EQ(frame::CurrentPlayerText(2), "現在のプレーヤーは Player2 です");
    EXPECT_EQ(frame::CurrentPlayerText(1), r.panes[5].text);
}

} // namespace
