// The game's sound system behind the shot cycle's sound interface.
#pragma once
#include "app/sound_system.h"
#include "platform/machine.h"
#include "rules/game_services.h"

namespace rules {

class AppSound final : public GameSound {
public:
    AppSound(app::SoundSystem& sound, app::MusicTimerOwner& view) : sound_(sound), view_(view) {}
    void PlayEffect(int event) override { sound_.PlayEffect(event); }
    void Beep() override { platform::MessageBeep(); }
    void StartPlayMusic() override { sound_.StartPlayMusic(view_); }
private:
    app::SoundSystem& sound_;
    app::MusicTimerOwner& view_;
};

} // namespace rules
