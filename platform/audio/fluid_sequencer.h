// The MIDI sequencer on FluidSynth: a synthesiser without a driver of its own, rendered from the
// audio callback, and its MIDI-file player.
#pragma once
#include <mutex>
#include <string>
#include <vector>

#include "platform/audio/midi_sequencer.h"
#include "platform/audio/mixer.h"

struct _fluid_hashtable_t;
struct _fluid_synth_t;
struct _fluid_player_t;

namespace platform {

class FluidSequencer final : public MidiSequencer, public SynthSource {
public:
    // `lock` is held by the audio callback while it renders; every other call takes it.
    // `soundFont` empty: the first of the General MIDI banks Debian installs, or
    // $VELKARO_SOUNDFONT when set. Without a bank the tunes run their course in silence.
    FluidSequencer(std::mutex& lock, int sampleRate, std::string soundFont = {});
    ~FluidSequencer() override;

    bool Open(const std::string& path) override;
    void Close() override;
    bool PlayFromStart() override;
    bool IsPlaying() override;
    // Called with `lock` held.
    void Render(float* left, float* right, int frames) override;

private:
    bool EnsureSynth();
    void DropPlayer();

    std::mutex& lock_;
    int rate_;
    std::string soundFont_;
    bool synthTried_ = false;
    _fluid_hashtable_t* settings_ = nullptr;
    _fluid_synth_t* synth_ = nullptr;
    _fluid_player_t* player_ = nullptr;
    std::vector<char> tune_;  // the loaded file, handed to a fresh player on every start
};

// Loudness of the synthesiser in the mix (FluidSynth's default of 0.2 is too quiet).
inline constexpr double kSynthGain = 0.6;

} // namespace platform
