// The main frame's status bar: eleven text panes drawn the way the game lays them out.
#pragma once
#include "frame/status_layout.h"

#include <QStatusBar>
#include <array>

namespace frame {

class CStatusBar final : public QStatusBar, public StatusPanes {
    Q_OBJECT
public:
    explicit CStatusBar(QWidget* parent = nullptr);

    void SetPaneInfo(int index, PaneStyle style, int width) override;
    // Repaints the pane at once, so a change shows even while the game holds the thread.
    void SetPaneText(int index, const std::string& text) override;

    PaneStyle PaneStyleAt(int index) const { return panes_.at(size_t(index)).style; }
    int PaneWidth(int index) const { return panes_.at(size_t(index)).width; }
    QString PaneText(int index) const { return panes_.at(size_t(index)).text; }
    // Where a pane is drawn in the bar; empty for a pane of width 0 that does not stretch.
    QRect PaneRect(int index) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    struct Pane {
        PaneStyle style = PaneStyle::Normal;
        int width = 0;
        QString text;
    };
    std::array<Pane, kStatusPaneCount> panes_{};
    int PaneHeight() const;
};

// The status bar under a main window, found by its identifier as other code does.
CStatusBar* FindStatusBar(QWidget* mainWindow);

} // namespace frame
