// The main frame's status bar: eleven text panes drawn the way the game lays them out.
#include "frame/status_bar.h"

#include <QPainter>

namespace frame {
namespace {

constexpr int kMargin = 2;  // around the row of panes
constexpr int kGap = 2;     // between two panes
constexpr int kInset = 2;   // border and padding on each side of a pane's text
const QColor kFace(192, 192, 192);
const QColor kShadow(128, 128, 128);
const QColor kLight(255, 255, 255);

bool Valid(int index) { return index >= 0 && index < kStatusPaneCount; }

} // namespace

CStatusBar::CStatusBar(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QString::number(kStatusBarId));
    setSizeGripEnabled(false);
    setAutoFillBackground(false);
}

void CStatusBar::SetPaneInfo(int index, PaneStyle style, int width) {
    if (!Valid(index)) return;
    panes_[size_t(index)].style = style;
    panes_[size_t(index)].width = width < 0 ? 0 : width;
    update();
}

void CStatusBar::SetPaneText(int index, const std::string& text) {
    if (!Valid(index)) return;
    panes_[size_t(index)].text = QString::fromStdString(text);
    QRect r = PaneRect(index);
    if (!r.isEmpty()) repaint(r);
}

int CStatusBar::PaneHeight() const { return fontMetrics().height() + 2 * kInset; }

QSize CStatusBar::sizeHint() const { return {0, PaneHeight() + 2 * kMargin}; }

QRect CStatusBar::PaneRect(int index) const {
    if (!Valid(index)) return {};
    // Fixed panes take their widths; the first stretching pane also takes what is left over.
    int used = 2 * kMargin, shown = 0, stretch = -1;
    for (int i = 0; i < kStatusPaneCount; ++i) {
        const Pane& p = panes_[size_t(i)];
        if (p.style == PaneStyle::Stretch && stretch < 0) stretch = i;
        if (p.width > 0 || i == stretch) {
            used += p.width + 2 * kInset;
            ++shown;
        }
    }
    if (shown > 1) used += (shown - 1) * kGap;
    int extra = width() > used ? width() - used : 0;
    int x = kMargin;
    for (int i = 0; i < kStatusPaneCount; ++i) {
        const Pane& p = panes_[size_t(i)];
        if (p.width <= 0 && i != stretch) continue;
        int w = p.width + 2 * kInset + (i == stretch ? extra : 0);
        if (i == index) return {x, kMargin, w, PaneHeight()};
        x += w + kGap;
    }
    return {};
}

void CStatusBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), kFace);
    p.setPen(kLight);
    p.drawLine(0, 0, width() - 1, 0); // the bar's top border
    for (int i = 0; i < kStatusPaneCount; ++i) {
        QRect r = PaneRect(i);
        if (r.isEmpty()) continue;
        const Pane& pane = panes_[size_t(i)];
        // A normal pane is sunken, a pop-out pane raised.
        QColor topLeft = pane.style == PaneStyle::PopOut ? kLight : kShadow;
        QColor bottomRight = pane.style == PaneStyle::PopOut ? kShadow : kLight;
        p.setPen(topLeft);
        p.drawLine(r.left(), r.top(), r.right(), r.top());
        p.drawLine(r.left(), r.top(), r.left(), r.bottom());
        p.setPen(bottomRight);
        p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
        p.drawLine(r.right(), r.top(), r.right(), r.bottom());
        p.setPen(Qt::black);
        QRect text = r.adjusted(kInset, 0, -kInset, 0);
        p.setClipRect(text);
        p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, pane.text);
        p.setClipping(false);
    }
}

CStatusBar* FindStatusBar(QWidget* mainWindow) {
    if (!mainWindow) return nullptr;
    return mainWindow->findChild<CStatusBar*>(QString::number(kStatusBarId));
}

} // namespace frame
