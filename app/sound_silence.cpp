// The sound page's silence switch: one check box that silences every effect and the music.
#include "app/sound_system.h"

namespace app {

SilenceSwitchResult SoundSystem::ToggleSilence(platform::MessageBoxes& boxes)
{
    SilenceSwitchResult result;
    settings_.KillSound = !settings_.KillSound;
    if (settings_.KillSound &&
        boxes.Show(kSilenceQuestion, platform::MB_OKCANCEL | platform::MB_ICONQUESTION) == platform::IDCANCEL) {
        settings_.KillSound = false;
        result.cancelled = true;
        return result;
    }
    WriteString("Option", "KillSound", settings_.KillSound ? "1" : "0");
    settings_.Music = !settings_.KillSound;
    settings_.KyuSound = !settings_.KillSound;
    WriteString("Option", "KyuSound", settings_.KillSound ? "0" : "1");
    if (settings_.Music) {
        WriteString("Option", "Music", "1");
    } else {
        WriteString("Option", "Music", "0");
        Send("close xx");
        Send("close yy");
    }
    result.page = {settings_.Music, settings_.KyuSound, settings_.KillSound, settings_.KillSound};
    return result;
}

} // namespace app
