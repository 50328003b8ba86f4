// The table view: the frame's central widget, showing the drawing surface and passing input on.
#pragma once
#include "platform/surface.h"

#include <QWidget>
#include <map>

namespace frame {

// The three private messages the view answers, posted by the game to itself.
enum class ViewMessage : int {
    AimChanged = 1,       // redraw cue and guide after a side-spin change
    CardStripRepaint = 2, // repaint the table and hands after a card was drawn
    AimNudged = 3,        // a new aim point from the shot bar's arrows
};

class CKavrelView final : public QWidget {
    Q_OBJECT
public:
    // What the game does with the view's events; the game object implements it. Positions are
    // in pixels of the view.
    class Handler {
    public:
        virtual ~Handler() = default;
        // Runs the game's paint routine; never called from inside Qt's paint event.
        virtual void OnPaintRequest(CKavrelView&) {}
        virtual void OnLButtonDown(CKavrelView&, QPoint, Qt::KeyboardModifiers) {}
        virtual void OnMouseMove(CKavrelView&, QPoint, Qt::MouseButtons) {}
        virtual void OnLButtonUp(CKavrelView&, QPoint) {}
        virtual void OnRButtonDown(CKavrelView&, QPoint) {}
        virtual void OnTimer(CKavrelView&, int /*timerId*/) {}
        virtual void OnViewMessage(CKavrelView&, ViewMessage, long /*wParam*/, long /*lParam*/) {}
    };

    explicit CKavrelView(QWidget* parent = nullptr);
    ~CKavrelView() override;

    void SetHandler(Handler* handler) { handler_ = handler; }

    // The persistent picture of the view: drawing lands here and outlives repaints. It follows the
    // view's size and keeps what is drawn on it.
    platform::Surface& Surface() { return surface_; }
    // Copies what was drawn to the screen now, for drawing done outside any paint request.
    void Present() { surface_.Present(); }

    // Asks for the game's paint routine to run soon; requests made before it runs merge into one.
    void Invalidate();
    void PostViewMessage(ViewMessage message, long wParam = 0, long lParam = 0);
    // Starts, restarts or stops a repeating timer known by the game's own id.
    void SetTimer(int timerId, int intervalMs);
    void KillTimer(int timerId);

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void showEvent(QShowEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void timerEvent(QTimerEvent*) override;
    void customEvent(QEvent*) override;

private:
    Handler* handler_ = nullptr;
    platform::Surface surface_;
    bool paintPending_ = false;
    bool shownOnce_ = false;
    std::map<int, int> qtTimerByGameId_;
};

} // namespace frame
