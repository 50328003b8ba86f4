// Sound effects: the sound-file table, PlayEffect with its switches and goal lock, tones.
#include "app/sound_system.h"

#include <unistd.h>

#include "platform/audio/sdl_audio_output.h"

namespace app {
namespace {

struct SoundKey {
    int slot;
    const char* section;
    const char* key;
    const char* fallback;
};

// In the order the table is read.
constexpr SoundKey kSoundKeys[] = {
    {5, "Sound", "IDSOUND_SHOOT", "shoot.wav"},
    {6, "Sound", "IDSOUND_SHOOT2", "shoot2.wav"},
    {0, "Sound", "IDSOUND_MOVE", "move.wav"},
    {2, "Sound", "IDSOUND_CHEER", "clapping.wav"},
    {4, "Sound", "IDSOUND_GOAL", "goal.wav"},
    {7, "Sound", "IDSOUND_Point", "point.wav"},
    {8, "Sound", "IDSOUND_Point2", "point2.wav"},
    {1, "Sound", "IDSOUND_BELL", "bell1.wav"},
    {3, "Sound", "IDSOUND_TOUCH", "touch.wav"},
    {9, "Sound", "IDSOUND_Goal2", "plus1.wav"},
    {kSlotSelectTune, "MIDI", "IDMIDI_SELECT", "start.mid"},
    {kSlotPlayTune, "MIDI", "IDMIDI_PLAY1", "start1.mid"},
    {kSlotPlayTune2, "MIDI", "IDMIDI_PLAY2", "start2.mid"},
};

// A MIDI device the game was built without: every command fails, as with no sequencer at all.
class NoMediaControl final : public platform::MediaControl {
public:
    int Send(const std::string&, std::string* answer, int) override
    {
        if (answer)
            answer->clear();
        return platform::kMediaNoSuchDevice;
    }
};

class SilentAudio final : public platform::AudioSink {
public:
    void StopWave() override {}
    bool PlayWave(const std::string&) override { return false; }
    void Tone(uint32_t, int32_t) override {}
    void Beep() override {}
};

// The output and the interpreter over its sequencer, owned together.
class SdlMedia final : public platform::MediaControl {
public:
    explicit SdlMedia(platform::SdlAudioOutput& out) : interpreter_(out.Sequencer()) {}
    int Send(const std::string& command, std::string* answer, int capacity) override
    {
        return interpreter_.Send(command, answer, capacity);
    }
private:
    platform::MediaCommandInterpreter interpreter_;
};

} // namespace

SoundSystem::SoundSystem(AppSettings& settings, platform::Clock& clock,
                         std::unique_ptr<platform::AudioSink> audio,
                         std::unique_ptr<platform::MediaControl> media)
    : settings_(settings), clock_(clock), audio_(std::move(audio)), media_(std::move(media))
{
    if (!media_)
        media_ = std::make_unique<NoMediaControl>();
}

SoundSystem::~SoundSystem()
{
    // The tune must stop before the output that plays it goes.
    media_.reset();
}

std::unique_ptr<SoundSystem> SoundSystem::CreateWithSdl(AppSettings& settings, platform::Clock& clock)
{
    auto out = std::make_unique<platform::SdlAudioOutput>();
    auto media = std::make_unique<SdlMedia>(*out);
    return std::make_unique<SoundSystem>(settings, clock, std::move(out), std::move(media));
}

std::unique_ptr<SoundSystem> SoundSystem::CreateSilent(AppSettings& settings, platform::Clock& clock)
{
    return std::make_unique<SoundSystem>(settings, clock, std::make_unique<SilentAudio>(), nullptr);
}

void SoundSystem::LoadSoundTable()
{
    for (const SoundKey& k : kSoundKeys)
        soundFiles[k.slot] = ReadString(k.section, k.key, k.fallback, kSoundFileCapacity);
}

void SoundSystem::ReleaseSoundTable()
{
    soundFiles = {};
}

void SoundSystem::EnterProgramDirectory()
{
    const std::string dir = programDirectory_ ? programDirectory_() : std::string();
    if (!dir.empty() && chdir(dir.c_str()) != 0) {
        // A directory that vanished leaves the current one; the file simply will not be found.
    }
}

void SoundSystem::PlayEffect(int event)
{
    if (event == IDSOUND_TOUCH && !settings_.KyuSound)
        return;
    if (settings_.KillSound)
        return;
    if (settings_.Sound && objectBallPocketed_ && objectBallPocketed_()) {
        // Keeps the pocket sound from being cut off by the clicks that follow it. A zero tick
        // means no lock is armed, even when the counter itself is still small.
        if (lastGoalTick != 0 && clock_.Ticks() - lastGoalTick < kGoalLockMs)
            return;
        lastGoalTick = 0;
    }
    if (settings_.Sound) {
        audio_->StopWave();
        EnterProgramDirectory();
        if (event >= 0 && event < kSoundFileSlots && !soundFiles[event].empty())
            audio_->PlayWave(soundFiles[event]);
        if (event == IDSOUND_GOAL)
            lastGoalTick = clock_.Ticks();
        return;
    }
    if (event > IDSOUND_Goal2) {
        audio_->Beep();
        return;
    }
    for (const ToneStep& step : ToneSequence(event))
        Tone(step.frequencyHz, step.durationMs);
}

// The speaker ports are not ours on this system: the square wave goes through the audio output,
// and the caller is held for the tone's length as the speaker held it.
void SoundSystem::Tone(uint32_t frequencyHz, int32_t durationMs)
{
    if (durationMs <= 0)
        return;
    audio_->Tone(frequencyHz, durationMs);
    Delay(durationMs);
}

void SoundSystem::Delay(int32_t ms)
{
    platform::Delay(clock_, ms);
}

} // namespace app
