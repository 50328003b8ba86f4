// The application object: start-up, the command table and the main frame it creates.
#pragma once
#include "app/settings.h"
#include "frame/command_table.h"
#include "frame/frame_metrics.h"
#include "frame/kavrel_view.h"

#include <QStringList>
#include <memory>

namespace frame {
class CMainFrame;
}

namespace app {

class GameWindow;

// True when the command line carries the "Embedding" or "Automation" switch, which skips the
// hint dialog at start-up.
bool HasAutomationSwitch(const QStringList& arguments);

class CKavrelApp {
public:
    CKavrelApp();
    ~CKavrelApp();
    CKavrelApp(const CKavrelApp&) = delete;
    CKavrelApp& operator=(const CKavrelApp&) = delete;

    // The start-up sequence; false ends the program quietly before any window shows.
    bool InitInstance(const QStringList& arguments);

    frame::CMainFrame* MainFrame() { return frame_.get(); }
    GameWindow* Game() { return game_.get(); }
    frame::CommandTable& Commands() { return commands_; }
    AppSettings& Settings() { return settings_; }
    const frame::FrameMetrics& Metrics() const { return metrics_; }

private:
    bool CreateMainFrame();
    void OnAppExit();

    AppSettings settings_;
    frame::FrameMetrics metrics_;
    frame::CommandTable commands_;
    std::unique_ptr<frame::CMainFrame> frame_;
    std::unique_ptr<GameWindow> game_;  // made after the frame, gone before it
};

} // namespace app
