// Two people at one mouse on the real game, offscreen: break placement, strokes in both shot
// modes and through the shot bar, the turn passing.
#include "app/settings.h"
#include "frame/kavrel_view.h"
#include "input/game_aim_host.h"
#include "input/view_mouse.h"
#include "platform/clock.h"
#include "platform/message_box.h"
#include "render/view_drawing.h"
#include "rules/cards.h"
#include "rules/game.h"
#include "rules/messages.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using table::Point;

// The window's handler as the game joins it: paints run the game, the mouse goes to aiming.
class GameTable : public ::testing::Test, public frame::CKavrelView::Handler {
protected:
    void SetUp() override {
        settings.VsComputer = 0;
        settings.Music = false;
        settings.ProMode = false;
        settings.ShotMode = 1;
        game.table.Geometry.FrameWidth = 8080;
        game.table.Geometry.FrameHeight = 6460;
        view.resize(800, 600);
        game.NewGame();
        game.InitialUpdate(800, 600, 16);
        view.SetHandler(this);
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
        QCoreApplication::processEvents();
    }
    void TearDown() override { view.SetHandler(nullptr); }

    void OnPaintRequest(frame::CKavrelView&) override {
        game.OnPaintRequest();
        mouse.OnPaintReturned();
    }
    void OnLButtonDown(frame::CKavrelView&, QPoint p, Qt::KeyboardModifiers) override {
        if (!game.Busy()) mouse.OnLButtonDown(p);
    }
    void OnMouseMove(frame::CKavrelView&, QPoint p, Qt::MouseButtons) override {
        if (!game.Busy()) mouse.OnMouseMove(p);
    }
    void OnLButtonUp(frame::CKavrelView&, QPoint p) override {
        if (!game.Busy()) mouse.OnLButtonUp(p);
    }
    void OnRButtonDown(frame::CKavrelView&, QPoint p) override {
        if (!game.Busy()) mouse.OnRButtonDown(p);
    }
    void OnViewMessage(frame::CKavrelView&, frame::ViewMessage m, long w, long l) override {
        if (!mouse.OnViewMessage(int(m), w, l) && m == frame::ViewMessage::CardStripRepaint)
            game.OnCardStripMessage();
    }

    QPoint CueCentrePixel() const {
        const int r = game.table.Geometry.BallRadius;
        const Point b = game.table.Document.BallPos[0];
        return {(b.x + r) / 10, (b.y + r) / 10};
    }
    void Click(QPoint p) {
        QTest::mousePress(&view, Qt::LeftButton, {}, p);
        QTest::mouseRelease(&view, Qt::LeftButton, {}, p);
    }
    // Puts the cue ball down on the placement line at height y (pixels).
    void PlaceOnLine(int y) {
        const QPoint at(drawing.State().HeadLineX / 10, y);
        QTest::mouseMove(&view, at);
        Click(at);
    }

    frame::CKavrelView view;
    platform::VirtualClock clock;
    platform::ScriptedMessageBoxes boxes;
    rules::GameSound sound;
    rules::RandomDealer dealer{clock};
    rules::ImmediateCardDraw cardDraw;
    rules::MatchHooks hooks;
    app::AppSettings settings;
    render::ViewDrawing drawing{view.Surface(), &game.view, "no-such-colour-file"};
    rules::Game game{rules::GameServices{clock, boxes, sound, drawing, dealer, cardDraw, hooks, nullptr}, settings};
    input::GameAimHost aim{game, drawing, view};
    input::ViewMouse mouse{game.table, aim};
};

