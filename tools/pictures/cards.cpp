// The 52 card faces and the card back, 71 x 96 pixels: four upright corner indices so that an
// overlapped card still shows its rank and suit on either side, pips, and framed court cards.
#include "picture_set.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include <array>
#include <string>

namespace pictures {

namespace {

constexpr int kCardWidth = 71, kCardHeight = 96;
const QColor kRed(204, 0, 0), kBlack(0, 0, 0), kCorner(192, 192, 192);

// Suit shapes in a box of [-1, 1] both ways; suit 0 clubs, 1 diamonds, 2 hearts, 3 spades.
QPainterPath SuitShape(int suit)
{
    // Pieces are united, so that overlapping pieces of either winding stay filled.
    QPainterPath path;
    auto circle = [&](double x, double y, double r) {
        QPainterPath piece;
        piece.addEllipse(QPointF(x, y), r, r);
        path = path.united(piece);
    };
    auto polygon = [&](std::initializer_list<QPointF> points) {
        QPainterPath piece;
        piece.addPolygon(QPolygonF(QList<QPointF>(points)));
        piece.closeSubpath();
        path = path.united(piece);
    };
    switch (suit) {
    case 0:
        circle(0, -0.5, 0.42);
        circle(-0.5, 0.16, 0.42);
        circle(0.5, 0.16, 0.42);
        circle(0, -0.05, 0.32);
        polygon({QPointF(0, -0.1), QPointF(-0.32, 1), QPointF(0.32, 1)});
        break;
    case 1:
        polygon({QPointF(0, -1), QPointF(0.74, 0), QPointF(0, 1), QPointF(-0.74, 0)});
        break;
    case 2:
        circle(-0.47, -0.4, 0.5);
        circle(0.47, -0.4, 0.5);
        polygon({QPointF(-0.95, -0.25), QPointF(0.95, -0.25), QPointF(0, 0.98)});
        break;
    default:
        circle(-0.47, 0.22, 0.5);
        circle(0.47, 0.22, 0.5);
        polygon({QPointF(-0.95, 0.08), QPointF(0.95, 0.08), QPointF(0, -1)});
        polygon({QPointF(0, 0.3), QPointF(-0.32, 1), QPointF(0.32, 1)});
        break;
    }
    return path;
}

void Pip(QPainter& p, int suit, QPointF centre, double size, bool upsideDown = false)
{
    p.save();
    p.translate(centre);
    if (upsideDown)
        p.rotate(180);
    p.scale(size / 2, size / 2);
    p.setPen(Qt::NoPen);
    p.drawPath(SuitShape(suit));
    p.restore();
}

const char* RankText(int rank)
{
    static constexpr const char* kRanks[13] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
    return kRanks[rank];
}

// A corner index: the rank over a small suit, centred on x.
void Index(QPainter& p, int suit, int rank, double x, double top, bool upsideDown)
{
    p.save();
    if (upsideDown) {
        p.translate(x, top);
        p.rotate(180);
        p.translate(-x, -top);
    }
    QFont font("DejaVu Sans", 10, QFont::Bold);
    font.setPixelSize(15);
    if (rank == 9) {
        font.setStretch(QFont::Condensed);
        font.setLetterSpacing(QFont::AbsoluteSpacing, -1.5);
    }
    p.setFont(font);
    p.drawText(QRectF(x - 10, top, 20, 16), Qt::AlignCenter, RankText(rank));
    p.setBrush(p.pen().color());
    Pip(p, suit, QPointF(x, top + 22), 10);
    p.restore();
}

// Pip centres of the number cards, in a box from (0, 0) to (2, 6): columns 0..2, rows 0..6.
struct PipPlace { double column, row; };
std::vector<PipPlace> PipLayout(int count)
{
    switch (count) {
    case 2: return {{1, 0}, {1, 6}};
    case 3: return {{1, 0}, {1, 3}, {1, 6}};
    case 4: return {{0, 0}, {2, 0}, {0, 6}, {2, 6}};
    case 5: return {{0, 0}, {2, 0}, {1, 3}, {0, 6}, {2, 6}};
    case 6: return {{0, 0}, {2, 0}, {0, 3}, {2, 3}, {0, 6}, {2, 6}};
    case 7: return {{0, 0}, {2, 0}, {1, 1.5}, {0, 3}, {2, 3}, {0, 6}, {2, 6}};
    case 8: return {{0, 0}, {2, 0}, {1, 1.5}, {0, 3}, {2, 3}, {1, 4.5}, {0, 6}, {2, 6}};
    case 9: return {{0, 0}, {2, 0}, {0, 2}, {2, 2}, {1, 3}, {0, 4}, {2, 4}, {0, 6}, {2, 6}};
    default: return {{0, 0}, {2, 0}, {1, 1}, {0, 2}, {2, 2}, {0, 4}, {2, 4}, {1, 5}, {0, 6}, {2, 6}};
    }
}

QImage Blank()
{
    QImage image(kCardWidth, kCardHeight, QImage::Format_RGB32);
    image.fill(kCorner);
    return image;
}

void Outline(QPainter& p, const QColor& fill)
{
    p.setPen(QPen(QColor(70, 70, 70), 1));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(0.5, 0.5, kCardWidth - 1, kCardHeight - 1), 5, 5);
}

QImage Face(int suit, int rank)
{
    QImage image = Blank();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    Outline(p, Qt::white);
    const QColor ink = (suit == 1 || suit == 2) ? kRed : kBlack;
    p.setPen(ink);
    Index(p, suit, rank, 9.5, 2, false);
    Index(p, suit, rank, kCardWidth - 9.5, 2, false);
    Index(p, suit, rank, 9.5, kCardHeight - 2, true);
    Index(p, suit, rank, kCardWidth - 9.5, kCardHeight - 2, true);
    p.setBrush(ink);

    const double cx = kCardWidth / 2.0, cy = kCardHeight / 2.0;
    if (rank == 0) {
        Pip(p, suit, QPointF(cx, cy), suit == 3 ? 30 : 26);
    } else if (rank <= 9) {
        // Columns 10 pixels apart, rows 10 apart, upside down in the lower half.
        const double left = cx - 10, top = cy - 30;
        for (const PipPlace& place : PipLayout(rank + 1)) {
            const QPointF centre(left + place.column * 10, top + place.row * 10);
            Pip(p, suit, centre, 12, place.row > 3);
        }
    } else {
        const QRectF frame(18.5, 12.5, kCardWidth - 37, kCardHeight - 25);
        p.setPen(QPen(ink, 1));
        p.setBrush(QColor(255, 244, 214));
        p.drawRect(frame);
        p.setPen(QPen(QColor(218, 165, 32), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(frame.adjusted(2, 2, -2, -2));
        QFont font("DejaVu Serif", 10, QFont::Bold);
        font.setPixelSize(30);
        p.setFont(font);
        p.setPen(ink);
        p.drawText(QRectF(frame.left(), frame.top() + 6, frame.width(), 36), Qt::AlignCenter, RankText(rank));
        p.setBrush(ink);
        Pip(p, suit, QPointF(cx, frame.bottom() - 17), 18);
    }
    return image;
}

QImage Back()
{
    QImage image = Blank();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Outline(p, Qt::white);
    const QRectF field(4.5, 4.5, kCardWidth - 9, kCardHeight - 9);
    p.setPen(QPen(QColor(0, 0, 110), 1));
    p.setBrush(QColor(24, 56, 150));
    p.drawRoundedRect(field, 3, 3);
    p.setClipRect(field.adjusted(1, 1, -1, -1));
    p.setPen(QPen(QColor(110, 150, 225), 1));
    for (int k = -kCardHeight; k < kCardWidth + kCardHeight; k += 7) {
        p.drawLine(QPointF(k, 0), QPointF(k + kCardHeight, kCardHeight));
        p.drawLine(QPointF(k, 0), QPointF(k - kCardHeight, kCardHeight));
    }
    p.setClipping(false);
    p.setPen(QPen(Qt::white, 1.5));
    p.setBrush(QColor(24, 56, 150));
    p.drawEllipse(QPointF(kCardWidth / 2.0, kCardHeight / 2.0), 13, 17);
    p.setBrush(QColor(218, 165, 32));
    p.setPen(Qt::NoPen);
    Pip(p, 3, QPointF(kCardWidth / 2.0, kCardHeight / 2.0), 16);
    return image;
}

} // namespace

void MakeCards(std::vector<Picture>& out)
{
    static std::array<std::string, 52> names;
    static constexpr const char* kSuits[4] = {"clubs", "diamonds", "hearts", "spades"};
    for (int card = 1; card <= 52; ++card) {
        const int suit = (card - 1) / 13, rank = (card - 1) % 13;
        names[size_t(card - 1)] = std::string("card_") + kSuits[suit] + "_" + std::to_string(rank + 1);
        out.push_back({Kind::Bitmap, 189 + card, Face(suit, rank), {}, names[size_t(card - 1)].c_str()});
    }
    out.push_back({Kind::Bitmap, 265, Back(), {}, "card_back"});
}

} // namespace pictures
