// The main frame on the offscreen platform: size, status bar, menus, accelerators, tips item.
#include "frame/command_ids.h"
#include "frame/command_table.h"
#include "frame/kavrel_view.h"
#include "frame/main_frame.h"
#include "frame/menu_resource.h"
#include "frame/status_bar.h"
#include "frame/tips_menu.h"
#include "platform/fonts.h"

#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using frame::CMainFrame;

class MainFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (int id : {frame::kCmdNewGame, frame::kCmdExit, frame::kCmdTipOfTheDay, frame::kCmdAbout,
                       frame::kCmdOptions, frame::kCmdUndo, frame::kCmdCopy})
            commands.Set(id, [this, id] { ran.push_back(id); });
        window = std::make_unique<CMainFrame>(commands);
        ASSERT_EQ(window->Create(metrics), 0);
    }

    QMenu* Popup(const char* shown) {
        for (QAction* a : window->menuBar()->actions())
            if (a->menu() && a->text() == QString::fromUtf8(shown)) return a->menu();
        return nullptr;
    }
    static QStringList Texts(const QMenu* m) {
        QStringList out;
        for (QAction* a : m->actions()) out << (a->isSeparator() ? QString("-") : a->text());
        return out;
    }

    frame::CommandTable commands;
    std::vector<int> ran;
    frame::FrameMetrics metrics;
    std::unique_ptr<CMainFrame> window;
};

TEST_F(MainFrameTest, SizedFromTheScreenCentredFixedAndPublishedInLogicalUnits) {
    const QRect desk = QGuiApplication::primaryScreen()->geometry();
    const frame::FrameSize want = frame::ChooseFrameSize(desk.width(), desk.height());
    EXPECT_EQ(window->size(), QSize(want.clientWidth, want.clientHeight));
    EXPECT_EQ(window->minimumSize(), window->maximumSize()); // not resizable
    // The outer size counts the window's frame (the offscreen platform draws a thin one).
    const QMargins m = window->windowHandle()->frameMargins();
    const int outerWidth = want.clientWidth + m.left() + m.right();
    const int outerHeight = want.clientHeight + m.top() + m.bottom();
    EXPECT_EQ(metrics.FrameWidth, outerWidth * 10);
    EXPECT_EQ(metrics.FrameHeight, outerHeight * 10);
    EXPECT_EQ(metrics.CardStripHeight, 960);
    EXPECT_EQ(window->frameGeometry().topLeft(),
              QPoint((desk.width() - outerWidth) / 2, (desk.height() - outerHeight) / 2));
    // The menu bar and status bar take their share out of the client asked for.
    const int bars = window->menuBar()->height() + window->StatusBar().height();
    EXPECT_GT(window->menuBar()->height(), 0);
    EXPECT_EQ(window->View().height(), want.clientHeight - bars);
    EXPECT_EQ(window->View().width(), want.clientWidth);
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("Velkaro Ver1.20"));
}

TEST_F(MainFrameTest, StatusBarIsFoundByItsIdWithTheCreationLayoutAndFont) {
    frame::CStatusBar* bar = frame::FindStatusBar(window.get());
    ASSERT_EQ(bar, &window->StatusBar());
    EXPECT_EQ(bar->objectName(), "32794");
    EXPECT_LE(QFontMetrics(bar->font()).height(), 16);
    EXPECT_GE(QFontMetrics(bar->font()).height(), 14);
    EXPECT_EQ(QFontInfo(bar->font()).family(), platform::SubstituteFamily("標準明朝"));
    EXPECT_EQ(bar->PaneText(9), QString::fromUtf8("最高成績"));
    // The stretching pane 0 takes what the ten fixed panes leave.
    int x = 0;
    for (int i = 0; i < frame::kStatusPaneCount; ++i) {
        const QRect r = bar->PaneRect(i);
        EXPECT_GT(r.x(), x) << i;
        x = r.right();
        if (i > 0) {
            EXPECT_EQ(r.width() - bar->PaneRect(1).width(), bar->PaneWidth(i) - 80) << i;
        }
    }
    EXPECT_GT(bar->PaneRect(0).width(), bar->PaneRect(1).width());
    EXPECT_LE(x, bar->width());
}

