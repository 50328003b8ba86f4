// The table view passes its events on to the game and shows only what the surface holds.
#include "frame/kavrel_view.h"

#include <QCoreApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using frame::CKavrelView;
using frame::ViewMessage;

struct Recorder final : CKavrelView::Handler {
    std::vector<std::string> events;
    void Add(std::string e) { events.push_back(std::move(e)); }
    static std::string At(QPoint p) {
        return QString(" %1,%2").arg(p.x()).arg(p.y()).toStdString();
    }
    void OnPaintRequest(CKavrelView& v) override {
        Add("paint");
        v.Surface().Image().fill(qRgb(0, 128, 64));
        v.Surface().MarkDirty(v.Surface().Rect());
    }
    void OnLButtonDown(CKavrelView&, QPoint p, Qt::KeyboardModifiers m) override {
        Add("ldown" + At(p) + (m & Qt::ShiftModifier ? " shift" : ""));
    }
    void OnMouseMove(CKavrelView&, QPoint p, Qt::MouseButtons b) override {
        Add("move" + At(p) + (b & Qt::LeftButton ? " left" : ""));
    }
    void OnLButtonUp(CKavrelView&, QPoint p) override { Add("lup" + At(p)); }
    void OnRButtonDown(CKavrelView&, QPoint p) override { Add("rdown" + At(p)); }
    void OnTimer(CKavrelView&, int id) override { Add("timer " + std::to_string(id)); }
    void OnViewMessage(CKavrelView&, ViewMessage m, long w, long l) override {
        Add("message " + std::to_string(int(m)) + " " + std::to_string(w) + " " + std::to_string(l));
    }
};

class ViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        view.SetHandler(&recorder);
        view.resize(200, 150);
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
        QCoreApplication::processEvents();
    }
    Recorder recorder;
    CKavrelView view;
};

TEST_F(ViewTest, FirstShowingRunsThePaintRoutineOnceAndQtRepaintsNeverDo) {
    EXPECT_EQ(recorder.events, std::vector<std::string>{"paint"});
    view.repaint();
    view.update();
    QCoreApplication::processEvents();
    EXPECT_EQ(recorder.events.size(), 1u);
    // Requests made before the routine runs merge into one; none runs inside the caller.
    view.Invalidate();
    view.Invalidate();
    EXPECT_EQ(recorder.events.size(), 1u);
    QCoreApplication::processEvents();
    EXPECT_EQ(recorder.events, (std::vector<std::string>{"paint", "paint"}));
    // What the paint routine drew is what the widget shows.
    EXPECT_EQ(view.grab().toImage().pixel(100, 75), qRgb(0, 128, 64));
    EXPECT_EQ(view.Surface().Image().size(), QSize(200, 150));
}

TEST_F(ViewTest, MouseAndPostedMessagesReachTheHandler) {
    recorder.events.clear();
    QTest::mousePress(&view, Qt::LeftButton, Qt::ShiftModifier, QPoint(10, 20));
    QTest::mouseMove(&view, QPoint(30, 40));
    QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(31, 41));
    QTest::mousePress(&view, Qt::RightButton, {}, QPoint(5, 6));
    QTest::mouseRelease(&view, Qt::RightButton, {}, QPoint(5, 6));
    view.PostViewMessage(ViewMessage::AimNudged, 123, -4);
    view.PostViewMessage(ViewMessage::AimChanged);
    EXPECT_EQ(recorder.events.back(), "rdown 5,6"); // posted, not sent
    QCoreApplication::processEvents();
    const std::vector<std::string> want = {"ldown 10,20 shift", "move 30,40 left", "lup 31,41",
                                           "rdown 5,6", "message 3 123 -4", "message 1 0 0"};
    EXPECT_EQ(recorder.events, want);
}

TEST_F(ViewTest, TimersTickUnderTheGamesOwnIdUntilKilled) {
    recorder.events.clear();
    view.SetTimer(1025, 5);
    view.SetTimer(1025, 5); // setting it again restarts it, not a second timer
    QTest::qWait(60);
    view.KillTimer(1025);
    const size_t ticks = recorder.events.size();
    EXPECT_GE(ticks, 2u);
    for (const std::string& e : recorder.events) EXPECT_EQ(e, "timer 1025");
    QTest::qWait(30);
    EXPECT_EQ(recorder.events.size(), ticks);
    view.KillTimer(77); // unknown: ignored
}

} // namespace
