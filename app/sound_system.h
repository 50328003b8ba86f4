// SoundSystem: every noise the game makes (effects, tones, music) and the state behind them.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "app/settings.h"
#include "app/sound_events.h"
#include "platform/audio/audio_sink.h"
#include "platform/audio/media_control.h"
#include "platform/clock.h"
#include "platform/message_box.h"

namespace app {

inline constexpr int kSoundFileSlots = 17;
inline constexpr int kSoundFileCapacity = 80;
// Slots of the tunes in soundFiles.
inline constexpr int kSlotSelectTune = 10;
inline constexpr int kSlotPlayTune = 11;
inline constexpr int kSlotPlayTune2 = 12;
// Within this many ms of the pocket wave's start, later effects of the shot are dropped.
inline constexpr uint32_t kGoalLockMs = 1200;

// The view's music timer: restarts the play tune when it has stopped.
inline constexpr int kMusicTimerId = 1025;
inline constexpr int kMusicTimerPeriodMs = 2000;

// The owner of timer 1025 (the table view). Starting a timer whose id already runs restarts it
// with the new period.
class MusicTimerOwner {
public:
    virtual ~MusicTimerOwner() = default;
    virtual void StartRepeatingTimer(int id, int periodMs) = 0;
};

// What the sound page shows after the silence switch: check boxes 145 (music), 146 (aiming
// sound), 147 (silence), and picture 175 (silenced) instead of 174.
struct SoundPageFlags {
    bool music = false;
    bool aimingSound = false;
    bool silence = false;
    bool silencedPicture = false;
};

struct SilenceSwitchResult {
    // Cancelled: only check box 147 is cleared; nothing else on the page changes.
    bool cancelled = false;
    SoundPageFlags page;
};

inline constexpr const char* kSilenceQuestion =
    "このスイッチをオンに設定すると\nずへてのサウンド効果は無効になります\nつまり無音状態になります\n"
    "本当にこのように設定しますか";

class SoundSystem {
public:
    // `settings` and `clock` belong to the game and outlive this object.
    SoundSystem(AppSettings& settings, platform::Clock& clock,
                std::unique_ptr<platform::AudioSink> audio, std::unique_ptr<platform::MediaControl> media);
    ~SoundSystem();
    // The real thing: SDL audio output with FluidSynth behind the media-control strings.
    static std::unique_ptr<SoundSystem> CreateWithSdl(AppSettings& settings, platform::Clock& clock);
    // No output and no MIDI device (the lab, tests of other parts): every rule runs, tones still
    // hold the clock for their length, nothing is heard.
    static std::unique_ptr<SoundSystem> CreateSilent(AppSettings& settings, platform::Clock& clock);

    // Whether the shot in progress has already dropped an object ball (the table state's flag).
    void SetObjectBallPocketed(std::function<bool()> pocketed) { objectBallPocketed_ = std::move(pocketed); }
    // The program directory the document recorded; empty until it has, and then the current
    // directory is left alone.
    void SetProgramDirectory(std::function<std::string()> directory) { programDirectory_ = std::move(directory); }

    // Effects.
    void LoadSoundTable();
    void ReleaseSoundTable();
    void PlayEffect(int event);
    void Tone(uint32_t frequencyHz, int32_t durationMs);
    void Delay(int32_t ms);

    // Music.
    void StartSelectionMusic();    // the settings sheet is built
    void EndSelectionMusic();      // the settings sheet is destroyed
    void ToggleMusic();            // the sound page's music check box
    void StartPlayMusic(MusicTimerOwner& view);  // end of every table paint
    void RestartIfStopped();       // every tick of timer 1025
    void PlayFanfare();            // the winner dialog opens

    // The sound page's silence switch.
    SilenceSwitchResult ToggleSilence(platform::MessageBoxes& boxes);

    // Empty slots until LoadSoundTable; names are at most kSoundFileCapacity - 1 bytes.
    std::array<std::string, kSoundFileSlots> soundFiles;
    // Tick at which the pocket wave last started; 0 when no lock is armed.
    uint32_t lastGoalTick = 0;

    platform::MediaControl& Media() { return *media_; }
    platform::AudioSink& Audio() { return *audio_; }

private:
    void EnterProgramDirectory();
    bool Send(const std::string& command);

    AppSettings& settings_;
    platform::Clock& clock_;
    // The media interpreter may refer to the output's sequencer: it is declared after it so it
    // goes first.
    std::unique_ptr<platform::AudioSink> audio_;
    std::unique_ptr<platform::MediaControl> media_;
    std::function<bool()> objectBallPocketed_;
    std::function<std::string()> programDirectory_;
};

} // namespace app
