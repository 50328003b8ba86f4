// The shot control bar on the offscreen platform: opening, slider, picture clicks, arrows, closing.
#include "input/input_state.h"
#include "input/shot_bar.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {

using table::Point;

struct RecordingBarHost final : input::ShotBarHost {
    int ticks = 0;
    int aimChanged = 0;
    std::vector<Point> nudges;
    void PlayEffect(int e) override { ticks += e == 3; }
    void PostAimChanged() override { ++aimChanged; }
    void PostAimNudged(Point p) override { nudges.push_back(p); }
};

class ShotBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        t.Geometry.FrameWidth = 6400;
        t.Shot.SpinKind = 3;
        t.Shot.SideSpin = 0;
        t.Shot.AimPoint = {1500, 2500};
        t.PlayerSettings[1] = {3, 0, 70};
        window.resize(640, 480);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void Open() {
        bar = std::make_unique<input::CShotBarDlg>(t, power, host, &window);
        bar->Prepare();
        bar->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(bar.get()));
        QCoreApplication::processEvents();
    }
    void ClickClient(int x, int y) { QTest::mouseClick(bar->Client(), Qt::LeftButton, {}, QPoint(x, y)); }
    std::string LabelText() const { return bar->Label()->text().toStdString(); }

    QWidget window;
    table::TableState t;
    int power = 70;
    RecordingBarHost host;
    std::unique_ptr<input::CShotBarDlg> bar;
};

TEST_F(ShotBarTest, OpeningLaysTheBarOverTheStripWithTheThumbAtThePower) {
    Open();
    EXPECT_EQ(bar->size(), QSize(630, 96));
    EXPECT_EQ(bar->Client()->size(), QSize(618, 84));
    EXPECT_EQ(bar->Layout().H, 82);
    EXPECT_EQ(bar->Layout().S, 217);
    input::CPowerSlider* s = bar->Slider();
    EXPECT_EQ(s->minimum(), 0);
    EXPECT_EQ(s->maximum(), 40);
    EXPECT_EQ(s->value(), 28);
    EXPECT_EQ(s->SelectionEnd(), 28);
    EXPECT_EQ(s->tickPosition(), QSlider::TicksAbove);
    EXPECT_EQ(s->geometry(), QRect(2, bar->Button(input::kQuitButton)->height() + 20, 217,
                                   int(1.5 * bar->Button(input::kQuitButton)->height())));
    EXPECT_EQ(bar->PowerFigure(), "70% ");
    EXPECT_EQ(LabelText(), "無回転引き");
    EXPECT_EQ(bar->SpinMark(), input::SpinMarkFor(bar->Layout(), 3, 0));
    EXPECT_EQ(bar->Label()->x(), 82 + 320);
    const int afterLabel = bar->Label()->x() + bar->Label()->width();
    QPushButton* shot = bar->Button(input::kShotButton);
    EXPECT_EQ(shot->x(), afterLabel + 10);
    EXPECT_EQ(bar->Button(input::kQuitButton)->x(), afterLabel + shot->width() + 20);
    EXPECT_EQ(shot->text(), "ｼｮｯﾄ");
    EXPECT_TRUE(shot->isDefault());
    EXPECT_EQ(host.ticks, 1);  // the power figure drawn once, with its tick
    EXPECT_FALSE(bar->TimerRunning());
}

TEST_F(ShotBarTest, ArrowKeysMoveFourStepsPageClicksSixAndADragSetsTheThumb) {
    Open();
    input::CPowerSlider* s = bar->Slider();
    s->setFocus();
    struct Case { Qt::Key key; int position; };
    const Case keys[] = {{Qt::Key_Right, 32}, {Qt::Key_Down, 36}, {Qt::Key_Left, 32}, {Qt::Key_Up, 28},
                         {Qt::Key_PageDown, 34}, {Qt::Key_PageUp, 28}, {Qt::Key_End, 40}, {Qt::Key_Home, 0}};
    for (const Case& c : keys) {
        QTest::keyClick(s, c.key);
        EXPECT_EQ(s->value(), c.position) << c.key;
        EXPECT_EQ(s->SelectionEnd(), c.position);
        EXPECT_EQ(power, input::PowerFromPosition(c.position));
        EXPECT_EQ(t.PlayerSettings[1].Power, power);
    }
    const int ticksBefore = host.ticks;
    QCoreApplication::processEvents();
    EXPECT_GT(host.ticks, ticksBefore);

    // A click on the channel right of the thumb pages up: 6 steps.
    s->setValue(20);
    QTest::mouseClick(s, Qt::LeftButton, {}, QPoint(s->ChannelRect().right() - 2, s->ChannelRect().center().y()));
    EXPECT_EQ(s->value(), 26);
    EXPECT_EQ(power, 65);

    s->setSliderDown(true);
    s->setSliderPosition(40);
    s->setSliderDown(false);
    EXPECT_EQ(power, 100);
    QCoreApplication::processEvents();
    EXPECT_EQ(bar->PowerFigure(), "100%");
}

