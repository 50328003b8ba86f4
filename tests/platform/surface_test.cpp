// The surface on a widget: drawing schedules a repaint, the paint event copies; waits present it.
#include "platform/clock.h"
#include "platform/dc.h"
#include "platform/surface.h"
#include "platform/wait_state.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

class SurfaceView final : public QWidget {
public:
    explicit SurfaceView(platform::Surface& surface) : surface_(surface) { resize(surface.Image().size()); }
    int paints = 0;
protected:
    void paintEvent(QPaintEvent* event) override
    {
        ++paints;
        QPainter painter(this);
        surface_.Paint(painter, event->rect());
    }
private:
    platform::Surface& surface_;
};

TEST(Surface, DrawingDuringADelayReachesTheScreenAndTimersDoNotNest)
{
    platform::Surface surface(QSize(40, 30), qRgb(0, 0, 0));
    SurfaceView view(surface);
    surface.AttachWidget(&view);
    view.show();
    QApplication::processEvents();
    const int paintsBefore = view.paints;

    platform::SystemClock clock;
    int fired = 0, depth = 0, deepest = 0;
    bool waitingInHandler = false;
    QTimer timer;
    timer.setInterval(1);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        ++fired;
        waitingInHandler = platform::IsWaiting();
        deepest = std::max(deepest, ++depth);
        platform::Delay(clock, 20); // a handler that waits must not start another event loop pass
        --depth;
    });
    timer.start();

    surface.TakeDirty();
    platform::CDC dc(surface);
    dc.SelectObject(platform::CBrush(platform::RGB(255, 0, 0)));
    dc.Rectangle(5, 5, 15, 15);
    EXPECT_EQ(surface.Dirty(), QRect(5, 5, 10, 10));
    platform::Delay(clock, 120);
    timer.stop();

    EXPECT_GT(view.paints, paintsBefore) << "the wait presented the surface";
    EXPECT_GT(fired, 0);
    EXPECT_EQ(deepest, 1);
    EXPECT_TRUE(waitingInHandler);
    EXPECT_FALSE(platform::IsWaiting());
    EXPECT_EQ(view.grab().toImage().pixel(10, 10) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(view.grab().toImage().pixel(20, 20) & 0xFFFFFF, 0x000000u);
}

TEST(Surface, ResizeKeepsThePictureAtTheTopLeft)
{
    platform::Surface surface(QSize(4, 4), qRgb(1, 2, 3));
    surface.Image().setPixel(3, 3, qRgb(9, 9, 9));
    surface.Resize(QSize(6, 5));
    EXPECT_EQ(surface.Image().pixel(3, 3) & 0xFFFFFF, 0x090909u);
    EXPECT_EQ(surface.Image().pixel(5, 4) & 0xFFFFFF, 0x010203u);
    EXPECT_EQ(surface.Image().format(), QImage::Format_RGB32);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
