// The scripted message boxes, and the Japanese standard buttons of the real one.
#include "platform/message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

TEST(ScriptedMessageBoxes, RecordsEveryBoxAndAnswersFromTheScriptThenDefaults)
{
    platform::ScriptedMessageBoxes boxes;
    boxes.answers = {platform::IDNO, platform::IDCANCEL};
    EXPECT_EQ(boxes.Show("一つ目", platform::MB_YESNO | platform::MB_ICONQUESTION), platform::IDNO);
    EXPECT_EQ(boxes.Show("二つ目", platform::MB_OKCANCEL, "別"), platform::IDCANCEL);
    // Script spent: OK for OK and OK/Cancel boxes, YES for Yes/No boxes.
    EXPECT_EQ(boxes.Show("三つ目", platform::MB_OK | platform::MB_ICONSTOP), platform::IDOK);
    EXPECT_EQ(boxes.Show("四つ目", platform::MB_OKCANCEL), platform::IDOK);
    EXPECT_EQ(boxes.Show("五つ目", platform::MB_YESNO), platform::IDYES);

    ASSERT_EQ(boxes.shown.size(), 5u);
    EXPECT_EQ(boxes.shown[0].text, "一つ目");
    EXPECT_EQ(boxes.shown[0].type, unsigned(platform::MB_YESNO | platform::MB_ICONQUESTION));
    EXPECT_EQ(boxes.shown[0].caption, "Velkaro Ver1.20");
    EXPECT_EQ(boxes.shown[1].caption, "別");
}

// Presses the button of the given standard kind on the message box once it is showing, and
// remembers the texts of its buttons.
struct Presser {
    QMessageBox::StandardButton press;
    QStringList texts;
    QString caption;
    void Arm()
    {
        QTimer::singleShot(0, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            caption = box->windowTitle();
            for (QAbstractButton* b : box->buttons())
                texts << b->text();
            box->button(press)->click();
        });
    }
};

TEST(QtMessageBoxes, JapaneseButtonsAndAnswers)
{
    int argc = 1;
    char name[] = "message_box_test";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    ASSERT_TRUE(platform::InstallJapaneseTranslations(app));
    ASSERT_TRUE(platform::InstallJapaneseTranslations(app)); // a second call changes nothing

    platform::QtMessageBoxes boxes;
    struct Case { unsigned type; QMessageBox::StandardButton press; int answer; QString text; };
    const Case cases[] = {
        {platform::MB_OK | platform::MB_ICONSTOP, QMessageBox::Ok, platform::IDOK, "OK"},
        {platform::MB_OKCANCEL, QMessageBox::Cancel, platform::IDCANCEL, "キャンセル"},
        {platform::MB_YESNO | platform::MB_ICONQUESTION, QMessageBox::Yes, platform::IDYES, "はい"},
        {platform::MB_YESNO, QMessageBox::No, platform::IDNO, "いいえ"},
    };
    for (const Case& c : cases) {
        Presser presser{c.press, {}, {}};
        presser.Arm();
        EXPECT_EQ(boxes.Show("テスト", c.type), c.answer);
        EXPECT_EQ(presser.caption, "Velkaro Ver1.20");
        EXPECT_TRUE(presser.texts.join('|').contains(c.text)) << presser.texts.join('|').toStdString();
    }
}

} // namespace