TEST_F(ShotBarTest, PictureClicksPickTheSpinAndOnlyASideChangeTellsTheTable) {
    Open();
    const input::PictureGeometry g = input::PictureFor(bar->Layout());
    ClickClient(g.crossX, g.crossY);
    EXPECT_EQ(LabelText(), "無回転ｽﾄｯﾌﾟ");
    EXPECT_EQ(bar->SpinMark(), (input::BarPoint{g.crossX, g.crossY}));
    EXPECT_EQ(host.aimChanged, 0);
    EXPECT_EQ(t.PlayerSettings[1].SpinKind, 2);

    const int a = (82 - 1) / 2;
    struct Case { int x, y, spin, side, posts; const char* label; };
    const Case cases[] = {
        {g.crossX, a - 3, 1, 0, 0, "無回転押し"},
        {g.crossX, a - 2, 2, 0, 0, "無回転ｽﾄｯﾌﾟ"},
        {g.crossX, a + 2, 2, 0, 0, "無回転ｽﾄｯﾌﾟ"},
        {g.crossX, a + 3, 3, 0, 0, "無回転引き"},
        {g.crossX - 4, a + 3, 3, -1, 1, "左引き"},
        {g.crossX + 4, a - 3, 1, 1, 2, "右押し"},
    };
    for (const Case& c : cases) {
        ClickClient(c.x, c.y);
        EXPECT_EQ(t.Shot.SpinKind, c.spin) << c.y;
        EXPECT_EQ(t.Shot.SideSpin, c.side);
        EXPECT_EQ(t.PlayerSettings[1].SideSpin, c.side);
        EXPECT_EQ(host.aimChanged, c.posts);
        EXPECT_EQ(LabelText(), c.label);
    }
    // Farther than 0.4 H from the picture's centre: nothing at all.
    t.PlayerSettings[1].SpinKind = 0;
    ClickClient(g.crossX + 34, g.crossY);
    EXPECT_EQ(t.PlayerSettings[1].SpinKind, 0);
    EXPECT_EQ(LabelText(), "右押し");
}

TEST_F(ShotBarTest, TheArrowsNudgeTheAimTenUnits) {
    Open();
    for (int id : {input::kNudgeLeft, input::kNudgeRight, input::kNudgeUp, input::kNudgeDown})
        QTest::mouseClick(bar->Button(id), Qt::LeftButton);
    EXPECT_EQ(host.nudges, (std::vector<Point>{{1490, 2500}, {1510, 2500}, {1500, 2510}, {1500, 2490}}));
    EXPECT_TRUE(bar->isVisible());
}

TEST_F(ShotBarTest, EveryWayOfClosingGivesItsResult) {
    struct Case { const char* how; int result; bool saves; };
    const Case cases[] = {
        {"shot", input::ShotBarShot, true}, {"enter", input::ShotBarShot, true},
        {"right", input::ShotBarShot, true}, {"escape", input::ShotBarEscape, false},
        {"quit", input::ShotBarQuit, false},
    };
    for (const Case& c : cases) {
        t.PlayerSettings[1] = {3, 0, 70};
        power = 70;
        t.Shot.SideSpinStep = 0.0f;
        Open();
        bar->Slider()->setFocus();
        QTest::keyClick(bar->Slider(), Qt::Key_Right);  // power 80
        const std::string how = c.how;
        if (how == "shot") QTest::mouseClick(bar->Button(input::kShotButton), Qt::LeftButton);
        if (how == "enter") QTest::keyClick(bar.get(), Qt::Key_Return);
        if (how == "right") QTest::mouseClick(bar->Client(), Qt::RightButton, {}, QPoint(600, 70));
        if (how == "escape") QTest::keyClick(bar.get(), Qt::Key_Escape);
        if (how == "quit") QTest::mouseClick(bar->Button(input::kQuitButton), Qt::LeftButton);
        EXPECT_FALSE(bar->isVisible()) << c.how;
        EXPECT_EQ(bar->result(), c.result) << c.how;
        EXPECT_EQ(t.Shot.SideSpinStep, c.saves ? 0.2617994f : 0.0f) << c.how;
        EXPECT_EQ(t.PlayerSettings[1].Power, 80) << c.how;  // the slider wrote it already
    }
}

TEST_F(ShotBarTest, RunIsModalAndReturnsTheResult) {
    QTimer::singleShot(0, [this] { QTest::mouseClick(bar->Button(input::kQuitButton), Qt::LeftButton); });
    bar = std::make_unique<input::CShotBarDlg>(t, power, host, &window);
    EXPECT_EQ(bar->Run(), input::ShotBarQuit);
    // Reused: a second opening lays the bar out again with a new slider.
    power = 100;
    QTimer::singleShot(0, [this] { QTest::keyClick(bar.get(), Qt::Key_Escape); });
    EXPECT_EQ(bar->Run(), input::ShotBarEscape);
    EXPECT_EQ(bar->Slider()->value(), 40);
}

TEST_F(ShotBarTest, OnTheComputersTurnTheBarShootsByItselfAfterOneAndAHalfSeconds) {
    t.ComputerTurn = true;
    t.CurrentPlayer = 1;
    Open();
    EXPECT_FALSE(bar->TimerRunning());
    bar->close();
    t.CurrentPlayer = 2;
    t.PlayerSettings[2] = {3, 1, 60};
    t.Shot.SideSpin = 1;
    power = 60;
    Open();
    EXPECT_TRUE(bar->TimerRunning());
    QTest::qWait(1300);
    EXPECT_TRUE(bar->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!bar->isVisible(), 1000);
    EXPECT_EQ(bar->result(), input::ShotBarShot);
    EXPECT_EQ(t.PlayerSettings[2].Power, 60);
    EXPECT_EQ(t.PlayerSettings[2].SideSpin, 1);
}

} // namespace
