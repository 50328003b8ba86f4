// The game object drawing through the view's drawing: the first paint of a match and a shot
// whose every step is erased and drawn.
#include "platform/clock.h"
#include "platform/message_box.h"
#include "render/view_drawing.h"
#include "resources/pictures/pictures.h"
#include "rules/game.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

constexpr QRgb kCloth = 0x008040;

struct GameOnSurface {
    static constexpr int kWidth = 800, kHeight = 560;
    platform::VirtualClock clock;
    platform::ScriptedMessageBoxes boxes;
    rules::GameSound sound;
    // The document's new game deals once and the first paint's match reset deals again.
    rules::ListDealer dealer{{6, 7, 8, 9, 10, 45, 46, 47, 48, 49, 1, 2, 3, 4, 5, 40, 41, 42, 43, 44}};
    rules::ImmediateCardDraw cardDraw;
    rules::MatchHooks hooks;
    app::AppSettings settings;
    platform::Surface surface{QSize(kWidth, kHeight)};
    render::ViewDrawing drawing{surface, nullptr, "no-such-color.def"};
    rules::Game game{rules::GameServices{clock, boxes, sound, drawing, dealer, cardDraw, hooks}, settings};

    GameOnSurface()
    {
        settings.Music = false;
        table::TableGeometry& g = game.table.Geometry;
        g.FrameWidth = 10 * (kWidth + 8);
        g.FrameHeight = 10 * (kHeight + 46);
        game.NewGame();
        game.InitialUpdate(kWidth, kHeight, 16);
        game.OnPaintRequest();
    }
    QRgb Pixel(int x, int y) const { return surface.Image().pixel(x, y) & 0xFFFFFFu; }
};

TEST(GameDrawing, FirstPaintShowsTheTableTheRackTheCueBallAndBothHands)
{
    GameOnSurface s;
    // To look at it: VELKARO_RENDER_DUMP=dir
    if (const char* dir = std::getenv("VELKARO_RENDER_DUMP"))
        s.surface.Image().save(QString::fromLocal8Bit(dir) + "/game_first_paint.png");
    const table::TableState& t = s.game.table;
    ASSERT_EQ(t.Geometry.BallDiameter, 250);
    EXPECT_EQ(s.Pixel(400, 200), kCloth);
    const table::Rect& p1 = t.Geometry.PocketRect[1];
    EXPECT_EQ(s.Pixel((p1.left + p1.right) / 20, (p1.top + p1.bottom) / 20) & 0x7F7F7F, 0u);  // grey or black
    // Ball 1 at the apex of the rack, yellow left of its number.
    const table::Point b1 = t.Document.BallPos[1];
    EXPECT_EQ(s.Pixel((b1.x + 125) / 10 - 9, (b1.y + 125) / 10), 0xC8C81Fu);
    // The cue ball's picture at its start.
    const table::Point cue = t.Document.BallPos[0];
    const QImage picture = resources::Icon(106);
    EXPECT_EQ(s.Pixel(cue.x / 10 + 12, cue.y / 10 + 12), picture.pixel(12, 12) & 0xFFFFFFu);
    // Player 1's first card face up at the left, player 2's backs at the right.
    ASSERT_EQ(s.game.cards.hands[1].cards[1], 1);
    EXPECT_EQ(s.Pixel(35, 42), 0u);  // the top leaf of the ace of clubs
    EXPECT_EQ(s.Pixel(35, 48), resources::Bitmap(190).pixel(35, 48) & 0xFFFFFFu);
    EXPECT_EQ(s.Pixel(GameOnSurface::kWidth - 11, 48), resources::Bitmap(265).pixel(60, 48) & 0xFFFFFFu);
}

TEST(GameDrawing, ShotErasesAndDrawsEveryStep)
{
    GameOnSurface s;
    table::TableState& t = s.game.table;
    // The cue ball alone, struck up the table.
    for (int id = 1; id <= table::LastBall; ++id)
        t.Document.BallPos[id] = {table::OffTable, 1};
    s.game.cycle.RedrawTable = true;
    s.game.OnPaintRequest();
    const table::Point start = t.Document.BallPos[0];
    s.game.FireStroke(50, {start.x + 125, start.y + 125 + 1000});
    const table::Point end = t.Document.BallPos[0];
    ASSERT_NE(end, start);
    // Where it started only cloth is left; where it stopped it is drawn.
    EXPECT_EQ(s.Pixel(start.x / 10 + 12, start.y / 10 + 12), kCloth);
    EXPECT_NE(s.Pixel(end.x / 10 + 12, end.y / 10 + 12), kCloth);
}

} // namespace
