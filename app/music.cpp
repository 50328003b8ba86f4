// Music: the selection tune, the play tune kept looping by the view's timer, and the fanfare,
// all as media-control strings on the alias "xx".
#include "app/sound_system.h"

namespace app {
namespace {

// The status answer is read into 15 characters; only its first 7 are compared.
constexpr int kStatusCapacity = 16;
// The selection tune's name is read again with this capacity.
constexpr int kSelectNameCapacity = 20;

bool StartsWith(const std::string& s, const char* head)
{
    return s.rfind(head, 0) == 0;
}

} // namespace

bool SoundSystem::Send(const std::string& command)
{
    return media_->Send(command) == platform::kMediaOk;
}

void SoundSystem::StartSelectionMusic()
{
    if (!settings_.Music)
        return;
    const std::string name = ReadString("MIDI", "IDMIDI_SELECT", "start.mid", kSelectNameCapacity);
    Send("close xx");
    Send("close yy");
    Send("open " + name + " alias xx type sequencer");
    Send("play xx from 0");
}

void SoundSystem::EndSelectionMusic()
{
    if (!settings_.Music)
        return;
    std::string answer;
    media_->Send("close xx", &answer, 20);
}

void SoundSystem::ToggleMusic()
{
    settings_.Music = !settings_.Music;
    WriteString("Option", "Music", settings_.Music ? "1" : "0");
    Send("close xx");
    Send("close yy");
    if (settings_.Music) {
        const std::string name = ReadString("MIDI", "IDMIDI_SELECT", "start.mid", kSelectNameCapacity);
        Send("open " + name + " type sequencer alias xx");
        Send("play xx from 0");
    }
}

void SoundSystem::StartPlayMusic(MusicTimerOwner& view)
{
    if (!settings_.Music)
        return;
    Send("close yy");
    std::string mode;
    if (media_->Send("status xx mode", &mode, kStatusCapacity) != platform::kMediaOk)
        mode.clear();
    if (StartsWith(mode, "playing"))
        return;
    Send("close xx");
    EnterProgramDirectory();
    Send("open " + soundFiles[kSlotPlayTune] + " type sequencer alias xx");
    Send("play xx from 0");
    view.StartRepeatingTimer(kMusicTimerId, kMusicTimerPeriodMs);
}

void SoundSystem::RestartIfStopped()
{
    std::string mode;
    if (media_->Send("status xx mode", &mode, kStatusCapacity) != platform::kMediaOk)
        return;
    if (StartsWith(mode, "stopped"))
        Send("play xx from 0");
}

void SoundSystem::PlayFanfare()
{
    if (!settings_.Music)
        return;
    Send("close yy");
    Send("close xx");
    Send("open fineplay.mid type sequencer alias xx");
    Send("play xx from 0");
}

} // namespace app
