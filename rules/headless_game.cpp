// A game without a window: virtual clock, every message box answered OK, a person's foul card
// taken at once, and a record of what the game asked for.
#include "rules/headless_game.h"

#include "table/motion.h"

namespace rules {

namespace {
app::AppSettings QuietSettings(bool vsComputer) {
    app::AppSettings s;
    s.VsComputer = vsComputer ? 1 : 0;
    s.Music = false;
    return s;
}
} // namespace

HeadlessGame::HeadlessGame(std::vector<int> deal, int clientWidth, int clientHeight, bool vsComputer,
                           uint32_t startTick)
    : clock_(startTick),
      dealer_(std::move(deal)),
      settings_(QuietSettings(vsComputer)),
      game_(GameServices{clock_, boxes_, sound_, drawing_, dealer_, cardDraw_, hooks_, nullptr}, settings_) {
    drawing_.clientWidth = clientWidth;
    drawing_.clientHeight = clientHeight;
    game_.cycle.RestartPending = false;
}

std::vector<std::string> HeadlessGame::messages() const {
    std::vector<std::string> texts;
    for (const auto& shown : boxes_.shown) texts.push_back(shown.text);
    return texts;
}

bool HeadlessGame::abnormalStop() const {
    for (const auto& shown : boxes_.shown)
        if (shown.text == table::AbnormalPositionMessage) return true;
    return false;
}

} // namespace rules
