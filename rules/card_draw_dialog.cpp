// The card-draw dialog: the player clicks the deck to take the foul card.
#include "rules/card_draw_dialog.h"

#include "platform/message_box.h"
#include "rules/card_pictures.h"
#include "rules/game.h"
#include "rules/messages.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>

namespace rules {
namespace {

constexpr int kDialogWidth = 280;
constexpr int kDialogHeight = 196;

// A card back that reports a left-button release inside itself.
class CardBackLabel final : public QLabel {
public:
    std::function<void()> released;
    using QLabel::QLabel;
protected:
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && released) released();
        QLabel::mouseReleaseEvent(e);
    }
};

} // namespace

CCardDrawDlg::CCardDrawDlg(Game& game, QWidget* parent) : QDialog(parent), game_(game) {
    setWindowTitle(QString::fromUtf8(kCardDrawTitle));
    setFixedSize(kDialogWidth, kDialogHeight);

    const QPixmap back = QPixmap::fromImage(CardPicture(265));
    // Three overlapping backs make the deck; the last one made lies on top.
    for (int i = 0; i < 3; ++i) {
        auto* card = new CardBackLabel(this);
        card->setPixmap(back);
        card->setGeometry(20 + 5 * i, 14 + 4 * i, kCardWidth, kCardHeight);
        if (i == 2) {
            card->setObjectName(QString("control%1").arg(kTopCardControl));
            card->setCursor(Qt::PointingHandCursor);
            card->released = [this] { OnTopCardReleased(); };
            topCard_ = card;
        }
    }

    auto* picture = new QLabel(this);
    picture->setObjectName("control267");
    picture->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));  // icon 267
    picture->setGeometry(20, 138, 32, 32);

    instruction_ = new QLabel(QString::fromUtf8(kCardDrawInstruction), this);
    instruction_->setObjectName(QString("control%1").arg(kInstructionControl));
    instruction_->setWordWrap(true);
    instruction_->setGeometry(60, 132, kDialogWidth - 70, 44);

    taken_ = new QLabel(this);
    taken_->setGeometry(kDialogWidth / 2 + 25, 25, kCardWidth, kCardHeight);
    taken_->hide();

    ok_ = new QPushButton("OK", this);
    ok_->setObjectName("control1");
    ok_->setDefault(true);
    ok_->hide();
    connect(ok_, &QPushButton::clicked, this, &CCardDrawDlg::OnOK);
}

void CCardDrawDlg::OnTopCardReleased() {
    if (cardTaken_) return;
    const int card = game_.TakeFoulCard();
    cardTaken_ = true;
    if (card != 0) {
        taken_->setPixmap(QPixmap::fromImage(CardPicture(189 + card)));
        taken_->show();
    }
    instruction_->hide();
    repaint();
    game_.Delay(1000);
    OnOK();
}

void CCardDrawDlg::OnOK() {
    if (!cardTaken_) {
        game_.Services().boxes.Show(kCardDrawReminder, platform::MB_OK);
        return;
    }
    done(QDialog::Accepted);
}

void CCardDrawDlg::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        OnOK();
        return;
    case Qt::Key_Escape:
        reject();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void DialogCardDraw::Run(Game& game) {
    CCardDrawDlg dlg(game, parent_);
    dlg.exec();
    // The dialog's message to the view once its card is in the hand.
    if (dlg.CardTaken()) game.OnCardStripMessage();
}

} // namespace rules
