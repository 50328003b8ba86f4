// The game's single top-level window: menus, accelerators, the table view and the status bar.
#include "frame/main_frame.h"

#include "frame/command_ids.h"
#include "frame/command_table.h"
#include "frame/kavrel_view.h"
#include "frame/menu_resource.h"
#include "frame/status_bar.h"
#include "platform/fonts.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QWindow>
#include <vector>

namespace frame {
namespace {

// How long Create waits for the window system to frame and map the window.
constexpr int kMapWaitMs = 500;

const char* StyleName(PaneStyle s) {
    switch (s) {
    case PaneStyle::Stretch: return "stretch";
    case PaneStyle::PopOut: return "popout";
    case PaneStyle::Normal: break;
    }
    return "normal";
}

void DescribeMenu(QString& out, const QWidget* menu, int depth) {
    for (QAction* a : menu->actions()) {
        out += QString(depth * 2 + 2, ' ');
        if (a->isSeparator()) {
            out += "-\n";
            continue;
        }
        out += a->text();
        if (a->data().isValid()) out += " = " + QString::number(a->data().toInt());
        if (a->menu() && a->menu()->isVisible()) out += " (open)";
        out += '\n';
        if (a->menu()) DescribeMenu(out, a->menu(), depth + 1);
    }
}

} // namespace

CMainFrame::CMainFrame(CommandTable& commands, QWidget* parent)
    : QMainWindow(parent),
      commands_(commands),
      tipsMenu_([&commands](int id) { commands.Dispatch(id); }) {
    setWindowTitle(QString::fromUtf8(kFrameTitle));
    view_ = new CKavrelView(this);
    setCentralWidget(view_);
    BuildMenus();
    BuildAccelerators();
    commands_.Set(kCmdHelp, [this] { OpenHelpContents(); });
    commands_.Set(kCmdHelpIndex, [this] { OpenHelpContents(); });
}

CMainFrame::~CMainFrame() = default;

int CMainFrame::Create(FrameMetrics& metrics) {
    statusBar_ = new CStatusBar(this);
    setStatusBar(statusBar_);
    if (!statusBar_) return -1;
    platform::CFont face;
    face.height = 16; // a cell height: ascent and descent together fit in 16 pixels
    face.weight = platform::FW_DONTCARE;
    face.charset = platform::SHIFTJIS_CHARSET;
    face.face = "標準明朝";
    statusFont_ = platform::MakeQFont(face, face.height, false);
    statusBar_->setFont(statusFont_);
    ApplyCreationLayout(*statusBar_);

    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return -1;
    const QRect desk = screen->geometry();
    size_ = ChooseFrameSize(desk.width(), desk.height());

    // The client asked for holds the menu bar too, so the view ends up shorter by its height.
    setFixedSize(size_.clientWidth, size_.clientHeight);
    move(desk.topLeft() + QPoint(size_.x, size_.y));
    show();

    // The outer size counts the window manager's frame; under a bare X server there is none.
    QElapsedTimer waited;
    waited.start();
    while (windowHandle() && !windowHandle()->isExposed() && waited.elapsed() < kMapWaitMs)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
    // Input held back during the wait would otherwise sit in the queue until the next X event.
    if (auto* dispatcher = QAbstractEventDispatcher::instance()) dispatcher->wakeUp();
    const QMargins m = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    const int outerWidth = size_.clientWidth + m.left() + m.right();
    const int outerHeight = size_.clientHeight + m.top() + m.bottom();
    move(desk.x() + (desk.width() - outerWidth) / 2, desk.y() + (desk.height() - outerHeight) / 2);

    metrics.FrameWidth = outerWidth * 10;
    metrics.FrameHeight = outerHeight * 10;
    metrics.CardStripHeight = kCardStripPixels * 10;
    return 0;
}

void CMainFrame::BuildMenus() {
    std::vector<QMenu*> open;
    QMenuBar* bar = menuBar();
    // The menu bar belongs inside the window: its height comes out of the view's.
    bar->setNativeMenuBar(false);
    auto addCommand = [this](QWidget* to, const MenuEntry& e) {
        auto* action = new QAction(QString::fromStdString(MenuDisplayText(e.text)), to);
        action->setData(e.command);
        const int id = e.command;
        connect(action, &QAction::triggered, this, [this, id] { commands_.Dispatch(id); });
        to->addAction(action);
    };
    for (const MenuEntry& e : MainMenuResource()) {
        QWidget* current = open.empty() ? static_cast<QWidget*>(bar) : open.back();
        switch (e.kind) {
        case MenuEntry::Popup: {
            auto* menu = new QMenu(QString::fromStdString(MenuDisplayText(e.text)), current);
            current->addAction(menu->menuAction());
            // A menu is about to open: the Help popup must offer the tips command first.
            connect(menu, &QMenu::aboutToShow, this, [this] { tipsMenu_.OnInitMenu(menuBar()); });
            open.push_back(menu);
            break;
        }
        case MenuEntry::EndPopup:
            if (!open.empty()) open.pop_back();
            break;
        case MenuEntry::Separator:
            if (auto* menu = qobject_cast<QMenu*>(current)) menu->addSeparator();
            break;
        case MenuEntry::Item:
            addCommand(current, e);
            break;
        }
    }
}

void CMainFrame::BuildAccelerators() {
    for (const Accelerator& a : MainAccelerators()) {
        auto* shortcut = new QShortcut(QKeySequence(QString::fromUtf8(a.keys), QKeySequence::PortableText), this);
        shortcut->setContext(Qt::WindowShortcut);
        const int id = a.command;
        connect(shortcut, &QShortcut::activated, this, [this, id] { commands_.Dispatch(id); });
    }
}

void CMainFrame::OpenHelpContents() {
    // The help file is opened at its contents here once a help viewer exists on this platform;
    // until then the help key does nothing visible.
}

QString CMainFrame::DescribeLayout() const {
    QString out;
    const QRect g = geometry();
    out += QString("client %1 %2 %3 %4\n").arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height());
    out += QString("table %1 %2\n").arg(size_.W).arg(size_.H);
    out += QString("menubar %1\n").arg(menuBar()->height());
    out += QString("view %1 %2 %3 %4\n")
               .arg(view_->x()).arg(view_->y()).arg(view_->width()).arg(view_->height());
    if (statusBar_) {
        out += QString("statusbar %1 %2 id %3\n")
                   .arg(statusBar_->y()).arg(statusBar_->height()).arg(statusBar_->objectName());
        for (int i = 0; i < kStatusPaneCount; ++i) {
            const QRect r = statusBar_->PaneRect(i);
            out += QString("pane %1 %2 %3 x %4 w %5 \"%6\"\n")
                       .arg(i).arg(StyleName(statusBar_->PaneStyleAt(i)))
                       .arg(statusBar_->PaneWidth(i)).arg(r.x()).arg(r.width())
                       .arg(statusBar_->PaneText(i));
        }
    }
    out += "menu\n";
    DescribeMenu(out, menuBar(), 0);
    return out;
}

} // namespace frame
