// Card pictures, 71 x 96 pixels: the game's card art, or plain drawn cards where it is not built.
#include "rules/card_pictures.h"

#include "rules/cards.h"
#ifdef VELKARO_HAVE_PICTURES
#include "resources/pictures/pictures.h"
#endif

#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace rules {
namespace {

void DrawBack(QPainter& p) {
    p.fillRect(0, 0, kCardWidth, kCardHeight, Qt::white);
    p.setPen(QColor(40, 40, 40));
    p.drawRect(0, 0, kCardWidth - 1, kCardHeight - 1);
    const QRect inner(4, 4, kCardWidth - 8, kCardHeight - 8);
    p.fillRect(inner, QColor(150, 20, 30));
    // A lattice of thin diamonds, clipped to the inner field, and a gold frame around it.
    p.save();
    p.setClipRect(inner);
    p.setPen(QPen(QColor(220, 90, 90), 1));
    for (int d = -kCardHeight; d < kCardWidth + kCardHeight; d += 8) {
        p.drawLine(d, 0, d + kCardHeight, kCardHeight);
        p.drawLine(d, kCardHeight, d + kCardHeight, 0);
    }
    p.restore();
    p.setPen(QPen(QColor(230, 190, 60), 1));
    p.drawRect(inner.adjusted(0, 0, -1, -1));
    p.drawRect(inner.adjusted(3, 3, -4, -4));
}

void DrawFace(QPainter& p, int card) {
    static const char* const kRanks[13] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
    // Suits in card order: clubs, diamonds, hearts, spades.
    static const char16_t kSuits[4] = {u'\u2663', u'\u2666', u'\u2665', u'\u2660'};
    const int suit = (card - 1) / 13, rank = (card - 1) % 13;
    const QColor ink = (suit == 1 || suit == 2) ? QColor(200, 0, 0) : QColor(0, 0, 0);

    p.fillRect(0, 0, kCardWidth, kCardHeight, Qt::white);
    p.setPen(QColor(40, 40, 40));
    p.drawRect(0, 0, kCardWidth - 1, kCardHeight - 1);
    p.setPen(ink);
    QFont corner("Sans");
    corner.setPixelSize(13);
    corner.setBold(true);
    p.setFont(corner);
    const QString label = QString::fromLatin1(kRanks[rank]) + QChar(kSuits[suit]);
    p.drawText(QRect(4, 3, 40, 16), Qt::AlignLeft | Qt::AlignTop, label);
    p.save();
    p.translate(kCardWidth, kCardHeight);
    p.rotate(180);
    p.drawText(QRect(4, 3, 40, 16), Qt::AlignLeft | Qt::AlignTop, label);
    p.restore();
    QFont big("Sans");
    big.setPixelSize(34);
    p.setFont(big);
    p.drawText(QRect(0, 20, kCardWidth, 56), Qt::AlignCenter, QString(QChar(kSuits[suit])));
}

} // namespace

QImage CardPicture(int picture) {
#ifdef VELKARO_HAVE_PICTURES
    const QImage art = resources::Bitmap(picture == kCardBackPicture ? 265 : picture);
    if (!art.isNull()) return art.convertToFormat(QImage::Format_RGB32);
#endif
    QImage image(kCardWidth, kCardHeight, QImage::Format_RGB32);
    QPainter p(&image);
    const int card = picture - 189;
    if (card >= 1 && card <= kDeckSize)
        DrawFace(p, card);
    else
        DrawBack(p);
    return image;
}

} // namespace rules
