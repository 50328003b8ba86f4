// Makes sure the Help menu offers the tip-of-the-day command whenever a menu opens.
#pragma once
#include <functional>

class QMenu;
class QWidget;

namespace frame {

class TipsMenu {
public:
    // dispatch runs a command id; the tips items send 177 through it.
    explicit TipsMenu(std::function<void(int)> dispatch);
    ~TipsMenu();
    TipsMenu(const TipsMenu&) = delete;
    TipsMenu& operator=(const TipsMenu&) = delete;

    // Called each time a menu (a QMenuBar or a QMenu) is about to open. The Help popup in it gets
    // the tips command and a separator at its top, once; a menu without a Help popup gets one
    // holding only the tips command.
    void OnInitMenu(QWidget* menu);

private:
    std::function<void(int)> dispatch_;
    QMenu* ownHelpPopup_ = nullptr; // made the first time a menu without Help opens
};

} // namespace frame
