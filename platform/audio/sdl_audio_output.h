// The game's one audio output: an SDL2 device whose callback mixes the wave, the tones and the
// MIDI synthesiser.
#pragma once
#include <SDL.h>

#include <memory>
#include <mutex>

#include "platform/audio/audio_sink.h"
#include "platform/audio/fluid_sequencer.h"
#include "platform/audio/mixer.h"
#include "platform/audio/wave_file.h"

namespace platform {

class SdlAudioOutput final : public AudioSink {
public:
    // Opens the default device; where none opens it falls back to SDL's "dummy" driver, which
    // keeps time in silence. SDL_AUDIODRIVER=disk with SDL_DISKAUDIOFILE records the mix (tests).
    explicit SdlAudioOutput(int sampleRate = 44100);
    ~SdlAudioOutput() override;

    void StopWave() override;
    bool PlayWave(const std::string& path) override;
    void Tone(uint32_t frequencyHz, int32_t durationMs) override;
    void Beep() override;

    MidiSequencer& Sequencer() { return *sequencer_; }
    bool DeviceOpen() const { return device_ != 0; }
    // True while a wave or a tone is still to be heard.
    bool EffectsPending();
    // Stops the callback and closes the device (the disk driver's file is complete afterwards).
    void CloseDevice();

private:
    static void Callback(void* self, Uint8* stream, int len);

    std::mutex lock_;
    Mixer mixer_;
    WaveCache waves_;
    std::unique_ptr<FluidSequencer> sequencer_;
    bool sdlStarted_ = false;
    SDL_AudioDeviceID device_ = 0;
};

} // namespace platform