TEST_F(MainFrameTest, PlayerLayoutLeavesOnlyThePlayerPanes) {
    frame::CStatusBar& bar = window->StatusBar();
    frame::ApplyPlayerLayout(bar);
    for (int i = 0; i < frame::kStatusPaneCount; ++i)
        EXPECT_EQ(bar.PaneRect(i).isEmpty(), i != 3 && i != 5 && i != 6) << i;
    EXPECT_LT(bar.PaneRect(3).right(), bar.PaneRect(5).left());
    EXPECT_LT(bar.PaneRect(5).right(), bar.PaneRect(6).left());
    EXPECT_GT(bar.PaneRect(5).width(), bar.PaneRect(3).width()); // pane 5 stretches
    EXPECT_EQ(bar.PaneRect(3).width(), bar.PaneRect(6).width());
    bar.SetPaneText(5, frame::CurrentPlayerText(2));
    EXPECT_EQ(bar.PaneText(5), QString::fromUtf8("現在のプレーヤーは Player2 です"));
    bar.SetPaneText(11, "nowhere"); // out of range: ignored
    bar.SetPaneInfo(-1, frame::PaneStyle::Stretch, 5);
}

TEST_F(MainFrameTest, MenuItemsAndAcceleratorsDispatchTheirCommands) {
    for (QAction* a : Popup("ｹﾞｰﾑ(&F)")->actions())
        if (a->data().toInt() == frame::kCmdExit) a->trigger();
    for (QAction* a : window->menuBar()->actions())
        if (a->data().toInt() == frame::kCmdOptions) a->trigger();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
    QTest::keyClick(window.get(), Qt::Key_Backspace, Qt::AltModifier);
    QTest::keyClick(window.get(), Qt::Key_Insert, Qt::ControlModifier);
    QTest::keyClick(window.get(), Qt::Key_F6); // nobody answers: nothing happens
    EXPECT_EQ(ran, (std::vector<int>{frame::kCmdExit, frame::kCmdOptions, frame::kCmdNewGame,
                                     frame::kCmdUndo, frame::kCmdCopy}));
    EXPECT_TRUE(commands.Has(frame::kCmdHelp)); // the frame answers the help key itself
    EXPECT_TRUE(commands.Dispatch(frame::kCmdHelp));
}

TEST_F(MainFrameTest, OpeningMenusPutsTheTipsCommandAtTheTopOfHelpOnce) {
    QMenu* help = Popup("ﾍﾙﾌﾟ(&H)");
    ASSERT_NE(help, nullptr);
    const QStringList before = Texts(help);
    emit Popup("ｹﾞｰﾑ(&F)")->aboutToShow(); // any menu opening checks the whole bar
    emit help->aboutToShow();
    emit help->aboutToShow();
    QStringList want = {QString::fromUtf8("今日のヒント"), "-"};
    want += before;
    EXPECT_EQ(Texts(help), want);
    help->actions().first()->trigger();
    EXPECT_EQ(ran, std::vector<int>{frame::kCmdTipOfTheDay});
}

TEST(TipsMenuTest, MenuWithoutHelpGetsOneHelpPopupHoldingTheTipsCommand) {
    std::vector<int> ran;
    frame::TipsMenu tips([&](int id) { ran.push_back(id); });
    QMenu system, other;
    system.addAction("Close");
    tips.OnInitMenu(&system);
    tips.OnInitMenu(&system); // now it has a Help popup starting with the tips: unchanged
    ASSERT_EQ(system.actions().size(), 2);
    QMenu* added = system.actions().last()->menu();
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(system.actions().last()->text(), QString::fromUtf8("ﾍﾙﾌﾟ(&H)"));
    ASSERT_EQ(added->actions().size(), 1);
    EXPECT_EQ(added->actions().first()->text(), QString::fromUtf8("今日のヒント"));
    tips.OnInitMenu(&other); // the popup is made once and shared
    EXPECT_EQ(other.actions().last()->menu(), added);
    added->actions().first()->trigger();
    EXPECT_EQ(ran, std::vector<int>{frame::kCmdTipOfTheDay});

    // An empty Help popup gets the command and its separator too.
    QMenu bar;
    QMenu* emptyHelp = bar.addMenu(QString::fromUtf8("ﾍﾙﾌﾟ(&H)"));
    tips.OnInitMenu(&bar);
    ASSERT_EQ(emptyHelp->actions().size(), 2);
    EXPECT_TRUE(emptyHelp->actions().last()->isSeparator());
}

} // namespace
