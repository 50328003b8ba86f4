// The application object: start-up, the command table and the main frame it creates.
#include "app/kavrel_app.h"

#include "app/game_window.h"

#include "frame/command_ids.h"
#include "frame/main_frame.h"

#include <QCoreApplication>
#include <QFile>
#include <QTimer>

namespace app {
namespace {

// A debugging aid for the end-to-end test: where to write the frame's layout once it shows.
constexpr const char* kDumpLayoutVariable = "VELKARO_DUMP_LAYOUT";

} // namespace

bool HasAutomationSwitch(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        QString a = arguments[i];
        if (!a.startsWith('/') && !a.startsWith('-')) continue;
        a = a.mid(1);
        if (a.compare("Embedding", Qt::CaseInsensitive) == 0 ||
            a.compare("Automation", Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

CKavrelApp::CKavrelApp() = default;
CKavrelApp::~CKavrelApp() { game_.reset(); }

bool CKavrelApp::InitInstance(const QStringList& /*arguments*/) {
    // Until the settings sheet reads them at the greeting, every setting comes from the file here.
    settings_ = LoadAppSettings();

    // The greeting goes here, in this order: the hint dialog (unless HasAutomationSwitch(arguments)
    // or the player has switched it off), then the settings sheet, which fills settings_ and plays
    // the selection music; cancelling the sheet returns false before any window exists.

    commands_.Set(frame::kCmdExit, [this] { OnAppExit(); });
    return CreateMainFrame();
}

bool CKavrelApp::CreateMainFrame() {
    frame_ = std::make_unique<frame::CMainFrame>(commands_);
    if (frame_->Create(metrics_) != 0) return false;
    game_ = std::make_unique<GameWindow>(settings_, *frame_, metrics_, commands_);

    const QByteArray dumpPath = qgetenv(kDumpLayoutVariable);
    if (!dumpPath.isEmpty()) {
        // Written again every few tenths of a second, so a test sees menus change as they open.
        auto* timer = new QTimer(frame_.get());
        QObject::connect(timer, &QTimer::timeout, frame_.get(), [this, dumpPath] {
            QFile out(QString::fromLocal8Bit(dumpPath) + ".part");
            if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) return;
            QString text = frame_->DescribeLayout();
            text += QString("metrics %1 %2 %3\n")
                        .arg(metrics_.FrameWidth).arg(metrics_.FrameHeight).arg(metrics_.CardStripHeight);
            out.write(text.toUtf8());
            out.close();
            QFile::remove(QString::fromLocal8Bit(dumpPath));
            out.rename(QString::fromLocal8Bit(dumpPath));
        });
        timer->start(200);
    }
    return true;
}

void CKavrelApp::OnAppExit() {
    // Nothing is saved here: every setting was written when it changed.
    QCoreApplication::quit();
}

} // namespace app
