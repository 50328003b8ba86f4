// The card-draw dialog: the reminder before a card is taken, the click on the deck, and the
// plain card pictures it shows.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTimer>

#include "rules/card_draw_dialog.h"
#include "rules/card_pictures.h"
#include "rules/messages.h"
#include "rules_fixture.h"

namespace {

using rulestest::GameFixture;

TEST(CardDrawDialog, EnterBeforeTheDeckIsClickedRemindsAndStaysOpen) {
    GameFixture f({44});
    f.SetHand(1, {3});
    rules::CCardDrawDlg dlg(f.game);
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    EXPECT_EQ(dlg.windowTitle(), QString::fromUtf8("持ちのカード追加"));
    EXPECT_EQ(dlg.Instruction()->text(), QString::fromUtf8("カード山をクリックしてカードを１枚取ってください"));
    EXPECT_TRUE(dlg.Instruction()->isVisible());
    EXPECT_FALSE(dlg.OkButton()->isVisible());

    for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) QTest::keyClick(&dlg, Qt::Key(key));
    ASSERT_EQ(f.boxes.shown.size(), 3u);
    for (const auto& shown : f.boxes.shown) {
        EXPECT_EQ(shown.text, "カード山をクリックして、カードを１枚取ってください");
        EXPECT_EQ(shown.type, unsigned(platform::MB_OK));
    }
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(f.Hand(1), (std::vector<int>{3}));
    EXPECT_FALSE(dlg.CardTaken());
}

TEST(CardDrawDialog, ClickingTheDeckTakesOneCardAndCloses) {
    GameFixture f({44, 45});
    f.SetHand(1, {3});
    rules::CCardDrawDlg dlg(f.game);
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    const uint32_t before = f.clock.Ticks();
    QTest::mouseClick(dlg.TopCard(), Qt::LeftButton);
    EXPECT_TRUE(dlg.CardTaken());
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(f.Hand(1), (std::vector<int>{3, 44}));
    EXPECT_EQ(f.game.cards.LastDealtCard, 44);
    EXPECT_EQ(f.clock.Ticks() - before, 1000u);
    EXPECT_TRUE(f.boxes.shown.empty());
    EXPECT_TRUE(dlg.Instruction()->isHidden());
    EXPECT_EQ(dlg.TakenCard()->pos(), QPoint(dlg.width() / 2 + 25, 25));
    // A second release on the deck gives nothing more.
    QTest::mouseClick(dlg.TopCard(), Qt::LeftButton);
    EXPECT_EQ(f.Hand(1), (std::vector<int>{3, 44}));
}

TEST(CardDrawDialog, ThePromptRunsTheDialogAndRepaintsTheStrip) {
    GameFixture f({44});
    f.SetHand(1, {3});
    rules::DialogCardDraw prompt;
    QTimer::singleShot(0, [] {
        auto* dlg = qobject_cast<rules::CCardDrawDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dlg, nullptr);
        QTest::keyClick(dlg, Qt::Key_Return);  // the reminder first
        QTest::mouseClick(dlg->TopCard(), Qt::LeftButton);
    });
    prompt.Run(f.game);
    EXPECT_EQ(f.Hand(1), (std::vector<int>{3, 44}));
    EXPECT_EQ(f.boxes.shown.size(), 1u);
    EXPECT_EQ(f.drawing.strips, 1) << "the card strip message redraws the strip";
    EXPECT_EQ(f.hooks.repaints, 1);
}

TEST(CardPictures, BackAndFacesAreRealPictures) {
    const QImage back = rules::CardPicture(265);
    EXPECT_EQ(back.size(), QSize(71, 96));
    QSet<QRgb> colours;
    for (int y = 0; y < back.height(); ++y)
        for (int x = 0; x < back.width(); ++x) colours.insert(back.pixel(x, y));
    EXPECT_GE(colours.size(), 4) << "a patterned back, not a plain box";
    EXPECT_EQ(rules::CardPicture(100), back);
    // Hearts are red, spades black; every face differs from the back.
    auto hasRed = [](const QImage& im) {
        for (int y = 0; y < im.height(); ++y)
            for (int x = 0; x < im.width(); ++x)
                if (qRed(im.pixel(x, y)) > 150 && qGreen(im.pixel(x, y)) < 80) return true;
        return false;
    };
    EXPECT_TRUE(hasRed(rules::CardPicture(189 + 27)));   // ace of hearts
    EXPECT_FALSE(hasRed(rules::CardPicture(189 + 40)));  // ace of spades
    EXPECT_NE(rules::CardPicture(189 + 1), rules::CardPicture(189 + 2));
}

} // namespace
