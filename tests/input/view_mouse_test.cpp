// The real table view driven with presses, moves and releases, through to the stroke.
#include "frame/kavrel_view.h"
#include "input/view_mouse.h"
#include "recording_aim_host.h"

#include <QCoreApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using table::Point;

// The game's handler, as far as the mouse goes.
struct MouseForwarder final : frame::CKavrelView::Handler {
    input::ViewMouse& mouse;
    explicit MouseForwarder(input::ViewMouse& m) : mouse(m) {}
    void OnLButtonDown(frame::CKavrelView&, QPoint p, Qt::KeyboardModifiers) override { mouse.OnLButtonDown(p); }
    void OnMouseMove(frame::CKavrelView&, QPoint p, Qt::MouseButtons) override { mouse.OnMouseMove(p); }
    void OnLButtonUp(frame::CKavrelView&, QPoint p) override { mouse.OnLButtonUp(p); }
    void OnRButtonDown(frame::CKavrelView&, QPoint p) override { mouse.OnRButtonDown(p); }
    void OnViewMessage(frame::CKavrelView&, frame::ViewMessage m, long w, long l) override {
        mouse.OnViewMessage(int(m), w, l);
    }
};

class ViewMouseTest : public ::testing::Test, public inputtest::AimTable {
protected:
    void SetUp() override {
        view.SetHandler(&forwarder);
        view.resize(800, 500);
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
        QCoreApplication::processEvents();
        host.log.clear();
    }
    void Press(QPoint p) { QTest::mousePress(&view, Qt::LeftButton, {}, p); }
    void Release(QPoint p) { QTest::mouseRelease(&view, Qt::LeftButton, {}, p); }
    void Move(QPoint p) { QTest::mouseMove(&view, p); }

    input::ViewMouse viewMouse{t, host};
    MouseForwarder forwarder{viewMouse};
    frame::CKavrelView view;
};

TEST_F(ViewMouseTest, RightClickModeAimsFromThePixelsAndFiresOnRelease) {
    host.proMode = false;
    Press({150, 250});
    EXPECT_TRUE(viewMouse.State().Aiming);
    // The aiming hand stays while the mouse is captured.
    EXPECT_EQ(host.log, (std::vector<std::string>{"cursor 1", "capture", "cue 1500,2500 2900,2400", "guide"}));
    Move({150, 240});
    EXPECT_EQ(host.Count("cursor 0"), 0);
    Release({150, 240});
    ASSERT_EQ(host.fired.size(), 1u);
    EXPECT_EQ(host.fired[0], (std::pair<int, Point>{70, {1500, 2400}}));
    EXPECT_EQ(host.log.back(), "cursor 0");
    // A press one diameter from the cue ball's centre only ticks.
    host.log.clear();
    Press({320, 250});
    EXPECT_EQ(host.log, (std::vector<std::string>{"effect 3", "cursor 0"}));
}

TEST_F(ViewMouseTest, PushModeFixesTheDirectionPullsBackAndPushesThrough) {
    host.shotMode = 2;
    Press({200, 250});
    Release({200, 250});
    EXPECT_TRUE(host.Logged("pointer 3000,2500"));
    EXPECT_EQ(host.log.back(), "cursor 2");  // the push cross
    // The shot bar's arrows and a spin change reach the aim through the view's messages.
    view.PostViewMessage(frame::ViewMessage::AimNudged, 2000, 2510);
    QCoreApplication::processEvents();
    EXPECT_EQ(t.Shot.AimPoint, (Point{2000, 2510}));
    view.PostViewMessage(frame::ViewMessage::AimNudged, 2000, 2500);
    QCoreApplication::processEvents();

    Press({200, 250});
    Move({130, 250});
    Move({210, 250});
    ASSERT_EQ(host.fired.size(), 1u);
    EXPECT_EQ(host.fired[0].first, (7 + 1) * (700 / 90));
    EXPECT_EQ(viewMouse.State().PushStage, 0);
}

} // namespace
