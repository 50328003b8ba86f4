// Makes sure the Help menu offers the tip-of-the-day command whenever a menu opens.
#include "frame/tips_menu.h"

#include "frame/command_ids.h"
#include "frame/menu_resource.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace frame {
namespace {

QAction* MakeTipsAction(QObject* parent, const std::function<void(int)>& dispatch) {
    auto* action = new QAction(QString::fromUtf8(kTipsItemText), parent);
    action->setData(kCmdTipOfTheDay);
    QObject::connect(action, &QAction::triggered, parent, [dispatch] {
        if (dispatch) dispatch(kCmdTipOfTheDay);
    });
    return action;
}

} // namespace

TipsMenu::TipsMenu(std::function<void(int)> dispatch) : dispatch_(std::move(dispatch)) {}

TipsMenu::~TipsMenu() {
    // Owned here unless a menu took it over.
    if (ownHelpPopup_ && !ownHelpPopup_->parent()) delete ownHelpPopup_;
}

void TipsMenu::OnInitMenu(QWidget* menu) {
    if (!menu) return;
    const QString helpText = QString::fromUtf8(kHelpMenuText);
    const QString tipsText = QString::fromUtf8(kTipsItemText);
    for (QAction* item : menu->actions()) {
        QMenu* popup = item->menu();
        if (!popup || item->text() != helpText) continue;
        const QList<QAction*> entries = popup->actions();
        if (!entries.isEmpty() && entries.first()->text() == tipsText) return;
        QAction* before = entries.isEmpty() ? nullptr : entries.first();
        QAction* tips = MakeTipsAction(popup, dispatch_);
        popup->insertAction(before, tips);
        popup->insertSeparator(before);
        return;
    }
    if (!ownHelpPopup_) {
        ownHelpPopup_ = new QMenu(helpText);
        ownHelpPopup_->addAction(MakeTipsAction(ownHelpPopup_, dispatch_));
    }
    menu->addAction(ownHelpPopup_->menuAction());
    if (auto* bar = qobject_cast<QMenuBar*>(menu)) bar->update();
}

} // namespace frame
