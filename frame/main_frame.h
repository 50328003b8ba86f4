// The game's single top-level window: menus, accelerators, the table view and the status bar.
#pragma once
#include "frame/frame_metrics.h"
#include "frame/frame_size.h"
#include "frame/tips_menu.h"

#include <QFont>
#include <QMainWindow>

class QMenu;

namespace frame {

class CKavrelView;
class CStatusBar;
class CommandTable;

class CMainFrame final : public QMainWindow {
    Q_OBJECT
public:
    // Commands from the menus and accelerators go to `commands`; the frame answers the help key
    // there itself. Nothing is shown until Create.
    explicit CMainFrame(CommandTable& commands, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Sizes the frame from the screen, shows it centred and publishes its sizes into `metrics`.
    // Returns 0, or -1 when the window or its status bar could not be made.
    int Create(FrameMetrics& metrics);

    CKavrelView& View() { return *view_; }
    CStatusBar& StatusBar() { return *statusBar_; }
    const FrameSize& ChosenSize() const { return size_; }
    // The text the layout dump prints: window, menus and panes, one item a line.
    QString DescribeLayout() const;

private:
    void BuildMenus();
    void BuildAccelerators();
    void OpenHelpContents();

    CommandTable& commands_;
    CKavrelView* view_ = nullptr;
    CStatusBar* statusBar_ = nullptr;
    QFont statusFont_;
    TipsMenu tipsMenu_;
    FrameSize size_;
};

} // namespace frame