TEST_F(GameTable, TheBreakBallFollowsThePointerAndIsPutDownOnlyNearTheLine) {
    ASSERT_EQ(game.view.PlacementState, 1);
    const int line = drawing.State().HeadLineX;
    ASSERT_GT(line, 0);
    const QRgb before = view.Surface().Image().pixel(line / 10 + 60, 300);
    QTest::mouseMove(&view, {line / 10 + 60, 300});
    EXPECT_EQ(CueCentrePixel(), QPoint(line / 10 + 60, 300));
    EXPECT_NE(view.Surface().Image().pixel(line / 10 + 60, 300), before);  // the ball is drawn there

    Click({line / 10 + 60, 300});
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, input::kPlacementMessage);
    EXPECT_EQ(game.view.PlacementState, 1);

    PlaceOnLine(300);
    EXPECT_EQ(game.view.PlacementState, 2);
    EXPECT_EQ(CueCentrePixel(), QPoint(line / 10, 300));
}

TEST_F(GameTable, AMissInEachShotModePassesTheTurn) {
    PlaceOnLine(250);
    // Mode 1 without the bar: aim from the right, so the ball runs to the left cushion alone.
    const QPoint c = CueCentrePixel();
    QTest::mousePress(&view, Qt::LeftButton, {}, {c.x() + 60, c.y()});
    QTest::mouseMove(&view, {c.x() + 60, c.y() + 1});
    QTest::mouseRelease(&view, Qt::LeftButton, {}, {c.x() + 60, c.y() + 1});
    EXPECT_EQ(game.table.Document.StrokeCount, 1);
    EXPECT_NE(CueCentrePixel(), c);
    EXPECT_EQ(game.table.CurrentPlayer, 2);
    ASSERT_FALSE(boxes.shown.empty());
    EXPECT_EQ(boxes.shown.back().text, rules::kNoContactMessage);

    // Player 2 pushes: aim from the right, fix, press, pull back 60 pixels, push through.
    settings.ShotMode = 2;
    const QPoint c2 = CueCentrePixel();
    const QPoint from(c2.x() + 60, c2.y());
    Click(from);
    EXPECT_EQ(mouse.State().PushStage, 1);
    QTest::mousePress(&view, Qt::LeftButton, {}, from);
    for (int k = 1; k <= 6; ++k) QTest::mouseMove(&view, {from.x() + 10 * k, from.y()});
    QTest::mouseMove(&view, {from.x() - 5, from.y()});
    EXPECT_EQ(game.table.Document.StrokeCount, 2);
    EXPECT_NE(CueCentrePixel(), c2);
    EXPECT_EQ(mouse.State().PushStage, 0);
}

TEST_F(GameTable, TheShotBarOpensOverTheStripAndItsShotPlaysTheStroke) {
    PlaceOnLine(250);
    settings.ProMode = true;
    const QPoint c = CueCentrePixel();
    int strokesWhileOpen = -1;
    QTimer::singleShot(50, [&] {
        input::CShotBarDlg* bar = aim.ShotBar();
        ASSERT_NE(bar, nullptr);
        EXPECT_TRUE(game.view.HandsHidden);
        strokesWhileOpen = game.table.Document.StrokeCount;
        QTest::mouseClick(bar->Button(input::kShotButton), Qt::LeftButton);
    });
    QTest::mousePress(&view, Qt::LeftButton, {}, {c.x() + 60, c.y()});
    QTest::mouseRelease(&view, Qt::LeftButton, {}, {c.x() + 60, c.y()});
    EXPECT_EQ(strokesWhileOpen, 0);
    EXPECT_EQ(game.table.Document.StrokeCount, 1);
    EXPECT_FALSE(game.view.HandsHidden);
    EXPECT_NE(CueCentrePixel(), c);

    // Quitting the bar plays nothing.
    const QPoint c2 = CueCentrePixel();
    QTimer::singleShot(50, [&] { QTest::mouseClick(aim.ShotBar()->Button(input::kQuitButton), Qt::LeftButton); });
    QTest::mousePress(&view, Qt::LeftButton, {}, {c2.x() + 60, c2.y()});
    QTest::mouseRelease(&view, Qt::LeftButton, {}, {c2.x() + 60, c2.y()});
    EXPECT_EQ(game.table.Document.StrokeCount, 1);
    EXPECT_EQ(CueCentrePixel(), c2);
}

} // namespace
