// SDL2 audio device and callback.
#include "platform/audio/sdl_audio_output.h"

#include <dlfcn.h>

#include "platform/audio/file_case.h"

namespace platform {
namespace {

void SilentAlsaError(const char*, int, const char*, int, const char*, ...) {}

// ALSA, which SDL tries first, reports a machine without a sound card in eight lines on stderr;
// the game has no sound there and nothing to say about it.
void QuietAlsa()
{
    using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
    void* alsa = dlopen("libasound.so.2", RTLD_LAZY | RTLD_LOCAL);
    if (!alsa)
        return;
    if (auto set = reinterpret_cast<int (*)(Handler)>(dlsym(alsa, "snd_lib_error_set_handler")))
        set(SilentAlsaError);
    // Left loaded: SDL uses the same library and the handler must stay in place.
}

SDL_AudioDeviceID OpenDevice(int rate, void* self, void (*callback)(void*, Uint8*, int))
{
    SDL_AudioSpec want;
    SDL_zero(want);
    want.freq = rate;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    want.samples = 1024;
    want.callback = callback;
    want.userdata = self;
    SDL_AudioSpec have;
    // No changes allowed: SDL converts to whatever the hardware takes.
    return SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
}

} // namespace

SdlAudioOutput::SdlAudioOutput(int sampleRate)
    : mixer_(sampleRate),
      waves_(sampleRate),
      sequencer_(std::make_unique<FluidSequencer>(lock_, sampleRate))
{
    mixer_.SetSynth(sequencer_.get());
    QuietAlsa();
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
        sdlStarted_ = true;
        device_ = OpenDevice(sampleRate, this, &SdlAudioOutput::Callback);
    }
    if (device_ == 0) {
        // No sound hardware: the dummy driver still runs the callback, so tunes keep their time.
        if (sdlStarted_)
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
        sdlStarted_ = false;
        SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
            sdlStarted_ = true;
            device_ = OpenDevice(sampleRate, this, &SdlAudioOutput::Callback);
        }
        SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    }
    if (device_ != 0)
        SDL_PauseAudioDevice(device_, 0);
}

SdlAudioOutput::~SdlAudioOutput()
{
    CloseDevice();
    sequencer_.reset();
}

void SdlAudioOutput::CloseDevice()
{
    if (device_ != 0)
        SDL_CloseAudioDevice(device_);
    device_ = 0;
    if (sdlStarted_)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    sdlStarted_ = false;
}

void SdlAudioOutput::Callback(void* self, Uint8* stream, int len)
{
    auto* out = static_cast<SdlAudioOutput*>(self);
    std::lock_guard<std::mutex> guard(out->lock_);
    out->mixer_.Render(reinterpret_cast<int16_t*>(stream), len / 4);
}

bool SdlAudioOutput::EffectsPending()
{
    std::lock_guard<std::mutex> guard(lock_);
    return mixer_.WavePlaying() || mixer_.TonesPending();
}

void SdlAudioOutput::StopWave()
{
    std::lock_guard<std::mutex> guard(lock_);
    mixer_.SetWave(nullptr);
}

bool SdlAudioOutput::PlayWave(const std::string& path)
{
    // Decoding happens before the lock so the callback never waits for the disk.
    std::shared_ptr<const WaveSamples> wave = waves_.Get(ResolveNoCase(path));
    std::lock_guard<std::mutex> guard(lock_);
    mixer_.SetWave(wave);
    return wave != nullptr;
}

void SdlAudioOutput::Tone(uint32_t frequencyHz, int32_t durationMs)
{
    std::lock_guard<std::mutex> guard(lock_);
    mixer_.QueueTone(frequencyHz, durationMs);
}

void SdlAudioOutput::Beep()
{
    Tone(kBeepFrequencyHz, kBeepDurationMs);
}

} // namespace platform
